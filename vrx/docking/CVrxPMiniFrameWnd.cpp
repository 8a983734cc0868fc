#include "docking/CVrxPMiniFrameWnd.h"

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"

IMPLEMENT_DYNCREATE(CVrxPMiniFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CVrxPMiniFrameWnd, CMiniFrameWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kMoveNotifyTimer = 4;
} // namespace

CVrxPMiniFrameWnd::CVrxPMiniFrameWnd() : ownerFrame(NULL), m_pPane(nullptr)
{
}

BOOL CVrxPMiniFrameWnd::CreateFor(CVrxPDockingControlBar* pPane, CWnd* pOwnerFrame, const CRect& rectScreen)
{
    m_pPane = pPane;
    ownerFrame = pOwnerFrame != nullptr ? pOwnerFrame->GetSafeHwnd() : NULL;
    CString caption;
    pPane->GetWindowText(caption);
    if (!Create(NULL, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, rectScreen, pOwnerFrame, 0))
        return FALSE;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW, SWP_FRAMECHANGED);
    RegisterWithOwner();
    pPane->SetParent(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    pPane->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rectClient.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL CVrxPMiniFrameWnd::CreateForBar(CVrxPControlBar* pBar, CWnd* pOwnerFrame, const CRect& rectScreen)
{
    ownerFrame = pOwnerFrame != nullptr ? pOwnerFrame->GetSafeHwnd() : NULL;
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    CRect rectWindow(rectScreen.TopLeft(), rectScreen.Size());
    ::AdjustWindowRectEx(&rectWindow, dwStyle, FALSE, WS_EX_TOOLWINDOW);
    rectWindow.OffsetRect(rectScreen.left - rectWindow.left, rectScreen.top - rectWindow.top);
    CString caption;
    pBar->GetWindowText(caption);
    if (!Create(NULL, caption, dwStyle, rectWindow, pOwnerFrame, 0))
        return FALSE;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW, SWP_FRAMECHANGED);
    m_pBar = pBar;
    RegisterWithOwner();
    return TRUE;
}

void CVrxPMiniFrameWnd::RegisterWithOwner()
{
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(this))
        pManager->AddMiniFrame(this);
}

void CVrxPMiniFrameWnd::OnDestroy()
{
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(this))
        pManager->RemoveMiniFrame(this);
    CMiniFrameWnd::OnDestroy();
}

void CVrxPMiniFrameWnd::FitToHostedBar()
{
    CVrxPControlBar* pBar = m_pBar != nullptr ? m_pBar : m_pPane;
    if (pBar == nullptr || pBar->GetSafeHwnd() == NULL)
        return;
    FitClientTo(pBar->CalcBarSize(FALSE, TRUE));
}

void CVrxPMiniFrameWnd::FitClientTo(CSize size)
{
    CRect rectWindow;
    CRect rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    SetWindowPos(nullptr, 0, 0, size.cx + rectWindow.Width() - rectClient.Width(),
                 size.cy + rectWindow.Height() - rectClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVrxPMiniFrameWnd::ReleaseHostedBar()
{
    m_pPane = nullptr;
    m_pBar = nullptr;
    DestroyWindow();
}

void CVrxPMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CMiniFrameWnd::OnSize(nType, cx, cy);
    if (m_pPane != nullptr && m_pPane->GetSafeHwnd() != NULL)
        m_pPane->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pBar != nullptr && m_pBar->GetSafeHwnd() != NULL)
        m_pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVrxPMiniFrameWnd::OnClose()
{
    if (m_pPane != nullptr)
        m_pPane->ShowPane(FALSE);
    if (m_pBar != nullptr)
        ShowWindow(SW_HIDE);
}

void CVrxPMiniFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && HasHostedBar())
    {
        DockToRecentPlace();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CVrxPMiniFrameWnd::DockToRecentPlace()
{
    if (m_pPane != nullptr)
        m_pPane->DockPane();
    else if (m_pBar != nullptr)
        m_pBar->DockToTarget(nullptr, nullptr, CVrxPControlBar::dockToRecentPlace);
}

CVrxPBaseControlBar* CVrxPMiniFrameWnd::HostedBarAtPoint(CPoint point, BOOL bVisibleOnly) const
{
    CVrxPBaseControlBar* pBar = m_pPane != nullptr ? static_cast<CVrxPBaseControlBar*>(m_pPane) : m_pBar;
    if (pBar == nullptr || pBar->GetSafeHwnd() == NULL || (bVisibleOnly && !pBar->IsWindowVisible()))
        return nullptr;
    CRect rect;
    pBar->GetWindowRect(&rect);
    return rect.PtInRect(point) ? pBar : nullptr;
}

void CVrxPMiniFrameWnd::StartMoveNotifyTimer(UINT nPeriod)
{
    KillTimer(kMoveNotifyTimer);
    SetTimer(kMoveNotifyTimer, nPeriod, nullptr);
}

void CVrxPMiniFrameWnd::StopMoveNotifyTimer()
{
    KillTimer(kMoveNotifyTimer);
}

// The frame may dock its bar and go inside the call: nothing of it is
// touched afterwards.
void CVrxPMiniFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kMoveNotifyTimer)
    {
        CMiniFrameWnd::OnTimer(nIDEvent);
        return;
    }
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(this))
        pManager->OnMoveMiniFrame(this);
    else
        StopMoveNotifyTimer();
}
