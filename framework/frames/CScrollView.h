#pragma once

// A view larger than its window: scroll bars appear when the total size does
// not fit, and OnDraw draws in document coordinates (OnPrepareDC moves the
// origin by the scroll position).

#include "frames/CView.h"

class FRAMEWORK_API CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    // Page and line steps: a tenth of the total, and of the page.
    static const SIZE sizeDefault;

    // Sizes in logical units of nMapMode (MM_TEXT: pixels).
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    // Device units.
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    CSize GetTotalSize() const;
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    void ScrollToPosition(POINT pt);
    // Sizes the parent frame so that the view shows its total size (only
    // smaller with bShrinkOnly). A maximised or minimised frame keeps its size.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;

protected:
    CScrollView();

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;

    // Shows the bars the total size needs, and keeps the position in range.
    void UpdateBars();
    // Scrolls by sizeScroll device units, within the range; FALSE when that
    // moved nothing.
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    DECLARE_MESSAGE_MAP()

private:
    void ScrollToDevicePosition(POINT ptDev);
    // The new position of one bar after a scroll-bar notification.
    int ScrollTarget(int nBar, UINT nSBCode, int nPage, int nLine);
    // The client size the view would have without scroll bars.
    CSize FullClientSize() const;

    BOOL m_bInsideUpdate;
};
