#include "foundation/CVrxPMouseManager.h"

#include "files/CArchive.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPSectionNames.h"

IMPLEMENT_SERIAL(CVrxPMouseManager, CObject, 1)

namespace
{
CVrxPMouseManager* s_pManager = nullptr;
} // namespace

CVrxPMouseManager::CVrxPMouseManager()
{
    s_pManager = this;
}

CVrxPMouseManager::~CVrxPMouseManager()
{
    if (s_pManager == this)
        s_pManager = nullptr;
}

CVrxPMouseManager* CVrxPMouseManager::Instance()
{
    return s_pManager;
}

int CVrxPMouseManager::LookupViewId(LPCTSTR lpszViewName) const
{
    int nViewId;
    return m_viewIds.Lookup(lpszViewName, nViewId) ? nViewId : -1;
}

void CVrxPMouseManager::ListViewNames(CStringList& names) const
{
    names.RemoveAll();
    POSITION pos = m_viewIds.GetStartPosition();
    while (pos != NULL)
    {
        CString name;
        int nViewId;
        m_viewIds.GetNextAssoc(pos, name, nViewId);
        names.AddTail(name);
    }
}

UINT CVrxPMouseManager::CommandForView(int nViewId) const
{
    UINT nCommand;
    return m_commands.Lookup(nViewId, nCommand) ? nCommand : 0;
}

UINT CVrxPMouseManager::IconIdForView(int nViewId) const
{
    UINT nIconId;
    return m_icons.Lookup(nViewId, nIconId) ? nIconId : 0;
}

void CVrxPMouseManager::SetDoubleClickCommand(int nViewId, UINT nCommand)
{
    if (nCommand == 0)
        m_commands.RemoveKey(nViewId);
    else
        m_commands[nViewId] = nCommand;
}

void CVrxPMouseManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<int>(m_commands.GetCount());
        POSITION pos = m_commands.GetStartPosition();
        while (pos != NULL)
        {
            int nViewId;
            UINT nCommand;
            m_commands.GetNextAssoc(pos, nViewId, nCommand);
            ar << nViewId << nCommand;
        }
        return;
    }
    m_commands.RemoveAll();
    int nCount;
    ar >> nCount;
    for (int i = 0; i < nCount; i++)
    {
        int nViewId;
        UINT nCommand;
        ar >> nViewId >> nCommand;
        SetDoubleClickCommand(nViewId, nCommand);
    }
}

BOOL CVrxPMouseManager::RestoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    return registry.OpenKey(VrxPBuildRegistryPath(VrxPSectionMouseManager, lpszProfile)) &&
           registry.ReadArchived(VrxPValueMouse, *this);
}

BOOL CVrxPMouseManager::StoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    return registry.MakeKey(VrxPBuildRegistryPath(VrxPSectionMouseManager, lpszProfile)) &&
           registry.WriteArchived(VrxPValueMouse, *this);
}
