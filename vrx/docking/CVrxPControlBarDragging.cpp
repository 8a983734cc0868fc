// Dragging a control bar: inside its row, out of its dock bar into a
// floating frame, and from there into a dock bar again once the cursor has
// rested over it (the bar manager decides). The drag runs in the bar's own
// capture loop; Esc puts the bar back where the drag began.

#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "frames/CFrameWnd.h"

BEGIN_MESSAGE_MAP(CVrxPControlBar, CVrxPBaseControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
// A floating frame keeps this much of itself on the work area.
const int kOnScreenMargin = 16;
} // namespace

void CVrxPControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!dragging && CanFloat())
    {
        BeginDragFromCursor(TRUE);
        return;
    }
    CVrxPBaseControlBar::OnLButtonDown(nFlags, point);
}

void CVrxPControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    StopDrag();
    if (CanFloat())
        FloatBar(history.recentFloatRect, dockToRecentPlace, TRUE);
    CVrxPBaseControlBar::OnLButtonDblClk(nFlags, point);
}

void CVrxPControlBar::BeginDragFromCursor(BOOL bSetGrabOffset)
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    RecomputeLayoutRect();
    if (bSetGrabOffset)
    {
        grabOffset = cursor;
        ScreenToClient(&grabOffset);
    }
    CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent();
    if (dragging || (dockSite == nullptr && pMiniFrame == nullptr))
        return;
    RememberRecentDockPlace();
    dragStartDockBar = dockSite;
    if (dockSite != nullptr)
    {
        dragStartPlace = history.recentDockedRect;
    }
    else
    {
        pMiniFrame->GetWindowRect(&dragStartPlace);
    }
    SetCapture();
    lastCursor = cursor;
    dragging = TRUE;
    inDragMode = TRUE;
    GetWindowRect(&dragStartRect);

    while (dragging)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            EndDrag(TRUE);
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != m_hWnd)
        {
            EndDrag(FALSE);
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            DragTo(msg.pt);
            break;
        case WM_LBUTTONUP:
            EndDrag(FALSE);
            break;
        case WM_RBUTTONDOWN:
            EndDrag(TRUE);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                EndDrag(TRUE);
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            break;
        }
    }
}

void CVrxPControlBar::DragTo(CPoint cursor)
{
    const int dx = cursor.x - lastCursor.x;
    const int dy = cursor.y - lastCursor.y;
    if (dx == 0 && dy == 0)
        return;
    lastCursor = cursor;
    if (dockSite != nullptr)
    {
        dragStartRect.OffsetRect(dx, dy);
        OffsetSavedRect(dx, dy);
        dockSite->MoveBar(this, dx, dy);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    else if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
    {
        CRect rectFrame;
        pMiniFrame->GetWindowRect(&rectFrame);
        pMiniFrame->SetWindowPos(nullptr, rectFrame.left + dx, rectFrame.top + dy, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(pMiniFrame))
            pManager->OnMoveMiniFrame(pMiniFrame);
    }
    // Reparenting between the floating frame and a dock bar keeps the drag.
    if (dragging && ::GetCapture() != m_hWnd)
        SetCapture();
}

void CVrxPControlBar::EndDrag(BOOL bRestore)
{
    dragging = FALSE;
    inDragMode = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    // A frame let go of no longer docks while the cursor rests.
    if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
        pMiniFrame->StopMoveNotifyTimer();
    if (bRestore)
        RestoreDragStartPlace();
    else if (dockRow != nullptr)
        dockRow->RestoreBarPositions(0, nullptr);
}

void CVrxPControlBar::RestoreDragStartPlace()
{
    if (dragStartDockBar != nullptr)
    {
        history.recentDockBar = dragStartDockBar;
        history.recentDockedRect = dragStartPlace;
        if (dockSite != nullptr)
            DetachFromSite(TRUE);
        DockToTarget(dragStartDockBar, nullptr, dockToRecentPlace);
        return;
    }
    if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
        pMiniFrame->SetWindowPos(nullptr, dragStartPlace.left, dragStartPlace.top, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVrxPControlBar::StopDrag()
{
    suppressForward = TRUE;
    RememberRecentDockPlace();
    if (dragging)
        EndDrag(FALSE);
}

BOOL CVrxPControlBar::FloatBar(const CRect& rectScreen, int nMethod, BOOL bShow)
{
    if (dockSite == nullptr || !CanFloat())
        return TRUE;
    const CSize size = CalcBarSize(FALSE, TRUE);
    CRect rectFloat(rectScreen.TopLeft(), size);
    const CRect margins(kOnScreenMargin, kOnScreenMargin, kOnScreenMargin, kOnScreenMargin);
    CVrxPDockingUtils::KeepRectOnScreen(rectFloat, &margins);

    CVrxPMiniFrameWnd* pMiniFrame = new CVrxPMiniFrameWnd;
    if (!pMiniFrame->CreateForBar(this, GetHostFrame(), rectFloat))
        return FALSE;
    if (nMethod != dockByMouse && !applyingState)
        RememberRecentDockPlace();
    CWnd* pOldParent = GetParent();
    LeaveCurrentSite(pMiniFrame, FALSE);
    SetParent(pMiniFrame);
    OnAfterReparent(pOldParent);
    OnBecameFloating();
    barStyle |= styleFloating;
    SetWindowPos(&CWnd::wndTop, 0, 0, size.cx, size.cy, SWP_NOACTIVATE);
    SyncLayoutRect();

    if (nMethod == dockByMouse)
    {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        CPoint grabPoint = grabOffset;
        ClientToScreen(&grabPoint);
        CRect rectFrame;
        pMiniFrame->GetWindowRect(&rectFrame);
        pMiniFrame->SetWindowPos(nullptr, rectFrame.left + cursor.x - grabPoint.x,
                                 rectFrame.top + cursor.y - grabPoint.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!bShow)
        return TRUE;
    pMiniFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (CFrameWnd* pHost = GetHostFrame())
        pHost->RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                                RDW_FRAME);
    return TRUE;
}

void CVrxPControlBar::OnBecameFloating()
{
    SetAlignment(CBRS_ALIGN_TOP);
    if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
        pMiniFrame->SetWindowPos(nullptr, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
