#include "foundation/CVrxPWorkspace.h"

#include "app/CCommandLineInfo.h"
#include "app/CWinApp.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "foundation/CVrxPCommandManager.h"
#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMouseManager.h"
#include "foundation/CVrxPRebarStateStore.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredWorkspace.h"
#include "foundation/CVrxPToolTipFactory.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/CVrxPUserToolsManager.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPSectionNames.h"
#include "frames/CDockState.h"
#include "frames/CFrameWnd.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/VrxPCollectStdImages.h"
#include "windows/CWnd.h"

#include <memory>
#include <vector>

namespace
{
CVrxPWorkspace* s_pWorkspace = nullptr;
// The value's bytes, whatever its type; FALSE when it is missing.
BOOL ReadValue(CVrxPRegistry& registry, LPCTSTR lpszName, std::vector<BYTE>& bytes)
{
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.ReadBinary(lpszName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    bytes.assign(pData, pData + nSize);
    return TRUE;
}

// A version number out of range is taken as missing.
void ReadVersionNumber(CVrxPRegistry& registry, LPCTSTR lpszName, int nMax, int& nNumber)
{
    std::vector<BYTE> bytes;
    if (ReadValue(registry, lpszName, bytes))
        CVrxPStoredWorkspace::ReadVersionNumber(bytes.data(), static_cast<UINT>(bytes.size()), nMax, nNumber);
}
} // namespace

CVrxPWorkspace* VrxPWorkspaceInstance()
{
    return s_pWorkspace;
}

CVrxPWorkspace::CVrxPWorkspace(BOOL bResourceUpdate)
    : recreateUserToolbars(TRUE), thisFrameOnly(FALSE), savingEnabled(TRUE), resourceUpdate(bResourceUpdate),
      refreshToolbars(FALSE), applyPlacement(TRUE), storedMajor(-1), storedMinor(-1),
      m_strRegistryBase(defaultRegistryBase), m_bKeyboardManagerCreatedHere(FALSE),
      m_bContextMenuManagerCreatedHere(FALSE), m_bToolTipFactoryCreatedHere(FALSE)
{
    VrxPStartLibrary();
    s_pWorkspace = this;
}

CVrxPWorkspace::~CVrxPWorkspace()
{
    if (s_pWorkspace == this)
        s_pWorkspace = nullptr;
    if (m_bKeyboardManagerCreatedHere)
        delete CVrxPKeyboardManager::Instance();
    if (m_bContextMenuManagerCreatedHere)
        delete CVrxPContextMenuManager::Instance();
    if (m_bToolTipFactoryCreatedHere)
        delete CVrxPToolTipFactory::Instance();
}

LPCTSTR CVrxPWorkspace::ChooseRegistryBase(LPCTSTR lpszName)
{
    m_strRegistryBase = lpszName != nullptr ? lpszName : "";
    return m_strRegistryBase;
}

CString CVrxPWorkspace::BuildSectionPath(LPCTSTR lpszSection) const
{
    CString path = VrxPBuildRegistryPath(m_strRegistryBase, nullptr);
    if (lpszSection != nullptr && *lpszSection != '\0')
        path += CString(lpszSection) + "\\";
    return path;
}

CString CVrxPWorkspace::DockStateProfile() const
{
    return m_strRegistryBase + VrxPSectionControlBarsSuffix;
}

int CVrxPWorkspace::PackedStateVersion() const
{
    return CVrxPStoredWorkspace::PackVersion(storedMajor, storedMinor);
}

BOOL CVrxPWorkspace::RestoreAll(LPCTSTR lpszBase, CVrxPFrameHelper* pHelper)
{
    if (lpszBase != nullptr)
        ChooseRegistryBase(lpszBase);
    const CString path = BuildSectionPath();
    BeforeLoadState();
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        if (registry.OpenKey(BuildSectionPath(VrxPSectionVersion)))
        {
            ReadVersionNumber(registry, VrxPValueMajor, CVrxPStoredWorkspace::maxMajor, storedMajor);
            ReadVersionNumber(registry, VrxPValueMinor, CVrxPStoredWorkspace::maxMinor, storedMinor);
        }
    }
    CVrxPToolBar::ReadGlobalOptions(path);
    CVrxPCommandManager::Get().RestoreState(path);
    if (resourceUpdate)
        VrxPCollectStdImages = FALSE;
    CFrameWnd* pFrame = pHelper != nullptr ? pHelper->frameWindow : nullptr;
    BOOL bOriginalsChanged = FALSE;
    if (pHelper != nullptr)
    {
        if (pFrame != nullptr)
            CVrxPRebarStateStore::RestoreRebars(path, pFrame);
        const BOOL bWasLoading = VrxPLoadingState;
        VrxPLoadingState = TRUE;
        bOriginalsChanged = RestoreToolbars(path, pFrame);
        if (recreateUserToolbars)
        {
            pHelper->RecreateUserToolbars();
            pHelper->RestoreTearOffBars();
        }
        VrxPLoadingState = bWasLoading;
        CDockState dockState;
        const BOOL bDockStateLoaded = dockState.LoadState(DockStateProfile());
        if (PackedStateVersion() != -1)
        {
            pHelper->RestoreDockingState(path);
            if (bDockStateLoaded && pFrame != nullptr)
                pFrame->SetDockState(dockState);
            pHelper->ApplyDockingState(dockState);
        }
        if (applyPlacement && pFrame != nullptr)
            ApplyPlacement(pFrame);
    }
    if (CVrxPMouseManager* pMouse = CVrxPMouseManager::Instance())
        pMouse->RestoreState(path);
    if (CVrxPContextMenuManager* pContextMenus = CVrxPContextMenuManager::Instance())
        pContextMenus->RestoreFromRegistry(path);
    if (CVrxPKeyboardManager* pKeyboard = CVrxPKeyboardManager::Instance())
        pKeyboard->RestoreState(path, pFrame);
    if (CVrxPUserToolsManager* pTools = CVrxPUserToolsManager::Instance())
        pTools->RestoreState(path);
    if (resourceUpdate)
        VrxPCollectStdImages = TRUE;
    if (refreshToolbars || (resourceUpdate && bOriginalsChanged))
    {
        for (POSITION pos = VrxPAllToolBars().GetHeadPosition(); pos != NULL;)
        {
            CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(VrxPAllToolBars().GetNext(pos));
            if (::IsWindow(pBar->GetSafeHwnd()))
                pBar->RefreshButtonImages();
        }
        if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL)
            pFrame->RecalcLayout(TRUE);
    }
    AfterLoadState();
    storedMajor = storedMajorVersion;
    storedMinor = storedMinorVersion;
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL && IsZoomed(pFrame->GetSafeHwnd()))
        RedrawWindow(pFrame->GetSafeHwnd(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}

BOOL CVrxPWorkspace::TakesPartInState(CVrxPToolBar* pBar, CFrameWnd* pFrame) const
{
    if (!::IsWindow(pBar->GetSafeHwnd()))
        return FALSE;
    return !thisFrameOnly || pBar->GetTopLevelFrame() == pFrame;
}

BOOL CVrxPWorkspace::RestoreToolbars(const CString& path, CFrameWnd* pFrame)
{
    BOOL bOriginalsChanged = FALSE;
    for (POSITION pos = VrxPAllToolBars().GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(VrxPAllToolBars().GetNext(pos));
        // A floating bar comes back with its mini frame.
        if (!TakesPartInState(pBar, pFrame) || pBar->IsFloatingInMiniFrame())
            continue;
        pBar->RestoreFromRegistry(path, -1, static_cast<UINT>(-1));
        if (pBar->HasChangedOriginals())
            bOriginalsChanged = TRUE;
    }
    return bOriginalsChanged;
}

void CVrxPWorkspace::StoreToolbars(const CString& path, CFrameWnd* pFrame)
{
    for (POSITION pos = VrxPAllToolBars().GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(VrxPAllToolBars().GetNext(pos));
        if (TakesPartInState(pBar, pFrame))
            pBar->StoreToRegistry(path, -1, static_cast<UINT>(-1));
    }
}

BOOL CVrxPWorkspace::ResetState(LPCTSTR lpszBase)
{
    if (lpszBase != nullptr)
        ChooseRegistryBase(lpszBase);
    CVrxPRegistryHolder holder;
    return holder.Open(FALSE, FALSE).RemoveKey(BuildSectionPath(), FALSE);
}

BOOL CVrxPWorkspace::StoreAll(LPCTSTR lpszBase, CVrxPFrameHelper* pHelper)
{
    if (!savingEnabled)
        return FALSE;
    if (lpszBase != nullptr)
        ChooseRegistryBase(lpszBase);
    const CString path = BuildSectionPath();
    BeforeSaveState();
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        if (registry.MakeKey(BuildSectionPath(VrxPSectionVersion)))
        {
            registry.WriteInt(VrxPValueMajor, storedMajorVersion);
            registry.WriteInt(VrxPValueMinor, storedMinorVersion);
            // The archives stored next must be in the form the version key
            // now names, even when nothing was restored before.
            storedMajor = storedMajorVersion;
            storedMinor = storedMinorVersion;
        }
    }
    CVrxPToolBar::StoreGlobalOptions(path);
    CVrxPCommandManager::Get().StoreState(path);
    CFrameWnd* pFrame = pHelper != nullptr ? pHelper->frameWindow : nullptr;
    if (pHelper != nullptr)
    {
        if (pFrame != nullptr)
        {
            CDockState dockState;
            pFrame->GetDockState(dockState);
            dockState.SaveState(DockStateProfile());
        }
        pHelper->StoreDockingState(path);
        StoreToolbars(path, pFrame);
        pHelper->StoreUserToolbars(thisFrameOnly);
        pHelper->StoreTearOffBars(thisFrameOnly);
        if (pFrame != nullptr)
            CVrxPRebarStateStore::StoreRebars(path, pFrame);
        pHelper->StoreFramePlacement();
    }
    if (CVrxPToolbarImageList* pUserImages = CVrxPToolBar::UserImageList())
        pUserImages->SaveToFile();
    if (CVrxPMouseManager* pMouse = CVrxPMouseManager::Instance())
        pMouse->StoreState(path);
    if (CVrxPContextMenuManager* pContextMenus = CVrxPContextMenuManager::Instance())
        pContextMenus->StoreToRegistry(path);
    if (CVrxPKeyboardManager* pKeyboard = CVrxPKeyboardManager::Instance())
        pKeyboard->StoreState(path, pFrame);
    if (CVrxPUserToolsManager* pTools = CVrxPUserToolsManager::Instance())
        pTools->StoreState(path);
    AfterSaveState();
    return TRUE;
}

BOOL CVrxPWorkspace::RunViewCommand(CWnd* pView, int nViewId)
{
    CVrxPMouseManager* pMouse = CVrxPMouseManager::Instance();
    if (pMouse == nullptr)
        return FALSE;
    const UINT nCommand = pMouse->CommandForView(nViewId);
    if (nCommand == 0 || nCommand == static_cast<UINT>(-1))
    {
        MessageBeep(static_cast<UINT>(-1));
        return FALSE;
    }
    CVrxPUserToolsManager* pTools = CVrxPUserToolsManager::Instance();
    if (pTools != nullptr && pTools->LaunchTool(nCommand))
        return TRUE;
    CWnd* pTarget = AfxGetMainWnd();
    if (pView != nullptr)
        pTarget = VrxPTopLevelFrameOverride != nullptr ? VrxPTopLevelFrameOverride : pView->GetTopLevelFrame();
    if (pTarget != nullptr && pTarget->GetSafeHwnd() != NULL)
        pTarget->SendMessage(WM_COMMAND, nCommand, 0);
    return TRUE;
}

BOOL CVrxPWorkspace::ShowContextMenu(UINT nMenuId, CPoint point, CWnd* pOwner)
{
    CVrxPContextMenuManager* pManager = CVrxPContextMenuManager::Instance();
    return pManager != nullptr && pManager->PlacePopup(nMenuId, point.x, point.y, pOwner, FALSE, FALSE);
}

BOOL CVrxPWorkspace::OverridePopupLoop(CVrxPPopupMenu*)
{
    return FALSE;
}

void CVrxPWorkspace::ShowHelpContextMenu(CWnd* pWnd, DWORD_PTR dwData)
{
    CWinApp* pApp = AfxGetApp();
    WinHelpA(pWnd->GetSafeHwnd(), pApp != nullptr ? pApp->m_pszHelpFilePath : nullptr, HELP_CONTEXTMENU, dwData);
}

BOOL CVrxPWorkspace::SaveOnFrameClose(CVrxPFrameHelper* pHelper)
{
    return StoreAll(nullptr, pHelper);
}

void CVrxPWorkspace::BeforeLoadState()
{
}

void CVrxPWorkspace::AfterLoadState()
{
}

void CVrxPWorkspace::BeforeSaveState()
{
}

void CVrxPWorkspace::AfterSaveState()
{
}

BOOL CVrxPWorkspace::ReadPlacement(CRect& rect, UINT& nFlags, UINT& nShowCmd)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(BuildSectionPath(VrxPSectionWindowPlacement)))
        return FALSE;
    std::vector<BYTE> rectBytes;
    std::vector<BYTE> flagsBytes;
    std::vector<BYTE> showCmdBytes;
    CVrxPStoredWorkspace::Placement placement;
    if (!ReadValue(registry, VrxPValueMainWindowRect, rectBytes) || !ReadValue(registry, VrxPValueFlags, flagsBytes) ||
        !ReadValue(registry, VrxPValueShowCmd, showCmdBytes) ||
        !CVrxPStoredWorkspace::ReadPlacement(rectBytes.data(), static_cast<UINT>(rectBytes.size()), flagsBytes.data(),
                                             static_cast<UINT>(flagsBytes.size()), showCmdBytes.data(),
                                             static_cast<UINT>(showCmdBytes.size()), placement))
        return FALSE;
    rect = placement.rect;
    nFlags = placement.flags;
    nShowCmd = placement.showCmd;
    return TRUE;
}

BOOL CVrxPWorkspace::WritePlacement(const CRect& rect, UINT nFlags, UINT nShowCmd)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    return registry.MakeKey(BuildSectionPath(VrxPSectionWindowPlacement)) &&
           registry.WriteRect(VrxPValueMainWindowRect, rect) &&
           registry.WriteInt(VrxPValueFlags, static_cast<int>(nFlags)) &&
           registry.WriteInt(VrxPValueShowCmd, static_cast<int>(nShowCmd));
}

BOOL CVrxPWorkspace::ApplyPlacement(CWnd* pFrame)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
    {
        CCommandLineInfo commandLine;
        pApp->ParseCommandLine(commandLine);
        if (commandLine.m_bRunEmbedded || commandLine.m_bRunAutomated)
            return FALSE;
    }
    CRect rect;
    UINT nFlags = 0;
    UINT nShowCmd = SW_SHOWNORMAL;
    if (!ReadPlacement(rect, nFlags, nShowCmd))
        return FALSE;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(pFrame->GetSafeHwnd(), &placement);
    CRect workArea;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    rect.OffsetRect(-workArea.left, -workArea.top);
    placement.rcNormalPosition = rect;
    placement.flags = nFlags;
    placement.showCmd = nShowCmd;
    SetWindowPlacement(pFrame->GetSafeHwnd(), &placement);
    return TRUE;
}

int CVrxPWorkspace::FetchInt(LPCTSTR lpszName, int nDefault)
{
    return FetchSectionInt("", lpszName, nDefault);
}

BOOL CVrxPWorkspace::StoreInt(LPCTSTR lpszName, int nValue)
{
    return StoreSectionInt("", lpszName, nValue);
}

int CVrxPWorkspace::FetchSectionInt(LPCTSTR lpszSection, LPCTSTR lpszName, int nDefault)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    int nValue = nDefault;
    if (registry.OpenKey(BuildSectionPath(lpszSection)))
        registry.ReadInt(lpszName, nValue);
    return nValue;
}

BOOL CVrxPWorkspace::StoreSectionInt(LPCTSTR lpszSection, LPCTSTR lpszName, int nValue)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    return registry.MakeKey(BuildSectionPath(lpszSection)) && registry.WriteInt(lpszName, nValue);
}

BOOL CVrxPWorkspace::CreateToolTipFactory()
{
    if (CVrxPToolTipFactory::Instance() != nullptr)
        return FALSE;
    new CVrxPToolTipFactory;
    m_bToolTipFactoryCreatedHere = TRUE;
    return TRUE;
}

BOOL CVrxPWorkspace::CreateContextMenuManager()
{
    if (CVrxPContextMenuManager::Instance() != nullptr)
        return FALSE;
    new CVrxPContextMenuManager;
    m_bContextMenuManagerCreatedHere = TRUE;
    return TRUE;
}

BOOL CVrxPWorkspace::CreateKeyboardManager()
{
    if (CVrxPKeyboardManager::Instance() != nullptr)
        return FALSE;
    new CVrxPKeyboardManager;
    m_bKeyboardManagerCreatedHere = TRUE;
    return TRUE;
}

CVrxPToolTipFactory* CVrxPWorkspace::AcquireToolTipFactory()
{
    CreateToolTipFactory();
    return CVrxPToolTipFactory::Instance();
}

CVrxPContextMenuManager* CVrxPWorkspace::AcquireContextMenuManager()
{
    CreateContextMenuManager();
    return CVrxPContextMenuManager::Instance();
}
