#include "docking/frames/CVrxPFullScreenState.h"

#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "foundation/CVrxPWorkspace.h"
#include "frames/CFrameWnd.h"
#include "strings/CRect.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

CVrxPFullScreenState::~CVrxPFullScreenState()
{
    DestroyToolbar();
}

void CVrxPFullScreenState::DestroyToolbar()
{
    if (toolbar == nullptr)
        return;
    if (CVrxPMiniFrameWnd* pMiniFrame = toolbar->FindMiniFrameParent())
        pMiniFrame->ReleaseHostedBar();
    if (toolbar->GetSafeHwnd() != NULL)
        toolbar->DestroyWindow();
    delete toolbar;
    toolbar = nullptr;
}

BOOL CVrxPFullScreenState::EnterFullScreen(CFrameWnd* pFrame, LPCTSTR lpszProfile, UINT nToolbarId,
                                           UINT nLeaveCommand)
{
    if (active || pFrame == nullptr || pFrame->GetSafeHwnd() == NULL)
        return FALSE;
    CVrxPToolBar* pBar = new CVrxPToolBar;
    if (!pBar->CreateWithDefaultStyle(pFrame, CVrxPFrameHelper::userToolbarStyle, nToolbarId))
    {
        delete pBar;
        return FALSE;
    }
    profile = lpszProfile != nullptr ? lpszProfile : "";
    helper->StoreDockingState(profile);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    savedFrameRect = rectFrame;

    // The non-client area lies outside the monitor, so the client area
    // covers it.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfo(::MonitorFromWindow(pFrame->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    CRect rectFull(monitor.rcMonitor);
    rectFull.left -= rectClient.left - rectFrame.left;
    rectFull.top -= rectClient.top - rectFrame.top;
    rectFull.right += rectFrame.right - rectClient.right;
    rectFull.bottom += rectFrame.bottom - rectClient.bottom;
    fullScreenRect = rectFull;
    active = TRUE;
    toolbarResourceId = static_cast<int>(nToolbarId);

    toolbar = pBar;
    pBar->InsertButtonCopy(CVrxPToolbarButton(nLeaveCommand, -1, "Close Full Screen"));
    pBar->SetBarStyle(pBar->GetBarStyle() | CVrxPFrameHelper::userToolbarBarStyle);
    pBar->AllowDocking(CBRS_ALIGN_ANY);
    if (helper->barManager != nullptr)
    {
        helper->barManager->AddBar(pBar);
        helper->barManager->DockControlBar(pBar, 0, nullptr);
    }
    pFrame->SetWindowPos(nullptr, rectFull.left, rectFull.top, rectFull.Width(), rectFull.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    pBar->FloatBar(CRect(CPoint(monitor.rcMonitor.left + 40, monitor.rcMonitor.top + 40), rectBar.Size()),
                   CVrxPControlBar::dockByWindowMenu, TRUE);
    pFrame->RecalcLayout();
    return TRUE;
}

void CVrxPFullScreenState::LeaveFullScreen(CFrameWnd* pFrame)
{
    if (toolbarResourceId == -1)
        return;
    if (helper->barManager != nullptr && toolbar != nullptr)
        helper->barManager->RemoveBarFromList(toolbar);
    DestroyToolbar();
    active = FALSE;
    toolbarResourceId = -1;
    const CRect rectSaved(savedFrameRect);
    pFrame->SetWindowPos(nullptr, rectSaved.left, rectSaved.top, rectSaved.Width(), rectSaved.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);

    pFrame->SendMessage(WM_SETREDRAW, FALSE);
    if (CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance())
        pWorkspace->recreateUserToolbars = FALSE;
    helper->RestoreDockingState(profile);
    if (helper->barManager != nullptr)
        helper->barManager->ApplyState();
    pFrame->RecalcLayout();
    pFrame->SendMessage(WM_SETREDRAW, TRUE);
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    CVrxPMenuBar* pMenuBar = helper->menuBar;
    if (!showMenu && pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != NULL)
    {
        pMenuBar->SetBarShown(TRUE, FALSE, FALSE);
        if (pMenuBar->FindMiniFrameParent() != nullptr)
            pMenuBar->SetFocus();
    }
}

BOOL CVrxPFullScreenState::FullScreenLimits(MINMAXINFO* pInfo) const
{
    if (!active)
        return FALSE;
    const CRect rectFull(fullScreenRect);
    pInfo->ptMaxSize = CPoint(rectFull.Width(), rectFull.Height());
    pInfo->ptMaxTrackSize = pInfo->ptMaxSize;
    return TRUE;
}
