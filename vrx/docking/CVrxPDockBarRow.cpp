#include "docking/CVrxPDockBarRow.h"

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CVrxPDockBarRow, CObject)

CVrxPDockBarRow::CVrxPDockBarRow(CVrxPDockBar* pDockBar, int nOffset, int nExtent)
    : m_nExtent(nExtent), m_nOffset(nOffset), m_dwAlignment(pDockBar != nullptr ? pDockBar->GetAlignment() : 0),
      m_pDockBar(pDockBar)
{
}

BOOL CVrxPDockBarRow::IsHorizontal() const
{
    return (m_dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}

BOOL CVrxPDockBarRow::ContainsBar(const CVrxPControlBar* pBar) const
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        if (m_lstBars.GetNext(pos) == pBar)
            return TRUE;
    return FALSE;
}

BOOL CVrxPDockBarRow::IsBarShown(const CVrxPControlBar* pBar) const
{
    return m_bCountHidden || pBar->IsBarVisible();
}

int CVrxPDockBarRow::GetVisibleBarCount() const
{
    int nCount = 0;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        if (IsBarShown(m_lstBars.GetNext(pos)))
            nCount++;
    return nCount;
}

CRect CVrxPDockBarRow::GetRowScreenRect() const
{
    if (m_pDockBar == nullptr || m_pDockBar->GetSafeHwnd() == NULL)
        return CRect();
    CRect rect;
    m_pDockBar->GetWindowRect(&rect);
    if (IsHorizontal())
    {
        rect.top += m_nOffset;
        rect.bottom = rect.top + m_nExtent;
    }
    else
    {
        rect.left += m_nOffset;
        rect.right = rect.left + m_nExtent;
    }
    return rect;
}

CRect CVrxPDockBarRow::GetRowRectInDockBar() const
{
    CRect rect = GetRowScreenRect();
    if (rect.IsRectEmpty())
        return rect;
    m_pDockBar->ScreenToClient(&rect);
    if (IsHorizontal())
        rect.OffsetRect(0, -m_nOffset);
    else
        rect.OffsetRect(-m_nOffset, 0);
    return rect;
}

CSize CVrxPDockBarRow::CalcFixedLayout(BOOL bStretch, BOOL bHorizontal) const
{
    if (!m_bVisible)
        return bHorizontal ? CSize(CVrxPBaseControlBar::stretchLength, 0) : CSize(0, CVrxPBaseControlBar::stretchLength);
    CSize size(0, 0);
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (!IsBarShown(pBar))
            continue;
        const CSize barSize = pBar->CalcBarSize(bStretch, bHorizontal);
        if (bHorizontal)
        {
            size.cx += barSize.cx;
            size.cy = std::max(size.cy, barSize.cy);
        }
        else
        {
            size.cx = std::max(size.cx, barSize.cx);
            size.cy += barSize.cy;
        }
    }
    LONG& nThickness = bHorizontal ? size.cy : size.cx;
    if (nThickness > 0)
        nThickness += m_nExtraSpace;
    return size;
}

int CVrxPDockBarRow::GetLastBarEnd() const
{
    if (m_lstBars.IsEmpty())
        return 0;
    CRect rect;
    m_lstBars.GetTail()->GetWindowRect(&rect);
    m_pDockBar->ScreenToClient(&rect);
    return IsHorizontal() ? rect.right : rect.bottom;
}

void CVrxPDockBarRow::PlaceBar(CVrxPControlBar* pBar, int, const CRect& rectScreen, BOOL bAfterLast)
{
    const BOOL bHorizontal = IsHorizontal();
    const CRect rectRow = GetRowRectInDockBar();
    int nAlong = 0;
    int nAcross = m_nOffset;
    if (rectScreen.IsRectEmpty())
    {
        if (bAfterLast)
        {
            const int nEnd = GetLastBarEnd();
            nAlong = nEnd > 0 ? nEnd + barSpacing : 0;
        }
        else
        {
            nAlong = bHorizontal ? rectRow.left : rectRow.top;
        }
        if (m_bExtraSpaceFirst)
            nAcross += m_nExtraSpace;
    }
    else
    {
        CRect rectClient = rectScreen;
        m_pDockBar->ScreenToClient(&rectClient);
        nAlong = bHorizontal ? rectClient.left - rectRow.left : rectClient.top - rectRow.top;
    }
    const CSize size = pBar->CalcBarSize(FALSE, bHorizontal);
    const int x = bHorizontal ? nAlong : nAcross;
    const int y = bHorizontal ? nAcross : nAlong;
    pBar->SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    AddBar(pBar);
    pBar->RecomputeLayoutRect();
}

void CVrxPDockBarRow::AddBarByMethod(CVrxPControlBar* pBar, int nMethod)
{
    const BOOL bHorizontal = IsHorizontal();
    CRect rectWindow;
    pBar->GetWindowRect(&rectWindow);
    m_pDockBar->ScreenToClient(&rectWindow);
    int nAlong = bHorizontal ? rectWindow.left : rectWindow.top;
    if (nMethod == CVrxPControlBar::dockByMouse)
    {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        m_pDockBar->ScreenToClient(&cursor);
        CRect rectScreen;
        pBar->GetWindowRect(&rectScreen);
        CPoint clientOrigin(0, 0);
        pBar->ClientToScreen(&clientOrigin);
        const CPoint grab = pBar->GetGrabOffset();
        nAlong = bHorizontal ? cursor.x - grab.x - (clientOrigin.x - rectScreen.left)
                             : cursor.y - grab.y - (clientOrigin.y - rectScreen.top);
    }
    const int x = bHorizontal ? nAlong : m_nOffset;
    const int y = bHorizontal ? m_nOffset : nAlong;
    pBar->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddBar(pBar);
    pBar->RecomputeLayoutRect();
}

void CVrxPDockBarRow::AddBar(CVrxPControlBar* pBar)
{
    const BOOL bHorizontal = IsHorizontal();
    CRect rectNew;
    pBar->GetWindowRect(&rectNew);
    const int nStart = bHorizontal ? rectNew.left : rectNew.top;
    POSITION posBefore = NULL;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        const POSITION posThis = pos;
        CVrxPControlBar* pOther = m_lstBars.GetNext(pos);
        CRect rectOther;
        pOther->GetWindowRect(&rectOther);
        if (pOther->GetDockSite() == nullptr || nStart < (bHorizontal ? rectOther.left : rectOther.top))
        {
            posBefore = posThis;
            break;
        }
    }
    if (posBefore != NULL)
        m_lstBars.InsertBefore(posBefore, pBar);
    else
        m_lstBars.AddTail(pBar);
    UpdateVisibility(TRUE);
    const int nThickness = bHorizontal ? rectNew.Height() : rectNew.Width();
    if (nThickness > m_nExtent)
        m_pDockBar->SetRowExtent(this, nThickness + m_nExtraSpace, TRUE);
    pBar->SetDockBarRow(this);
    RepositionBars(pBar);
}

void CVrxPDockBarRow::RemoveBar(CVrxPControlBar* pBar)
{
    POSITION pos = m_lstBars.Find(pBar);
    if (pos == NULL)
        return;
    pBar->StretchBy(65535);
    m_lstBars.RemoveAt(pos);
    pBar->SetDockBarRow(nullptr);
    if (m_lstBars.IsEmpty())
    {
        // The dock bar deletes this row.
        m_pDockBar->RemoveRow(this);
        return;
    }
    RestoreBarPositions(1, pBar);
    ExpandBars();
    UpdateVisibility(FALSE);
    const int nThickness = MaxBarThickness(FALSE);
    if (nThickness < m_nExtent)
    {
        m_pDockBar->SetRowExtent(this, nThickness, TRUE);
        m_nExtent = nThickness;
    }
}

int CVrxPDockBarRow::Resize(int nDelta)
{
    m_nExtent += nDelta;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        m_lstBars.GetNext(pos)->SyncLayoutRect();
    return nDelta;
}

void CVrxPDockBarRow::Move(int nDelta)
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        m_lstBars.GetNext(pos)->MoveAcross(m_dwAlignment, nDelta);
    m_nOffset += nDelta;
}

int CVrxPDockBarRow::MaxBarThickness(BOOL bVisibleOnly) const
{
    int nMax = 0;
    BOOL bAny = FALSE;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (bVisibleOnly && !IsBarShown(pBar))
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        nMax = std::max(nMax, IsHorizontal() ? rect.Height() : rect.Width());
        bAny = TRUE;
    }
    return bAny ? nMax + m_nExtraSpace : 0;
}

BOOL CVrxPDockBarRow::HasExclusiveBar() const
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        if (!m_lstBars.GetNext(pos)->CanShareRow())
            return TRUE;
    return FALSE;
}

int CVrxPDockBarRow::GetFreeLength(BOOL bSavedRects) const
{
    const CRect rectRow = GetRowScreenRect();
    const BOOL bHorizontal = IsHorizontal();
    int nFree = bHorizontal ? rectRow.Width() : rectRow.Height();
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (!IsBarShown(pBar))
            continue;
        CRect rect;
        if (bSavedRects)
            rect = pBar->GetSavedRectScreen();
        else
            pBar->GetWindowRect(&rect);
        nFree -= bHorizontal ? rect.Width() : rect.Height();
    }
    return nFree;
}

BOOL CVrxPDockBarRow::ReplaceBar(CVrxPControlBar* pOldBar, CVrxPControlBar* pNewBar)
{
    POSITION pos = m_lstBars.Find(pOldBar);
    if (pos == NULL)
        return FALSE;
    m_lstBars.SetAt(pos, pNewBar);
    return TRUE;
}

void CVrxPDockBarRow::UpdateVisibility(BOOL bDelay)
{
    CWnd* pHolder = m_pDockBar != nullptr ? m_pDockBar->GetParent() : nullptr;
    const BOOL bFrameShown = pHolder != nullptr && pHolder->IsWindowVisible();
    BOOL bVisible = FALSE;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL && !bVisible;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (m_bCountHidden)
            bVisible = TRUE;
        else if (bFrameShown || !pBar->WasStateRestored())
            bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        else
            bVisible = pBar->GetSavedVisibility();
    }
    if (bVisible != m_bVisible)
        Show(bVisible, bDelay);
    m_bVisible = bVisible;
}

void CVrxPDockBarRow::Show(BOOL bShow, BOOL bDelay)
{
    m_bVisible = bShow;
    m_pDockBar->ShowRow(this, bShow, !bDelay);
}

BOOL CVrxPDockBarRow::ShowBar(CVrxPControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!ContainsBar(pBar))
        return FALSE;
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    UpdateVisibility(bDelay);
    if (bShow)
    {
        // A bar shown again may be thicker than what the row kept.
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        const int nThickness = IsHorizontal() ? rectBar.Height() : rectBar.Width();
        if (nThickness + m_nExtraSpace > m_nExtent)
            m_pDockBar->SetRowExtent(this, nThickness + m_nExtraSpace, !bDelay);
        if (bDelay)
            return TRUE;
        pBar->AdjustBarLayout();
        RepositionBars(pBar);
    }
    else
    {
        ExpandBars();
        if (bDelay)
            return TRUE;
    }
    const CRect rectRow = GetRowRectInDockBar();
    m_pDockBar->AdjustLayout(rectRow);
    OnDockBarResized(rectRow, -1, FALSE, 0);
    return TRUE;
}

void CVrxPDockBarRow::RestoreBarPositions(int nMode, CVrxPControlBar* pExcluded)
{
    if (nMode == 0)
    {
        for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        {
            CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
            if (pBar != pExcluded && IsBarShown(pBar))
                pBar->RecomputeLayoutRect();
        }
        return;
    }
    // The saved places count along the row; across, a bar stays in it.
    LoadFitRects();
    const BOOL bHorizontal = IsHorizontal();
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (pBar == pExcluded || !IsBarShown(pBar))
            continue;
        const CRect rectSaved = pBar->GetSavedRectScreen();
        if (bHorizontal)
            pBar->rect.SetRect(rectSaved.left, pBar->rect.top, rectSaved.right, pBar->rect.bottom);
        else
            pBar->rect.SetRect(pBar->rect.left, rectSaved.top, pBar->rect.right, rectSaved.bottom);
    }
    ApplyFitRects();
}

void CVrxPDockBarRow::ExpandBars()
{
    HandOutFreeLength(TRUE);
}

void CVrxPDockBarRow::FitBars()
{
    if (!m_lstBars.IsEmpty())
        HandOutFreeLength(FALSE);
}

void CVrxPDockBarRow::HandOutFreeLength(BOOL bMoveSingleToStart)
{
    LoadFitRects();
    int nRemaining = GetFreeLengthFit();
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (!IsBarShown(pBar))
            continue;
        nRemaining -= StretchBarFit(pBar, nRemaining);
        if (nRemaining <= 0)
            break;
    }
    RepositionBarsFit(nullptr, bMoveSingleToStart);
    ApplyFitRects();
}

void CVrxPDockBarRow::RepositionBars(CVrxPControlBar* pBar)
{
    if (m_lstBars.IsEmpty() || GetRowRectInDockBar().IsRectEmpty())
        return;
    LoadFitRects();
    RepositionBarsFit(pBar, TRUE);
    ApplyFitRects();
}
