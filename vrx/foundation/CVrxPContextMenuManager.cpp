#include "foundation/CVrxPContextMenuManager.h"

#include "app/ResourceChain.h"

namespace
{
CVrxPContextMenuManager* s_pManager = nullptr;
} // namespace

CVrxPContextMenuManager::CVrxPContextMenuManager()
{
    s_pManager = this;
}

CVrxPContextMenuManager::~CVrxPContextMenuManager()
{
    POSITION pos = m_menusById.GetStartPosition();
    while (pos != NULL)
    {
        UINT nMenuId;
        HMENU hMenu;
        m_menusById.GetNextAssoc(pos, nMenuId, hMenu);
        DestroyMenu(hMenu);
    }
    if (s_pManager == this)
        s_pManager = nullptr;
}

CVrxPContextMenuManager* CVrxPContextMenuManager::Instance()
{
    return s_pManager;
}

BOOL CVrxPContextMenuManager::RegisterMenu(LPCTSTR lpszName, UINT nMenuId)
{
    HMENU hMenu;
    if (m_menusById.Lookup(nMenuId, hMenu))
        return FALSE;
    hMenu = LoadMenu(AfxFindResourceHandle(MAKEINTRESOURCE(nMenuId), RT_MENU), MAKEINTRESOURCE(nMenuId));
    if (hMenu == NULL)
        return FALSE;
    m_menusById[nMenuId] = hMenu;
    m_menusByName[lpszName] = hMenu;
    return TRUE;
}

HMENU CVrxPContextMenuManager::FindMenu(LPCTSTR lpszName, UINT* pnMenuId) const
{
    HMENU hMenu = NULL;
    m_menusByName.Lookup(lpszName, hMenu);
    if (pnMenuId != nullptr)
    {
        *pnMenuId = 0;
        POSITION pos = m_menusById.GetStartPosition();
        while (hMenu != NULL && pos != NULL)
        {
            UINT nMenuId;
            HMENU hRegistered;
            m_menusById.GetNextAssoc(pos, nMenuId, hRegistered);
            if (hRegistered == hMenu)
                *pnMenuId = nMenuId;
        }
    }
    return hMenu;
}

void CVrxPContextMenuManager::ListMenuNames(CStringList& names) const
{
    names.RemoveAll();
    POSITION pos = m_menusByName.GetStartPosition();
    while (pos != NULL)
    {
        CString name;
        HMENU hMenu;
        m_menusByName.GetNextAssoc(pos, name, hMenu);
        names.AddTail(name);
    }
}
