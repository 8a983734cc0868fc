#include "docking/smart/CVrxPSmartDockingGuide.h"

#include "docking/VrxPBarStyles.h"

using Layout = CVrxPSmartDockingLayout;

namespace
{
const UINT kPlaceFlags = SWP_NOSIZE | SWP_NOACTIVATE;
}

CVrxPSmartDockingGuide::~CVrxPSmartDockingGuide()
{
    Destroy();
}

BOOL CVrxPSmartDockingGuide::Create(CWnd* pFrame)
{
    Destroy();
    m_pFrame = pFrame;
    for (int nMarker = Layout::sideLeft; nMarker <= Layout::sideBottom; ++nMarker)
        if (!m_sideMarkers[nMarker].Create(nMarker, pFrame))
            return FALSE;
    if (!m_group.Create(pFrame) || !m_highlight.Create(pFrame))
        return FALSE;
    m_bCreated = TRUE;
    return TRUE;
}

void CVrxPSmartDockingGuide::Destroy()
{
    Hide();
    for (CVrxPMarkerWnd& marker : m_sideMarkers)
        if (marker.GetSafeHwnd() != NULL)
            marker.DestroyWindow();
    if (m_group.GetSafeHwnd() != NULL)
        m_group.DestroyWindow();
    if (m_highlight.GetSafeHwnd() != NULL)
        m_highlight.DestroyWindow();
    m_bCreated = FALSE;
}

void CVrxPSmartDockingGuide::SetDockingArea(const CRect& rectClient)
{
    CRect rect = rectClient;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->ClientToScreen(&rect);
    m_state.area = rect;
    if (!m_bShown)
        return;
    PlaceSideMarkers();
    if (m_state.groupShown)
        PlaceCentralGroup(rect, -1, m_state.groupSides);
}

void CVrxPSmartDockingGuide::PlaceSideMarkers()
{
    for (int nMarker = Layout::sideLeft; nMarker <= Layout::sideBottom; ++nMarker)
    {
        const RECT rect = Layout::PlaceSideMarker(nMarker, m_state.area);
        CVrxPMarkerWnd& marker = m_sideMarkers[nMarker];
        marker.SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, 0, 0, kPlaceFlags);
        marker.ShowWindow((m_state.allowedSides & Layout::SideOf(nMarker)) != 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void CVrxPSmartDockingGuide::Show(CWnd* pDragged, DWORD dwAllowedSides)
{
    if (!m_bCreated || m_bShown)
        return;
    m_pDragged = pDragged;
    m_nMarker = Layout::none;
    m_state.allowedSides = dwAllowedSides & CBRS_ALIGN_ANY;
    m_state.groupShown = FALSE;
    m_bShown = TRUE;
    PlaceSideMarkers();
}

void CVrxPSmartDockingGuide::Hide()
{
    if (!m_bShown)
        return;
    m_nMarker = Layout::none;
    m_highlight.HideHighlight();
    for (CVrxPMarkerWnd& marker : m_sideMarkers)
    {
        marker.SetHighlight(FALSE);
        marker.ShowWindow(SW_HIDE);
    }
    m_group.SetHighlight(Layout::none);
    m_group.ShowWindow(SW_HIDE);
    m_state.groupShown = FALSE;
    m_bShown = FALSE;
    m_pDragged = nullptr;
}

int CVrxPSmartDockingGuide::HitTestMarkers(CPoint point)
{
    if (!m_bShown)
        return Layout::none;
    m_nMarker = Layout::HitTest(m_state, point);
    for (int nMarker = Layout::sideLeft; nMarker <= Layout::sideBottom; ++nMarker)
        m_sideMarkers[nMarker].SetHighlight(nMarker == m_nMarker);
    m_group.SetHighlight(m_nMarker >= Layout::centralLeft ? m_nMarker : Layout::none);
    return m_nMarker;
}

void CVrxPSmartDockingGuide::PlaceCentralGroup(const CRect& rectTarget, int nCentreState, DWORD dwSides)
{
    if (!m_bShown)
        return;
    m_state.groupSides = dwSides & CBRS_ALIGN_ANY;
    m_group.SetEnabledSides(m_state.groupSides);
    m_group.SetCentreState(nCentreState);
    m_state.centreShown = m_group.IsCentreShown();
    const RECT rect = Layout::PlaceCentralGroup(rectTarget);
    if (rect.left != m_state.groupRect.left || rect.top != m_state.groupRect.top)
    {
        m_state.groupRect = rect;
        m_group.SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, 0, 0, kPlaceFlags);
        m_nMarker = Layout::none;
    }
}

void CVrxPSmartDockingGuide::ShowCentralGroup(BOOL bShow)
{
    if (!m_bShown || bShow == m_state.groupShown)
        return;
    m_group.ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    m_state.groupShown = bShow;
}

void CVrxPSmartDockingGuide::ShowHighlight(const CRect& rect)
{
    if (m_bShown && m_nMarker != Layout::none && !rect.IsRectEmpty())
        m_highlight.ShowRect(rect);
}

void CVrxPSmartDockingGuide::HideHighlight()
{
    if (m_bShown)
        m_highlight.HideHighlight();
}

void CVrxPSmartDockingGuide::CancelDrag()
{
    if (m_bShown && m_pDragged != nullptr && m_pDragged->GetSafeHwnd() != NULL)
        m_pDragged->SendMessage(WM_CANCELMODE);
}
