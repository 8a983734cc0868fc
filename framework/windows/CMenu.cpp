#include "windows/CMenu.h"

#include "app/CCmdUI.h"
#include "app/ResourceChain.h"
#include "gdi/CHandleMap.h"
#include "windows/CWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace
{
// The system commands (SC_SIZE and up) are the window's own.
const UINT kFirstSystemCommand = 0xF000;

CMenu* NewTemporaryMenu(HMENU hMenu)
{
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    return pMenu;
}

void ReleaseTemporaryMenu(CMenu* pMenu)
{
    pMenu->m_hMenu = NULL;
    delete pMenu;
}

HMENU HandleOfMenu(const CMenu* pMenu)
{
    return pMenu->m_hMenu;
}

CHandleMap<HMENU, CMenu>& MenuMap()
{
    static CHandleMap<HMENU, CMenu> map(NewTemporaryMenu, ReleaseTemporaryMenu, HandleOfMenu);
    return map;
}
} // namespace

CMenu::CMenu() : m_hMenu(NULL)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

HMENU CMenu::GetSafeHmenu() const
{
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CMenu* volatile self = this;
    return self == nullptr ? NULL : self->m_hMenu;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu);
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu != NULL ? MenuMap().LookupPermanent(hMenu) : nullptr;
}

void CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemporary();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu != NULL || hMenu == NULL || FromHandlePermanent(hMenu) != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != NULL)
        MenuMap().RemovePermanent(hMenu, this);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    HMENU hMenu = ::LoadMenu(hInst, lpszResourceName);
    if (!Attach(hMenu))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCE(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    HMENU hMenu = ::LoadMenuIndirect(lpMenuTemplate);
    if (!Attach(hMenu))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxGetSafeHwnd(pWnd), lpRect);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLength = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLength <= 0)
    {
        rString.Empty();
        return 0;
    }
    int nCopied = ::GetMenuString(m_hMenu, nIDItem, rString.GetBuffer(nLength), nLength + 1, nFlags);
    rString.ReleaseBuffer(nCopied);
    return nCopied;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuItemCount() const
{
    int nCount = ::GetMenuItemCount(m_hMenu);
    return nCount > 0 ? static_cast<UINT>(nCount) : 0;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const
{
    lpMenuItemInfo->cbSize = sizeof(MENUITEMINFO);
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    lpMenuItemInfo->cbSize = sizeof(MENUITEMINFO);
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

void CMenu::UpdateCommandUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    state.m_pMenu = this;
    state.m_nIndexMax = GetMenuItemCount();
    UINT nNext = 0;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex = nNext)
    {
        nNext = state.m_nIndex + 1;
        state.m_nID = GetMenuItemID(static_cast<int>(state.m_nIndex));
        state.m_pSubMenu = nullptr;
        if (state.m_nID == 0)
            continue;
        if (state.m_nID == static_cast<UINT>(-1))
        {
            state.m_pSubMenu = GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(pTarget, FALSE);
        }
        else
        {
            state.DoUpdate(pTarget, bDisableIfNoHndler && state.m_nID < kFirstSystemCommand);
        }

        // A handler that added items moved m_nIndex to its last one; one that
        // removed items (up to its own) moves the rest up.
        nNext = state.m_nIndex + 1;
        UINT nCount = GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            UINT nRemoved = state.m_nIndexMax - nCount;
            nNext = nNext > nRemoved ? nNext - nRemoved : 0;
            while (nNext < nCount && GetMenuItemID(static_cast<int>(nNext)) == state.m_nID)
                ++nNext;
        }
        state.m_nIndexMax = nCount;
    }
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}
