#include "docking/mdi/CVrxPFrameHelper.h"

#include "app/CWinApp.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/mdi/VrxPFitPlacement.h"
#include "foundation/CVrxPWorkspace.h"
#include "frames/CFrameWnd.h"
#include "strings/CRect.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"

BOOL VrxPLoadingState = FALSE;
CFrameWnd* VrxPTopLevelFrameOverride = nullptr;

namespace
{
CPtrList& FrameList()
{
    static CPtrList frames;
    return frames;
}

POSITION FindFrame(HWND hWnd)
{
    CPtrList& frames = FrameList();
    for (POSITION pos = frames.GetHeadPosition(); pos != NULL;)
    {
        POSITION current = pos;
        if (static_cast<CWnd*>(frames.GetNext(pos))->GetSafeHwnd() == hWnd)
            return current;
    }
    return NULL;
}
} // namespace

CVrxPFrameHelper::CVrxPFrameHelper(CFrameWnd* pFrame)
    : userToolbarFirstId(noUserToolbarId), userToolbarLastId(noUserToolbarId), menuBar(nullptr), defaultMenu(NULL),
      frameWindow(pFrame), barManager(nullptr), resourceId(0), userToolbarClass(RUNTIME_CLASS(CVrxPToolBar)),
      barListItem(0), barListToolbarsOnly(FALSE), dockingStateEnabled(TRUE), fullScreen(this)
{
}

CVrxPFrameHelper::~CVrxPFrameHelper()
{
    userToolbars.RemoveAll();
    tearOffBars.RemoveAll();
}

void CVrxPFrameHelper::RegisterFrame(CWnd* pFrame)
{
    if (pFrame != nullptr && FindFrame(pFrame->GetSafeHwnd()) == NULL)
        FrameList().AddTail(pFrame);
}

void CVrxPFrameHelper::UnregisterFrame(CWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    if (POSITION pos = FindFrame(pFrame->GetSafeHwnd()))
        FrameList().RemoveAt(pos);
}

const CPtrList& CVrxPFrameHelper::AllFrames()
{
    return FrameList();
}

void CVrxPFrameHelper::StoreFramePlacement()
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (frameWindow == nullptr || frameWindow->GetSafeHwnd() == NULL || pWorkspace == nullptr)
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(frameWindow->GetSafeHwnd(), &placement))
        return;
    const UINT nShowCmd = placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    CRect workArea;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect normal(placement.rcNormalPosition);
    normal.OffsetRect(workArea.left, workArea.top);
    pWorkspace->WritePlacement(normal, placement.flags, nShowCmd);
}

void CVrxPFrameHelper::ApplyStoredPlacement(CREATESTRUCT& cs)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    CRect stored;
    UINT nFlags = 0;
    UINT nShowCmd = SW_SHOWNORMAL;
    if (pWorkspace == nullptr || !pWorkspace->ReadPlacement(stored, nFlags, nShowCmd))
        return;
    nShowCmd = nShowCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    CRect workArea;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfo(::MonitorFromPoint(stored.TopLeft(), MONITOR_DEFAULTTONEAREST), &monitor))
        workArea = monitor.rcWork;
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect fitted;
    const BOOL bFits = VrxPFitPlacement(stored, workArea, fitted);
    if (!bFits && nShowCmd != SW_SHOWMAXIMIZED)
        return;
    if (CWinApp* pApp = AfxGetApp())
    {
        const int nStarted = pApp->m_nCmdShow;
        if (nStarted != SW_SHOWMINIMIZED && nStarted != SW_SHOWMAXIMIZED && nStarted != SW_MINIMIZE &&
            nStarted != SW_SHOWMINNOACTIVE)
            pApp->m_nCmdShow = static_cast<int>(nShowCmd);
    }
    const CRect target = nShowCmd == SW_SHOWMAXIMIZED ? workArea : fitted;
    cs.x = target.left;
    cs.y = target.top;
    cs.cx = target.Width();
    cs.cy = target.Height();
}

void CVrxPFrameHelper::RestoreStateAfterLoad()
{
    if (CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance())
        pWorkspace->RestoreAll(nullptr, this);
}

void CVrxPFrameHelper::OnFrameClosing()
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (pWorkspace == nullptr)
        return;
    pWorkspace->SaveOnFrameClose(this);
    StoreFramePlacement();
}

BOOL CVrxPFrameHelper::StoreDockingState(LPCTSTR lpszProfile)
{
    return barManager != nullptr && barManager->SaveState(lpszProfile, static_cast<int>(resourceId));
}

void CVrxPFrameHelper::RestoreDockingState(LPCTSTR lpszProfile)
{
    if (barManager != nullptr && dockingStateEnabled)
        barManager->LoadState(lpszProfile, static_cast<int>(resourceId));
}

// The framework's own bars follow the dock state; the library's panes
// follow what the bar manager loaded.
void CVrxPFrameHelper::ApplyDockingState(CDockState&)
{
    if (barManager != nullptr)
        barManager->ApplyState();
}

void CVrxPFrameHelper::TakeOverFrameMenu(CVrxPMenuBar* pMenuBar)
{
    menuBar = pMenuBar;
    HWND hFrame = frameWindow != nullptr ? frameWindow->GetSafeHwnd() : NULL;
    defaultMenu = hFrame != NULL ? ::GetMenu(hFrame) : NULL;
    menuBar->OnDefaultMenuLoaded(defaultMenu);
    menuBar->BuildFromMenu(defaultMenu, TRUE, FALSE);
    if (hFrame != NULL)
        ::SetMenu(hFrame, NULL);
    menuBar->SetDefaultMenuId(resourceId);
}

BOOL CVrxPFrameHelper::HandleMenuKey(UINT vk)
{
    if (frameWindow != nullptr && frameWindow->GetSafeHwnd() != NULL && frameWindow->IsIconic())
        return TRUE;
    if (CVrxPToolBar::customizeMode)
        return FALSE;
    const BOOL bAltOnly = ::GetKeyState(VK_MENU) < 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
    return bAltOnly && RouteMnemonicKey(vk);
}

BOOL CVrxPFrameHelper::RouteMnemonicKey(UINT ch)
{
    return menuBar != nullptr && menuBar->GetSafeHwnd() != NULL && menuBar->IsWindowVisible() &&
           menuBar->HandleMnemonicKey(ch);
}
