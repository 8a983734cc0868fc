#include "foundation/CVrxPMouseManager.h"

#include "files/CArchive.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredMouseBindings.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPSectionNames.h"

#include <memory>
#include <vector>

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
        std::vector<CVrxPStoredMouseBindings::Binding> bindings;
        POSITION pos = m_commands.GetStartPosition();
        while (pos != NULL)
        {
            int nViewId;
            UINT nCommand;
            m_commands.GetNextAssoc(pos, nViewId, nCommand);
            bindings.emplace_back(nViewId, nCommand);
        }
        CVrxPStoredMouseBindings::Store(ar, bindings);
        return;
    }
    m_commands.RemoveAll();
    CVrxPStoredMouseBindings stored;
    stored.Load(ar);
    Apply(stored);
}

void CVrxPMouseManager::Apply(const CVrxPStoredMouseBindings& stored)
{
    for (const CVrxPStoredMouseBindings::Binding& binding : stored.GetBindings())
        SetDoubleClickCommand(binding.first, binding.second);
}

// A damaged value leaves no binding: the old ones are gone, and none of the
// value's is taken.
BOOL CVrxPMouseManager::RestoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.OpenKey(VrxPBuildRegistryPath(VrxPSectionMouseManager, lpszProfile)) ||
        !registry.ReadBinary(VrxPValueMouse, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    m_commands.RemoveAll();
    CVrxPStoredMouseBindings stored;
    if (!stored.Read(pData, nSize))
        return FALSE;
    Apply(stored);
    return TRUE;
}

BOOL CVrxPMouseManager::StoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    return registry.MakeKey(VrxPBuildRegistryPath(VrxPSectionMouseManager, lpszProfile)) &&
           registry.WriteArchived(VrxPValueMouse, *this);
}
