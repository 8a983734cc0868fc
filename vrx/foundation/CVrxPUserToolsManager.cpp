#include "foundation/CVrxPUserToolsManager.h"

#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredUserTools.h"
#include "foundation/CVrxPUserTool.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPSectionNames.h"
#include "toolbars/CVrxPToolBar.h"

#include <memory>
#include <vector>

namespace
{
CVrxPUserToolsManager* s_pManager = nullptr;
} // namespace

CVrxPUserToolsManager::CVrxPUserToolsManager(UINT nToolsMenuCommand, UINT nFirstId, UINT nLastId,
                                             CRuntimeClass* pToolClass, UINT nArgumentsMenuId, UINT nDirectoryMenuId)
    : toolsMenuCommand(nToolsMenuCommand), firstId(nFirstId), lastId(nLastId),
      toolClass(pToolClass != nullptr ? pToolClass : RUNTIME_CLASS(CVrxPUserTool)), argumentsMenuId(nArgumentsMenuId),
      directoryMenuId(nDirectoryMenuId)
{
    s_pManager = this;
}

CVrxPUserToolsManager::~CVrxPUserToolsManager()
{
    DeleteAllTools();
    if (s_pManager == this)
        s_pManager = nullptr;
}

CVrxPUserToolsManager* CVrxPUserToolsManager::Instance()
{
    return s_pManager;
}

void CVrxPUserToolsManager::DeleteAllTools()
{
    while (!m_tools.IsEmpty())
        delete m_tools.RemoveHead();
}

BOOL CVrxPUserToolsManager::IsToolCommandId(UINT nId) const
{
    return nId >= firstId && nId <= lastId;
}

CVrxPUserTool* CVrxPUserToolsManager::AppendTool()
{
    if (lastId < firstId || static_cast<UINT>(m_tools.GetCount()) >= lastId - firstId + 1)
        return nullptr;
    for (UINT nId = firstId; nId <= lastId; nId++)
    {
        if (LookupTool(nId) != nullptr)
            continue;
        CVrxPUserTool* pTool = dynamic_cast<CVrxPUserTool*>(toolClass->CreateObject());
        if (pTool == nullptr)
            return nullptr;
        pTool->commandId = nId;
        m_tools.AddTail(pTool);
        return pTool;
    }
    return nullptr;
}

BOOL CVrxPUserToolsManager::DeleteTool(CVrxPUserTool* pTool)
{
    POSITION pos = m_tools.Find(pTool);
    if (pos == NULL)
        return FALSE;
    const UINT nCommand = pTool->commandId;
    m_tools.RemoveAt(pos);
    delete pTool;
    RemoveToolButtons(nCommand);
    return TRUE;
}

void CVrxPUserToolsManager::RemoveToolButtons(UINT nCommand)
{
    CObList& toolbars = VrxPAllToolBars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(toolbars.GetNext(pos));
        BOOL bRemoved = FALSE;
        for (int nIndex = pBar->CommandToIndex(nCommand); nIndex >= 0; nIndex = pBar->CommandToIndex(nCommand, nIndex))
            bRemoved = pBar->RemoveButtonAt(nIndex) || bRemoved;
        if (bRemoved)
            pBar->LayoutButtons();
    }
}

BOOL CVrxPUserToolsManager::ShiftToolUp(CVrxPUserTool* pTool)
{
    POSITION pos = m_tools.Find(pTool);
    if (pos == NULL || pos == m_tools.GetHeadPosition())
        return FALSE;
    POSITION posPrevious = pos;
    m_tools.GetPrev(posPrevious);
    m_tools.RemoveAt(pos);
    m_tools.InsertBefore(posPrevious, pTool);
    return TRUE;
}

BOOL CVrxPUserToolsManager::ShiftToolDown(CVrxPUserTool* pTool)
{
    POSITION pos = m_tools.Find(pTool);
    if (pos == NULL || pos == m_tools.GetTailPosition())
        return FALSE;
    POSITION posNext = pos;
    m_tools.GetNext(posNext);
    m_tools.RemoveAt(pos);
    m_tools.InsertAfter(posNext, pTool);
    return TRUE;
}

CVrxPUserTool* CVrxPUserToolsManager::LookupTool(UINT nId) const
{
    if (!IsToolCommandId(nId))
        return nullptr;
    POSITION pos = m_tools.GetHeadPosition();
    while (pos != NULL)
    {
        CVrxPUserTool* pTool = static_cast<CVrxPUserTool*>(m_tools.GetNext(pos));
        if (pTool->commandId == nId)
            return pTool;
    }
    return nullptr;
}

BOOL CVrxPUserToolsManager::LaunchTool(UINT nId) const
{
    CVrxPUserTool* pTool = LookupTool(nId);
    return pTool != nullptr && pTool->Launch();
}

BOOL CVrxPUserToolsManager::StoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    std::vector<BYTE> bytes;
    return registry.MakeKey(VrxPBuildRegistryPath(VrxPSectionUserToolsManager, lpszProfile)) &&
           CVrxPStoredUserTools::Store(bytes, m_tools) &&
           registry.WriteBinary(VrxPValueTools, bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL CVrxPUserToolsManager::RestoreState(LPCTSTR lpszProfile)
{
    DeleteAllTools();
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.OpenKey(VrxPBuildRegistryPath(VrxPSectionUserToolsManager, lpszProfile)) ||
        !registry.ReadBinary(VrxPValueTools, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    CVrxPStoredUserTools stored;
    if (!stored.Read(pData, nSize, RUNTIME_CLASS(CVrxPUserTool), firstId, lastId))
        return FALSE;
    stored.MoveTools(m_tools);
    return TRUE;
}
