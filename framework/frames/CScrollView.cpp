#include "frames/CScrollView.h"

#include "gdi/CDC.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace
{
// A page is a tenth of the total, a line a tenth of a page.
const int kStepsPerWhole = 10;

// Logical units of a mapping mode on the screen, converted from or to
// device units. Only MM_TEXT maps one to one.
POINT ConvertOnScreen(int nMapMode, POINT pt, BOOL bToDevice)
{
    if (nMapMode == MM_TEXT)
        return pt;
    HDC hDC = ::GetDC(NULL);
    ::SetMapMode(hDC, nMapMode);
    if (bToDevice)
        ::LPtoDP(hDC, &pt, 1);
    else
        ::DPtoLP(hDC, &pt, 1);
    ::ReleaseDC(NULL, hDC);
    return pt;
}

// Sizes are positive in device units whatever direction the mode's y axis
// takes.
CSize SizeToDevice(int nMapMode, SIZE size)
{
    POINT pt = ConvertOnScreen(nMapMode, CPoint(size.cx, size.cy), TRUE);
    return CSize(std::abs(pt.x), std::abs(pt.y));
}
} // namespace

const SIZE CScrollView::sizeDefault = {0, 0};

CScrollView::CScrollView() : m_nMapMode(MM_TEXT), m_bInsideUpdate(FALSE)
{
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = SizeToDevice(nMapMode, sizeTotal);
    m_pageDev = SizeToDevice(nMapMode, sizePage);
    m_lineDev = SizeToDevice(nMapMode, sizeLine);
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / kStepsPerWhole;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / kStepsPerWhole;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = std::max<LONG>(1, m_pageDev.cx / kStepsPerWhole);
    if (m_lineDev.cy == 0)
        m_lineDev.cy = std::max<LONG>(1, m_pageDev.cy / kStepsPerWhole);
    if (m_hWnd != NULL)
    {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CSize CScrollView::GetTotalSize() const
{
    return m_totalLog;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    return ConvertOnScreen(m_nMapMode, GetDeviceScrollPosition(), FALSE);
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint ptDev = ConvertOnScreen(m_nMapMode, pt, TRUE);
    CRect rectClient;
    GetClientRect(&rectClient);
    ptDev.x = std::clamp<LONG>(ptDev.x, 0, std::max<LONG>(0, m_totalDev.cx - rectClient.Width()));
    ptDev.y = std::clamp<LONG>(ptDev.y, 0, std::max<LONG>(0, m_totalDev.cy - rectClient.Height()));
    ScrollToDevicePosition(ptDev);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    CPoint ptOld = GetDeviceScrollPosition();
    SetScrollPos(SB_HORZ, ptDev.x);
    SetScrollPos(SB_VERT, ptDev.y);
    ScrollWindow(ptOld.x - ptDev.x, ptOld.y - ptDev.y);
}

CSize CScrollView::FullClientSize() const
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CSize size = rectClient.Size();
    DWORD dwStyle = GetStyle();
    if (dwStyle & WS_VSCROLL)
        size.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (dwStyle & WS_HSCROLL)
        size.cy += ::GetSystemMetrics(SM_CYHSCROLL);
    return size;
}

void CScrollView::UpdateBars()
{
    // Showing or hiding a bar resizes the view, which comes back here.
    if (m_bInsideUpdate || m_hWnd == NULL)
        return;
    m_bInsideUpdate = TRUE;

    CSize sizeClient = FullClientSize();
    CSize sizeBars(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    BOOL bNeedH = m_totalDev.cx > sizeClient.cx;
    BOOL bNeedV = m_totalDev.cy > sizeClient.cy;
    // Each bar takes room from the other direction.
    if (bNeedH && !bNeedV)
        bNeedV = m_totalDev.cy > sizeClient.cy - sizeBars.cy;
    if (bNeedV && !bNeedH)
        bNeedH = m_totalDev.cx > sizeClient.cx - sizeBars.cx;
    if (bNeedV)
        sizeClient.cx -= sizeBars.cx;
    if (bNeedH)
        sizeClient.cy -= sizeBars.cy;

    CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew(bNeedH ? std::clamp<LONG>(ptOld.x, 0, m_totalDev.cx - sizeClient.cx) : 0,
                 bNeedV ? std::clamp<LONG>(ptOld.y, 0, m_totalDev.cy - sizeClient.cy) : 0);
    if (ptNew != ptOld)
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);

    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    info.nMax = bNeedH ? m_totalDev.cx - 1 : 0;
    info.nPage = bNeedH ? static_cast<UINT>(sizeClient.cx) : 0;
    info.nPos = ptNew.x;
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = bNeedV ? m_totalDev.cy - 1 : 0;
    info.nPage = bNeedV ? static_cast<UINT>(sizeClient.cy) : 0;
    info.nPos = ptNew.y;
    SetScrollInfo(SB_VERT, &info, TRUE);
    ShowScrollBar(SB_HORZ, bNeedH);
    ShowScrollBar(SB_VERT, bNeedV);

    m_bInsideUpdate = FALSE;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    DWORD dwStyle = GetStyle();
    CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew = ptOld;
    if (dwStyle & WS_HSCROLL)
        ptNew.x = std::clamp<LONG>(ptOld.x + sizeScroll.cx, 0, GetScrollLimit(SB_HORZ));
    if (dwStyle & WS_VSCROLL)
        ptNew.y = std::clamp<LONG>(ptOld.y + sizeScroll.cy, 0, GetScrollLimit(SB_VERT));
    if (ptNew == ptOld)
        return FALSE;
    if (bDoScroll)
        ScrollToDevicePosition(ptNew);
    return TRUE;
}

int CScrollView::ScrollTarget(int nBar, UINT nSBCode, int nPage, int nLine)
{
    int nPos = GetScrollPos(nBar);
    switch (nSBCode)
    {
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return GetScrollLimit(nBar);
    case SB_LINEUP:
        return nPos - nLine;
    case SB_LINEDOWN:
        return nPos + nLine;
    case SB_PAGEUP:
        return nPos - nPage;
    case SB_PAGEDOWN:
        return nPos + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
    {
        // The notification's position has only 16 bits.
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        GetScrollInfo(nBar, &info, SIF_TRACKPOS);
        return info.nTrackPos;
    }
    default:
        return nPos;
    }
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    // A scroll bar or slider control of the view's own.
    if (pScrollBar != nullptr)
    {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    int nTarget = ScrollTarget(SB_HORZ, nSBCode, m_pageDev.cx, m_lineDev.cx);
    OnScrollBy(CSize(nTarget - GetScrollPos(SB_HORZ), 0));
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr)
    {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    int nTarget = ScrollTarget(SB_VERT, nSBCode, m_pageDev.cy, m_lineDev.cy);
    OnScrollBy(CSize(0, nTarget - GetScrollPos(SB_VERT)));
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    pDC->SetViewportOrg(pDC->IsPrinting() ? CPoint(0, 0) : -GetDeviceScrollPosition());
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || pFrame->IsZoomed() || pFrame->IsIconic())
        return;
    CSize sizeDelta = m_totalDev - FullClientSize();
    if (bShrinkOnly)
    {
        sizeDelta.cx = std::min<LONG>(sizeDelta.cx, 0);
        sizeDelta.cy = std::min<LONG>(sizeDelta.cy, 0);
    }
    if (sizeDelta == CSize(0, 0))
        return;
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    pFrame->SetWindowPos(nullptr, 0, 0, rectFrame.Width() + sizeDelta.cx, rectFrame.Height() + sizeDelta.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
