// The frame bar manager's docking decisions while a bar or a floating frame
// is dragged: what lies under the cursor, where a drop would dock, and when
// a moving floating frame docks its bar.

#include "docking/CVrxPFrameBarManager.h"

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "frames/CFrameWnd.h"

#include <ctime>

namespace
{
BOOL IsCtrlDown()
{
    return ::GetKeyState(VK_CONTROL) < 0;
}

// The bar a dragged window stands for: a floating frame's hosted bar, or
// the window itself when it is a bar.
CVrxPBaseControlBar* DraggedBar(CWnd* pDragged)
{
    if (CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(pDragged))
    {
        if (pMiniFrame->HostedBar() != nullptr)
            return pMiniFrame->HostedBar();
        return pMiniFrame->HostedControlBar();
    }
    return dynamic_cast<CVrxPBaseControlBar*>(pDragged);
}

BOOL MayShareFloatingFrame(const CVrxPBaseControlBar* pBar)
{
    return pBar != nullptr && (pBar->GetBarStyle() & CVrxPBaseControlBar::styleFloatMulti) != 0;
}
} // namespace

CVrxPMiniFrameWnd* CVrxPFrameBarManager::MiniFrameFromPoint(CPoint point, const CWnd* pExclude) const
{
    for (POSITION pos = m_miniFrames.GetHeadPosition(); pos != NULL;)
    {
        CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(m_miniFrames.GetNext(pos));
        if (pMiniFrame == nullptr || pMiniFrame == pExclude || pMiniFrame->GetSafeHwnd() == NULL ||
            !pMiniFrame->IsWindowVisible())
            continue;
        CRect rect;
        pMiniFrame->GetWindowRect(&rect);
        if (rect.PtInRect(point))
            return pMiniFrame;
    }
    return nullptr;
}

int CVrxPFrameBarManager::ClassifyDockTarget(CPoint point, int nSensitivity, DWORD dwSides,
                                             CVrxPBaseControlBar*& pBar, CWnd* pDragged) const
{
    const CVrxPBaseControlBar* pDraggedBar = DraggedBar(pDragged);
    pBar = BarFromPoint(point, nSensitivity, TRUE, RUNTIME_CLASS(CVrxPDockingControlBar), TRUE, pDraggedBar);
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    if (pPane != nullptr)
    {
        const BOOL bFloats = pPane->IsFloating();
        const BOOL bUsed = !bFloats || (MayShareFloatingFrame(pPane) && MayShareFloatingFrame(pDraggedBar));
        if (bUsed)
        {
            if (!bFloats && (pPane->GetAlignment() & dwSides) == 0)
                return 0;
            return pPane->ClassifyDockPoint(point, nSensitivity);
        }
    }
    pBar = nullptr;
    DWORD dwSide = 0;
    BOOL bInner = FALSE;
    return IsPointNearDockSite(point, dwSide, bInner) && (dwSide & dwSides) != 0 ? 2 : 0;
}

void CVrxPFrameBarManager::CalcExpectedDockedRect(CWnd* pDragged, CPoint point, CRect& rect, BOOL& bDrawAsTab,
                                                  CVrxPBaseControlBar*& pTargetBar) const
{
    rect.SetRectEmpty();
    bDrawAsTab = FALSE;
    pTargetBar = nullptr;
    if (IsCtrlDown() || pDragged == nullptr || m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == NULL)
        return;
    DWORD dwSide = 0;
    BOOL bInner = FALSE;
    if (!IsPointNearDockSite(point, dwSide, bInner))
        return;
    const CVrxPBaseControlBar* pBar = DraggedBar(pDragged);
    if (pBar == nullptr || (pBar->GetAllowedDocking() & dwSide) == 0)
        return;

    CRect rectDragged;
    pDragged->GetWindowRect(&rectDragged);
    const BOOL bRightToLeft = (m_pOwnerFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    CRect rectDock = bInner ? m_rectInner : m_rectOuter;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT:
        if (bRightToLeft)
            rectDock.left = rectDock.right - rectDragged.Width();
        else
            rectDock.right = rectDock.left + rectDragged.Width();
        break;
    case CBRS_ALIGN_TOP:
        rectDock.bottom = rectDock.top + rectDragged.Height();
        break;
    case CBRS_ALIGN_RIGHT:
        if (bRightToLeft)
            rectDock.right = rectDock.left + rectDragged.Width();
        else
            rectDock.left = rectDock.right - rectDragged.Width();
        break;
    default:
        rectDock.top = rectDock.bottom - rectDragged.Height();
        break;
    }
    LimitDockedSize(rectDock, dwSide);
    m_pOwnerFrame->ClientToScreen(&rectDock);
    rect = rectDock;
}

BOOL CVrxPFrameBarManager::OnMoveMiniFrame(CVrxPMiniFrameWnd* pMiniFrame)
{
    if (pMiniFrame == nullptr || IsCtrlDown())
        return TRUE;

    const int nCaptionHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
    const CRect margins(nCaptionHeight, nCaptionHeight, nCaptionHeight, nCaptionHeight);
    CRect rectFrame;
    pMiniFrame->GetWindowRect(&rectFrame);
    const CPoint placed = rectFrame.TopLeft();
    CVrxPDockingUtils::KeepRectOnScreen(rectFrame, &margins);
    if (rectFrame.TopLeft() != placed)
        pMiniFrame->SetWindowPos(nullptr, rectFrame.left, rectFrame.top, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A floating pane docks through its own frame's drag; here only the
    // bars that dock into dock bars are decided.
    CVrxPControlBar* pBar = pMiniFrame->HostedControlBar();
    if (pBar == nullptr || (pBar->GetAllowedDocking() & CBRS_ALIGN_ANY) == 0)
        return TRUE;

    CVrxPDockBar* pTarget = nullptr;
    int nKind = pBar->HitTestDropTarget(CVrxPDockingUtils::dockSensitivity, pTarget) ? 1 : 0;
    if (static_cast<CObject*>(pTarget) == static_cast<CObject*>(pBar))
        nKind = 0;
    if (nKind == 0)
        pTarget = nullptr;

    if (pTarget != nullptr)
    {
        if (pTarget != m_pHoverTarget || nKind != m_nHoverKind)
        {
            m_pHoverTarget = pTarget;
            m_nHoverKind = nKind;
            m_nHoverStart = static_cast<long>(std::clock());
            pMiniFrame->StartMoveNotifyTimer(toolbarDockDelay);
        }
        if (static_cast<long>(std::clock()) - m_nHoverStart < toolbarDockDelay)
            return TRUE;
    }
    m_pHoverTarget = nullptr;
    m_nHoverKind = 0;
    m_nHoverStart = static_cast<long>(std::clock());
    pMiniFrame->StopMoveNotifyTimer();

    if (nKind == 1 && pTarget != nullptr && pBar->DockByMouse(pTarget))
        return FALSE;
    return TRUE;
}
