// Dragging a docked pane by its caption: an outline shows where the pane
// would go, and the drop docks it at a frame edge, beside another pane, as
// a tab of another pane, or floats it at the outline.

#include "docking/CVrxPDockingControlBar.h"

#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "gdi/CDC.h"

#include <climits>
#include <cstdlib>

namespace
{
const int kFloatingWidth = 400;
// The outline's width while the drop would float the pane, and while it
// would dock it.
const int kFloatOutline = 4;
const int kDockOutline = 3;

// The side of rect whose edge lies nearest the point.
DWORD NearestSide(const CRect& rect, CPoint point)
{
    const struct
    {
        DWORD dwSide;
        int nDistance;
    } sides[] = {{CBRS_ALIGN_LEFT, std::abs(point.x - rect.left)},
                 {CBRS_ALIGN_RIGHT, std::abs(rect.right - point.x)},
                 {CBRS_ALIGN_TOP, std::abs(point.y - rect.top)},
                 {CBRS_ALIGN_BOTTOM, std::abs(rect.bottom - point.y)}};
    DWORD dwSide = CBRS_ALIGN_LEFT;
    int nBest = sides[0].nDistance;
    for (const auto& side : sides)
        if (side.nDistance < nBest)
        {
            nBest = side.nDistance;
            dwSide = side.dwSide;
        }
    return dwSide;
}

// The half of rect at the given side.
CRect HalfAt(const CRect& rect, DWORD dwSide)
{
    CRect half = rect;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT: half.right = rect.left + rect.Width() / 2; break;
    case CBRS_ALIGN_RIGHT: half.left = rect.right - rect.Width() / 2; break;
    case CBRS_ALIGN_TOP: half.bottom = rect.top + rect.Height() / 2; break;
    default: half.top = rect.bottom - rect.Height() / 2; break;
    }
    return half;
}

// A pane docked at a frame edge goes inside those already docked there.
CRect FrameSideRect(const CVrxPFrameBarManager& manager, CWnd* pFrame, DWORD dwSide, int nThickness)
{
    CRect rectFree = manager.GetOuterRect();
    CRect rectDock = CVrxPDockingUtils::CutSide(rectFree, dwSide, nThickness);
    manager.LimitDockedSize(rectDock, dwSide);
    pFrame->ClientToScreen(&rectDock);
    return rectDock;
}

void DrawOutline(const CRect& rectNew, int nNew, const CRect& rectLast, int nLast)
{
    const HWND hDesktop = ::GetDesktopWindow();
    const HDC hDC = ::GetDCEx(hDesktop, NULL, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    dc.DrawDragRect(&rectNew, CSize(nNew, nNew), rectLast.IsRectEmpty() ? nullptr : &rectLast, CSize(nLast, nLast));
    dc.Detach();
    ::ReleaseDC(hDesktop, hDC);
}
} // namespace

CRect CVrxPDockingControlBar::FloatRectAt(CPoint pointScreen, CPoint pointGrab) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CRect& rectRecent = GetDockHistory().recentFloatRect;
    const CSize sizeFloat = rectRecent.Width() >= kFloatingWidth / 2 && rectRecent.Height() >= minimumHeight
                                ? rectRecent.Size()
                                : CSize(kFloatingWidth, rectWindow.Height());
    return CRect(CPoint(pointScreen.x - (pointGrab.x - rectWindow.left), pointScreen.y - (pointGrab.y - rectWindow.top)),
                 sizeFloat);
}

CVrxPDockingControlBar::DropPlan CVrxPDockingControlBar::PlanDrop(CPoint pointScreen, CPoint pointGrab) const
{
    DropPlan plan;
    plan.rect = FloatRectAt(pointScreen, pointGrab);
    // Ctrl held keeps the pane floating wherever it goes.
    if (::GetKeyState(VK_CONTROL) < 0)
        return plan;
    CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame());
    if (pManager == nullptr)
        return plan;
    // Over another docked pane the drop goes beside it, at its nearest edge.
    CVrxPBaseControlBar* pBar =
        pManager->BarFromPoint(pointScreen, 0, TRUE, RUNTIME_CLASS(CVrxPDockingControlBar), TRUE, this);
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    const int nCode = pPane != nullptr && pPane != this && pPane->GetDefaultSlider() != nullptr
                          ? pPane->ClassifyDockPoint(pointScreen, -1)
                          : 0;
    // On its caption the drop joins it as a tab.
    if (nCode == 3 && m_pTabbedBarClass != nullptr)
    {
        plan.kind = DropPlan::joinTabs;
        plan.pTarget = pPane;
        pPane->GetWindowRect(&plan.rect);
        return plan;
    }
    if (nCode != 0)
    {
        CRect rectTarget;
        pPane->GetWindowRect(&rectTarget);
        plan.kind = DropPlan::besidePane;
        plan.pTarget = pPane;
        plan.dwSide = NearestSide(rectTarget, pointScreen);
        plan.rect = HalfAt(rectTarget, plan.dwSide);
        return plan;
    }
    DWORD dwSide = 0;
    BOOL bInner = FALSE;
    if (!pManager->IsPointNearDockSite(pointScreen, dwSide, bInner) || (dwSide & GetAllowedDocking()) == 0)
        return plan;
    plan.kind = DropPlan::frameSide;
    plan.dwSide = dwSide;
    plan.rect = FrameSideRect(*pManager, DockFrame(), dwSide, GetHeight());
    return plan;
}

CVrxPDockingControlBar::DropPlan CVrxPDockingControlBar::PlanMarkerDrop(CPoint pointScreen, CPoint pointGrab,
                                                                        CVrxPSmartDockingGuide& guide) const
{
    using Layout = CVrxPSmartDockingLayout;
    DropPlan plan;
    plan.rect = FloatRectAt(pointScreen, pointGrab);
    CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame());
    if (pManager == nullptr || ::GetKeyState(VK_CONTROL) < 0)
    {
        guide.ShowCentralGroup(FALSE);
        guide.HitTestMarkers(CPoint(INT_MIN, INT_MIN));
        return plan;
    }
    // The diamond stands over the docked pane under the cursor, else over
    // the free area, where its centre has nothing to join.
    CVrxPBaseControlBar* pBar =
        pManager->BarFromPoint(pointScreen, 0, TRUE, RUNTIME_CLASS(CVrxPDockingControlBar), TRUE, this);
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    if (pPane == this || (pPane != nullptr && pPane->GetDefaultSlider() == nullptr))
        pPane = nullptr;
    CRect rectTarget;
    if (pPane != nullptr)
    {
        pPane->GetWindowRect(&rectTarget);
        guide.PlaceCentralGroup(rectTarget, m_pTabbedBarClass != nullptr ? 1 : 0, CBRS_ALIGN_ANY);
    }
    else
    {
        rectTarget = pManager->GetOuterRect();
        DockFrame()->ClientToScreen(&rectTarget);
        guide.PlaceCentralGroup(rectTarget, 0, GetAllowedDocking());
    }
    guide.ShowCentralGroup(TRUE);
    const int nMarker = guide.HitTestMarkers(pointScreen);
    const DWORD dwSide = Layout::SideOf(nMarker);
    switch (Layout::DropFor(nMarker, pPane != nullptr))
    {
    case Layout::dropFrameEdge:
        if ((dwSide & GetAllowedDocking()) == 0)
            break;
        plan.kind = DropPlan::frameSide;
        plan.dwSide = dwSide;
        plan.rect = FrameSideRect(*pManager, DockFrame(), dwSide, GetHeight());
        break;
    case Layout::dropBesideTarget:
        plan.kind = DropPlan::besidePane;
        plan.pTarget = pPane;
        plan.dwSide = dwSide;
        plan.rect = HalfAt(rectTarget, dwSide);
        break;
    case Layout::dropIntoTabs:
        if (m_pTabbedBarClass == nullptr)
            break;
        plan.kind = DropPlan::joinTabs;
        plan.pTarget = pPane;
        plan.rect = rectTarget;
        break;
    default:
        break;
    }
    return plan;
}

BOOL CVrxPDockingControlBar::ApplyDrop(const DropPlan& plan)
{
    switch (plan.kind)
    {
    case DropPlan::frameSide:
        return DockAtFrameSide(plan.dwSide, &plan.rect, 1, 0, -1, FALSE);
    case DropPlan::besidePane:
        return DockBesidePane(plan.pTarget, plan.dwSide);
    case DropPlan::joinTabs:
        return JoinIntoTabs(plan.pTarget, TRUE) != nullptr;
    default:
        return FloatPane(plan.rect);
    }
}

void CVrxPDockingControlBar::RunCaptionDrag(CPoint pointGrab)
{
    const HWND hWnd = m_hWnd;
    SetCapture();
    const CSize sizeDrag(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame());
    // In marker style the guide shows the drop instead of an outline.
    CVrxPSmartDockingGuide* pGuide = nullptr;
    if ((GetDockingStyle() & CVrxPFrameBarManager::smartMarkersStyle) != 0 && pManager != nullptr)
        pGuide = pManager->ShowSmartDockingGuide(this, GetAllowedDocking());
    BOOL bMoved = FALSE;
    BOOL bDrop = FALSE;
    DropPlan planDrop;
    CRect rectLast;
    int nLastWidth = 0;
    for (;;)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != hWnd)
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            // A press that barely moves is a click, not a drag.
            if (!bMoved && std::abs(msg.pt.x - pointGrab.x) <= sizeDrag.cx &&
                std::abs(msg.pt.y - pointGrab.y) <= sizeDrag.cy)
                continue;
            bMoved = TRUE;
            if (pGuide != nullptr)
            {
                const DropPlan plan = PlanMarkerDrop(msg.pt, pointGrab, *pGuide);
                if (plan.kind == DropPlan::floatAt)
                    pGuide->HideHighlight();
                else
                    pGuide->ShowHighlight(plan.rect);
                continue;
            }
            const DropPlan plan = PlanDrop(msg.pt, pointGrab);
            const int nWidth = plan.kind == DropPlan::floatAt ? kFloatOutline : kDockOutline;
            DrawOutline(plan.rect, nWidth, rectLast, nLastWidth);
            rectLast = plan.rect;
            nLastWidth = nWidth;
        }
        else if (msg.message == WM_LBUTTONUP)
        {
            bDrop = bMoved;
            if (bDrop)
                planDrop = pGuide != nullptr ? PlanMarkerDrop(msg.pt, pointGrab, *pGuide) : PlanDrop(msg.pt, pointGrab);
            break;
        }
        else if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
        {
            break;
        }
        else
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    if (pGuide != nullptr)
        pGuide->Hide();
    if (!rectLast.IsRectEmpty())
        DrawOutline(CRect(), 0, rectLast, nLastWidth);
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (bDrop && ::IsWindow(hWnd))
        ApplyDrop(planDrop);
}
