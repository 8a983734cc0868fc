// The dock-bar row's layout engine: overlaps, fitting the bars into the
// row's length, and drag steps. Each operation works on the bars' scratch
// rectangles (screen coordinates) and moves the windows once at the end.

#include "docking/CVrxPDockBarRow.h"

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace
{
int Start(const CRect& rect, BOOL bHorizontal)
{
    return bHorizontal ? rect.left : rect.top;
}

int End(const CRect& rect, BOOL bHorizontal)
{
    return bHorizontal ? rect.right : rect.bottom;
}

int Length(const CRect& rect, BOOL bHorizontal)
{
    return End(rect, bHorizontal) - Start(rect, bHorizontal);
}

void OffsetAlong(CRect& rect, int nDelta, BOOL bHorizontal)
{
    if (bHorizontal)
        rect.OffsetRect(nDelta, 0);
    else
        rect.OffsetRect(0, nDelta);
}

BOOL OverlapAlong(const CRect& a, const CRect& b, BOOL bHorizontal)
{
    return Start(a, bHorizontal) < End(b, bHorizontal) && Start(b, bHorizontal) < End(a, bHorizontal);
}
} // namespace

CVrxPControlBar* CVrxPDockBarRow::NextShown(CVrxPControlBar* pBar, BOOL bForward) const
{
    POSITION pos = m_lstBars.Find(pBar);
    if (pos == NULL)
        return nullptr;
    if (bForward)
        m_lstBars.GetNext(pos);
    else
        m_lstBars.GetPrev(pos);
    while (pos != NULL)
    {
        CVrxPControlBar* pNext = bForward ? m_lstBars.GetNext(pos) : m_lstBars.GetPrev(pos);
        if (IsBarShown(pNext))
            return pNext;
    }
    return nullptr;
}

void CVrxPDockBarRow::LoadFitRects()
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        pBar->GetWindowRect(&pBar->rect);
    }
}

void CVrxPDockBarRow::ApplyFitRects()
{
    HDWP hdwp = ::BeginDeferWindowPos(static_cast<int>(m_lstBars.GetCount()));
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (!IsBarShown(pBar))
            continue;
        CRect rectWindow;
        pBar->GetWindowRect(&rectWindow);
        if (rectWindow == pBar->rect)
            continue;
        CRect rectClient = pBar->rect;
        m_pDockBar->ScreenToClient(&rectClient);
        hdwp = pBar->PositionBar(nullptr, rectClient.left, rectClient.top, rectClient.Width(), rectClient.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    }
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

int CVrxPDockBarRow::GetFreeLengthFit() const
{
    const BOOL bHorizontal = IsHorizontal();
    int nFree = Length(GetRowScreenRect(), bHorizontal);
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (IsBarShown(pBar))
            nFree -= Length(pBar->rect, bHorizontal);
    }
    return nFree;
}

// Grows by at most what the bar misses of its saved length, shrinks by at
// most what it has beyond its minimum.
int CVrxPDockBarRow::StretchBarFit(CVrxPControlBar* pBar, int nDelta)
{
    const BOOL bHorizontal = IsHorizontal();
    const int nLength = Length(pBar->rect, bHorizontal);
    int nApplied = 0;
    if (nDelta > 0)
    {
        nApplied = std::min(nDelta, std::max(0, Length(pBar->GetSavedRectScreen(), bHorizontal) - nLength));
    }
    else if (nDelta < 0)
    {
        const CSize minimum = pBar->GetMinimumSize();
        const int nSpare = std::max(0, nLength - static_cast<int>(bHorizontal ? minimum.cx : minimum.cy));
        nApplied = std::max(nDelta, -nSpare);
    }
    if (bHorizontal)
        pBar->rect.right += nApplied;
    else
        pBar->rect.bottom += nApplied;
    return nApplied;
}

void CVrxPDockBarRow::OffsetBarFit(CVrxPControlBar* pBar, int nDelta)
{
    OffsetAlong(pBar->rect, nDelta, IsHorizontal());
}

void CVrxPDockBarRow::ResolveOverlapsFit(CVrxPControlBar* pBar, BOOL bForward)
{
    const BOOL bHorizontal = IsHorizontal();
    CVrxPControlBar* pPrevious = pBar;
    for (CVrxPControlBar* pNext = NextShown(pPrevious, bForward); pNext != nullptr;
         pPrevious = pNext, pNext = NextShown(pNext, bForward))
    {
        const int nPush = bForward ? End(pPrevious->rect, bHorizontal) - Start(pNext->rect, bHorizontal)
                                   : Start(pPrevious->rect, bHorizontal) - End(pNext->rect, bHorizontal);
        if (bForward ? nPush <= 0 : nPush >= 0)
            break;
        OffsetBarFit(pNext, nPush);
    }
}

void CVrxPDockBarRow::ShiftBarsFit(CVrxPControlBar* pBar, int nDelta, BOOL bForward)
{
    for (POSITION pos = bForward ? m_lstBars.GetHeadPosition() : m_lstBars.GetTailPosition();
         pBar == nullptr && pos != NULL;)
    {
        CVrxPControlBar* pEnd = bForward ? m_lstBars.GetNext(pos) : m_lstBars.GetPrev(pos);
        if (IsBarShown(pEnd))
            pBar = pEnd;
    }
    if (pBar == nullptr)
        return;
    OffsetBarFit(pBar, nDelta);
    ResolveOverlapsFit(pBar, bForward);
}

void CVrxPDockBarRow::RepositionBarsFit(CVrxPControlBar* pBar, BOOL bMoveSingleToStart)
{
    std::vector<CVrxPControlBar*> shown;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pShown = m_lstBars.GetNext(pos);
        if (IsBarShown(pShown))
            shown.push_back(pShown);
    }
    const CRect rectRow = GetRowScreenRect();
    if (shown.empty() || rectRow.IsRectEmpty())
        return;
    const BOOL bHorizontal = IsHorizontal();
    const int nFree = GetFreeLengthFit();
    if (shown.size() == 1 && nFree < 0)
    {
        StretchBarFit(shown[0], nFree);
        if (bMoveSingleToStart)
            OffsetBarFit(shown[0], Start(rectRow, bHorizontal) - Start(shown[0]->rect, bHorizontal));
        return;
    }
    if (pBar != nullptr && IsBarShown(pBar))
    {
        ResolveOverlapsFit(pBar, FALSE);
        ResolveOverlapsFit(pBar, TRUE);
    }
    else
    {
        ResolveOverlapsFit(shown.front(), TRUE);
    }
    CVrxPControlBar* pFirst = shown.front();
    if (Start(pFirst->rect, bHorizontal) < Start(rectRow, bHorizontal))
        ShiftBarsFit(pFirst, Start(rectRow, bHorizontal) - Start(pFirst->rect, bHorizontal), TRUE);
    CVrxPControlBar* pLast = shown.back();
    const int nOverhang = End(pLast->rect, bHorizontal) - End(rectRow, bHorizontal);
    if (nOverhang <= 0)
        return;
    if (nFree >= 1)
    {
        ShiftBarsFit(pLast, -nOverhang, FALSE);
        return;
    }
    ShiftBarsFit(pLast, std::abs(nFree) - nOverhang, FALSE);
    // What the row lacks is taken from the last bar backward; a bar that
    // cannot give it all moves back by the rest.
    int nRemaining = nFree;
    for (auto it = shown.rbegin(); it != shown.rend() && nRemaining < 0; ++it)
    {
        const int nGiven = StretchBarFit(*it, nRemaining);
        if (nGiven == nRemaining)
            break;
        OffsetBarFit(*it, nRemaining - nGiven);
        nRemaining -= nGiven;
    }
}

BOOL CVrxPDockBarRow::CanMoveBarFit(CVrxPControlBar* pBar, BOOL bForward, int& nRoom)
{
    const BOOL bHorizontal = IsHorizontal();
    const CRect rectRow = GetRowScreenRect();
    nRoom = bForward ? End(rectRow, bHorizontal) - End(pBar->rect, bHorizontal)
                     : Start(pBar->rect, bHorizontal) - Start(rectRow, bHorizontal);
    for (CVrxPControlBar* pOther = NextShown(pBar, bForward); pOther != nullptr; pOther = NextShown(pOther, bForward))
        nRoom -= Length(pOther->rect, bHorizontal);
    return nRoom > 0;
}

void CVrxPDockBarRow::PullBarsBackFit(CVrxPControlBar* pBar, int nStep, BOOL bForward)
{
    const BOOL bHorizontal = IsHorizontal();
    for (CVrxPControlBar* pBehind = NextShown(pBar, !bForward); pBehind != nullptr;
         pBehind = NextShown(pBehind, !bForward))
    {
        const CRect rectSaved = pBehind->GetSavedRectScreen();
        if (rectSaved == pBehind->rect)
            continue;
        const int nDistance = Start(rectSaved, bHorizontal) - Start(pBehind->rect, bHorizontal);
        const BOOL bSavedAhead = bForward ? nDistance >= 0 : nDistance < 0;
        const int nMove = bSavedAhead ? std::min(nStep, std::abs(nDistance)) : nStep;
        OffsetBarFit(pBehind, bForward ? nMove : -nMove);
        ResolveOverlapsFit(pBehind, !bForward);
    }
}

BOOL CVrxPDockBarRow::ReorderOnMoveFit(const CRect& rectNew, CVrxPControlBar* pBar, BOOL bForward, int nStep,
                                       BOOL bReorder)
{
    if (GetVisibleBarCount() <= 1)
        return TRUE;
    const BOOL bHorizontal = IsHorizontal();
    CVrxPControlBar* pOther = nullptr;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL && pOther == nullptr;)
    {
        CVrxPControlBar* pCandidate = m_lstBars.GetNext(pos);
        if (pCandidate != pBar && IsBarShown(pCandidate) && OverlapAlong(pCandidate->rect, rectNew, bHorizontal))
            pOther = pCandidate;
    }
    if (pOther == nullptr)
    {
        PullBarsBackFit(pBar, nStep, bForward);
        return TRUE;
    }
    const CRect rectOtherSaved = pOther->GetSavedRectScreen();
    const int nOtherSavedStart = Start(rectOtherSaved, bHorizontal);
    const int nCurrentStart = Start(pBar->rect, bHorizontal);
    const BOOL bPassed = bForward ? nOtherSavedStart < nCurrentStart : nOtherSavedStart >= nCurrentStart;
    if (bReorder && OverlapAlong(rectOtherSaved, rectNew, bHorizontal) && bPassed)
    {
        const int nOtherLength = Length(pOther->rect, bHorizontal);
        const int nTarget = bForward ? Start(rectNew, bHorizontal) - nOtherLength : End(rectNew, bHorizontal);
        OffsetBarFit(pOther, nTarget - Start(pOther->rect, bHorizontal));
        m_lstBars.RemoveAt(m_lstBars.Find(pOther));
        POSITION posBar = m_lstBars.Find(pBar);
        if (bForward)
            m_lstBars.InsertBefore(posBar, pOther);
        else
            m_lstBars.InsertAfter(posBar, pOther);
        ResolveOverlapsFit(pOther, !bForward);
        const int nBack = nOtherLength - nStep;
        for (CVrxPControlBar* pBeyond = NextShown(pBar, bForward); pBeyond != nullptr;
             pBeyond = NextShown(pBeyond, bForward))
            if (pBeyond->GetSavedRectScreen() != pBeyond->rect)
                OffsetBarFit(pBeyond, bForward ? -nBack : nBack);
        return TRUE;
    }
    const int nOverlap = bForward ? End(rectNew, bHorizontal) - Start(pOther->rect, bHorizontal)
                                  : Start(rectNew, bHorizontal) - End(pOther->rect, bHorizontal);
    OffsetBarFit(pOther, nOverlap);
    ResolveOverlapsFit(pOther, bForward);
    return TRUE;
}

void CVrxPDockBarRow::MoveBar(CVrxPControlBar* pBar, int dx, int dy, BOOL bReorder)
{
    if (!ContainsBar(pBar))
        return;
    const BOOL bHorizontal = IsHorizontal();
    const int nDelta = bHorizontal ? dx : dy;
    const BOOL bForward = nDelta >= 0;
    LoadFitRects();
    int nRoom = 0;
    if (!CanMoveBarFit(pBar, bForward, nRoom))
        return;
    const int nMove = std::abs(nDelta) > nRoom ? (bForward ? nRoom : -nRoom) : nDelta;
    CRect rectNew = pBar->rect;
    OffsetAlong(rectNew, nMove, bHorizontal);
    if (ReorderOnMoveFit(rectNew, pBar, bForward, std::abs(nMove), bReorder))
        pBar->rect = rectNew;
    RepositionBarsFit(pBar, TRUE);
    ApplyFitRects();
}

void CVrxPDockBarRow::KeepBarInsideFit(CVrxPControlBar* pBar, const CRect& rectRow)
{
    const BOOL bHorizontal = IsHorizontal();
    if (Start(pBar->rect, bHorizontal) < Start(rectRow, bHorizontal))
        OffsetBarFit(pBar, Start(rectRow, bHorizontal) - Start(pBar->rect, bHorizontal));
    if (End(pBar->rect, bHorizontal) > End(rectRow, bHorizontal))
        OffsetBarFit(pBar, End(rectRow, bHorizontal) - End(pBar->rect, bHorizontal));
}

void CVrxPDockBarRow::OnDockBarResized(const CRect& rectNewClient, int nSizingEdge, BOOL bGrowing, int nAmount)
{
    std::vector<CVrxPControlBar*> shown;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (IsBarShown(pBar))
            shown.push_back(pBar);
    }
    const CRect rectRow = GetRowScreenRect();
    if (shown.empty() || rectRow.IsRectEmpty())
        return;
    const BOOL bHorizontal = IsHorizontal();
    // The dock bar changes at its end: the row keeps its start.
    CRect rectNewRow = rectRow;
    const int nNewLength = bHorizontal ? rectNewClient.Width() : rectNewClient.Height();
    if (bHorizontal)
        rectNewRow.right = rectNewRow.left + nNewLength;
    else
        rectNewRow.bottom = rectNewRow.top + nNewLength;
    const int nChange = nNewLength - Length(rectRow, bHorizontal);

    if (HasExclusiveBar())
    {
        CVrxPControlBar* pFirst = m_lstBars.GetHead();
        const int cx = bHorizontal ? nNewLength : m_nExtent;
        const int cy = bHorizontal ? m_nExtent : nNewLength;
        pFirst->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        pFirst->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }

    LoadFitRects();
    const int nFree = GetFreeLength(TRUE);
    if (bGrowing && nFree < 0)
    {
        int nLeft = nChange;
        for (size_t i = 0; i < shown.size() && nLeft >= 1; i++)
        {
            const int nTaken = StretchBarFit(shown[i], nLeft);
            for (size_t j = i + 1; j < shown.size(); j++)
                OffsetBarFit(shown[j], nTaken);
            nLeft -= nTaken;
        }
    }
    else if (!bGrowing && (nFree < 0 || nFree < std::abs(nChange)))
    {
        int nShrink = nChange;
        if (nFree >= 0)
        {
            const int nGapBehind = std::abs(End(rectRow, bHorizontal) - End(shown.back()->rect, bHorizontal));
            ShiftBarsFit(shown.back(), -(nFree - nGapBehind), FALSE);
            nShrink = nChange + nFree;
        }
        for (auto it = shown.rbegin(); it != shown.rend() && nShrink < 0; ++it)
        {
            const int nTaken = StretchBarFit(*it, nShrink);
            if (nTaken == nShrink)
                break;
            OffsetBarFit(*it, nShrink - nTaken);
            nShrink -= nTaken;
        }
        ApplyFitRects();
        return;
    }

    KeepBarInsideFit(shown.front(), rectNewRow);
    KeepBarInsideFit(shown.back(), rectNewRow);
    const int nAlongEdge = bHorizontal ? WMSZ_RIGHT : WMSZ_BOTTOM;
    if (nSizingEdge == nAlongEdge && bGrowing && GetFreeLength(TRUE) + nChange >= 1)
    {
        for (CVrxPControlBar* pBar : shown)
        {
            const CRect rectSaved = pBar->GetSavedRectScreen();
            if (rectSaved == pBar->rect)
                continue;
            const int nDistance = Start(rectSaved, bHorizontal) - Start(pBar->rect, bHorizontal);
            int nRoom = 0;
            if (nDistance == 0 || !CanMoveBarFit(pBar, nDistance > 0, nRoom))
                continue;
            const int nMove = std::min(nAmount, std::abs(nDistance));
            OffsetBarFit(pBar, nDistance > 0 ? nMove : -nMove);
        }
    }
    ApplyFitRects();
}

void CVrxPDockBarRow::ArrangeBars(int nStart, int nSpacing)
{
    const CRect rectRow = GetRowScreenRect();
    if (rectRow.IsRectEmpty())
        return;
    const BOOL bHorizontal = IsHorizontal();
    const BOOL bAsTabs = CVrxPVisualManager::Instance()->DrawsAutoHideButtonsAsTabs();
    int nPosition = Start(rectRow, bHorizontal) + nStart;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPControlBar* pBar = m_lstBars.GetNext(pos);
        if (!IsBarShown(pBar))
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        if (!pBar->firstInGroup)
        {
            nPosition -= autoHideButtonBorder + nSpacing;
            if (bAsTabs)
                nPosition -= (bHorizontal ? rect.Height() : rect.Width()) / 2;
        }
        if (bHorizontal)
            rect.OffsetRect(nPosition - rect.left, 0);
        else
            rect.OffsetRect(0, nPosition - rect.top);
        m_pDockBar->ScreenToClient(&rect);
        pBar->PositionBar(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE,
                          NULL);
        pBar->CalcSizeForLength(Length(rect, bHorizontal), !bHorizontal);
        pBar->GetWindowRect(&rect);
        nPosition += Length(rect, bHorizontal) + nSpacing;
    }
}
