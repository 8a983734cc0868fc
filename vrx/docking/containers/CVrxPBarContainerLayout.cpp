// How a container node divides its rectangle between its sides and its
// slider, and how a slider drag or a removed pane changes that.

#include "docking/containers/CVrxPBarContainer.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "docking/containers/CVrxPSlider.h"

#include <algorithm>

namespace
{
// The coordinates of a rectangle along the split (y for a horizontal
// slider, x for a vertical one).
struct SplitAxis
{
    BOOL alongY;

    LONG& Near(CRect& rect) const { return alongY ? rect.top : rect.left; }
    LONG& Far(CRect& rect) const { return alongY ? rect.bottom : rect.right; }
    int Near(const CRect& rect) const { return alongY ? rect.top : rect.left; }
    int Far(const CRect& rect) const { return alongY ? rect.bottom : rect.right; }
    int Extent(const CRect& rect) const { return alongY ? rect.Height() : rect.Width(); }
    int Extent(CSize size) const { return alongY ? size.cy : size.cx; }
};

// The bounds of both rectangles. A part squeezed to no width or height
// still marks where it lies: it is not left out as an empty rectangle is.
void Unite(CRect& rectUnion, const CRect& rect, BOOL& bAny)
{
    if (!bAny)
        rectUnion = rect;
    else
        rectUnion.SetRect(std::min(rectUnion.left, rect.left), std::min(rectUnion.top, rect.top),
                          std::max(rectUnion.right, rect.right), std::max(rectUnion.bottom, rect.bottom));
    bAny = TRUE;
}

int ShareOrHalf(int nShare)
{
    return nShare <= 0 || nShare >= 100 ? 50 : nShare;
}
} // namespace

BOOL CVrxPBarContainer::IsSplitAlongY() const
{
    return m_pSlider != nullptr ? m_pSlider->IsAlignedHorizontally() : m_bSavedHorizontal;
}

void CVrxPBarContainer::GetWindowRect(CRect& rect, BOOL bIncludeHidden) const
{
    rect.SetRectEmpty();
    BOOL bAny = FALSE;
    for (const CVrxPDockingControlBar* pBar : {m_pBarFirst, m_pBarSecond})
    {
        if (pBar == nullptr || (!bIncludeHidden && !IsPaneShown(pBar)))
            continue;
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        Unite(rect, rectBar, bAny);
    }
    for (const CVrxPBarContainer* pChild : {m_pFirstContainer, m_pSecondContainer})
    {
        if (pChild == nullptr || (!bIncludeHidden && !pChild->IsVisible()))
            continue;
        CRect rectChild;
        pChild->GetWindowRect(rectChild, bIncludeHidden);
        Unite(rect, rectChild, bAny);
    }
    // The slider between two shown sides belongs to the node too.
    if (bAny && m_pSlider != nullptr && !m_pSlider->IsDefault() && (m_pSlider->GetStyle() & WS_VISIBLE) != 0)
    {
        CRect rectSlider;
        m_pSlider->GetWindowRect(&rectSlider);
        Unite(rect, rectSlider, bAny);
    }
}

CSize CVrxPBarContainer::SideMinSize(BOOL bFirst) const
{
    CSize size(0, 0);
    const CVrxPDockingControlBar* pBar = GetPane(bFirst);
    if (IsPaneShown(pBar))
        size = pBar->GetMinimumSize();
    const CVrxPBarContainer* pChild = GetChild(bFirst);
    if (IsChildShown(pChild))
    {
        CSize sizeChild;
        pChild->GetMinSize(sizeChild);
        size.cx = std::max(size.cx, sizeChild.cx);
        size.cy = std::max(size.cy, sizeChild.cy);
    }
    return size;
}

void CVrxPBarContainer::GetMinSizeFirst(CSize& size) const
{
    size = SideMinSize(TRUE);
}

void CVrxPBarContainer::GetMinSizeSecond(CSize& size) const
{
    size = SideMinSize(FALSE);
}

void CVrxPBarContainer::GetMinSize(CSize& size) const
{
    const CSize first = SideMinSize(TRUE);
    const CSize second = SideMinSize(FALSE);
    const BOOL bSplit = m_pSlider != nullptr && (m_pSlider->GetStyle() & WS_VISIBLE) != 0;
    if (!bSplit)
    {
        size = CSize(std::max(first.cx, second.cx), std::max(first.cy, second.cy));
        return;
    }
    const int nThickness = m_pSlider->GetThickness();
    if (m_pSlider->IsAlignedHorizontally())
        size = CSize(std::max(first.cx, second.cx), first.cy + second.cy + nThickness);
    else
        size = CSize(first.cx + second.cx + nThickness, std::max(first.cy, second.cy));
}

int CVrxPBarContainer::GetResizeStep() const
{
    int nStep = -1;
    for (const CVrxPBarContainer* pChild : {m_pFirstContainer, m_pSecondContainer})
        if (pChild != nullptr)
            nStep = std::max(nStep, pChild->GetResizeStep());
    return nStep;
}

CRect CVrxPBarContainer::SideRect(BOOL bFirst) const
{
    CRect rect;
    const CVrxPDockingControlBar* pBar = GetPane(bFirst);
    const CVrxPBarContainer* pChild = GetChild(bFirst);
    if (IsPaneShown(pBar))
        pBar->GetWindowRect(&rect);
    else if (IsChildShown(pChild))
        pChild->GetWindowRect(rect, FALSE);
    return rect;
}

int CVrxPBarContainer::StoredShare(BOOL bFirst) const
{
    if (const CVrxPDockingControlBar* pBar = GetPane(bFirst))
        return ShareOrHalf(pBar->GetContainerPercent());
    if (const CVrxPBarContainer* pChild = GetChild(bFirst))
        return ShareOrHalf(pChild->m_nPercent);
    return 50;
}

void CVrxPBarContainer::PlaceSide(BOOL bFirst, const CRect& rectScreen, HDWP& hdwp, BOOL bRepaint, int nPercent)
{
    CVrxPDockingControlBar* pBar = GetPane(bFirst);
    if (IsPaneShown(pBar))
    {
        CRect rectClient = rectScreen;
        if (CWnd* pSite = pBar->GetParent())
            pSite->ScreenToClient(&rectClient);
        hdwp = pBar->MoveBarWindow(rectClient, bRepaint, hdwp);
        if (nPercent >= 0)
            pBar->SetContainerPercent(nPercent);
    }
    CVrxPBarContainer* pChild = GetChild(bFirst);
    if (IsChildShown(pChild))
    {
        pChild->ResizeContainer(rectScreen, hdwp, bRepaint);
        if (nPercent >= 0)
            pChild->m_nPercent = nPercent;
    }
}

void CVrxPBarContainer::ResizeContainer(const CRect& rectScreen, HDWP& hdwp, BOOL bRepaint)
{
    const BOOL bFirstEmpty = IsFirstSideEmpty(TRUE);
    const BOOL bSecondEmpty = IsSecondSideEmpty(TRUE);
    if (bFirstEmpty || bSecondEmpty)
    {
        if (!bFirstEmpty || !bSecondEmpty)
            PlaceSide(bFirstEmpty ? FALSE : TRUE, rectScreen, hdwp, bRepaint, -1);
        return;
    }

    const SplitAxis axis{IsSplitAlongY()};
    CRect rectCurrent;
    GetWindowRect(rectCurrent, FALSE);
    const CRect rectFirst = SideRect(TRUE);
    const CRect rectSecond = SideRect(FALSE);
    const int nCurrent = axis.Extent(rectCurrent);

    // Where the border lies now; when the sides do not show their shares
    // (one fills the node, or one was never laid out) the stored shares
    // give it.
    int nSplit = axis.Far(rectFirst);
    int nShareFromStore = -1;
    if (nCurrent < axis.Extent(rectFirst) + axis.Extent(rectSecond) || rectFirst.IsRectEmpty() ||
        rectSecond.IsRectEmpty())
    {
        if (axis.Extent(rectFirst) >= nCurrent)
        {
            const int nShare = StoredShare(FALSE);
            nSplit = axis.Near(rectFirst) + nCurrent - nCurrent * nShare / 100;
            nShareFromStore = 100 - nShare;
        }
        else if (axis.Extent(rectSecond) >= nCurrent)
        {
            const int nShare = StoredShare(TRUE);
            nSplit = axis.Near(rectFirst) + nCurrent * nShare / 100;
            nShareFromStore = nShare;
        }
        else if (axis.alongY)
            nShareFromStore = 50;
    }

    // A node of no extent has no share to keep: half each.
    double dShare = nCurrent > 0 ? double(nSplit - axis.Near(rectFirst)) / nCurrent * 100.0 : 50.0;
    if (dShare == 0.0 || dShare == 100.0)
        dShare = 50.0;
    const int nGrowth = axis.Extent(rectScreen) - nCurrent;
    int nShift = 0;
    if (nGrowth > 0)
        nShift = int((100.0 - dShare) * nGrowth / 100.0);
    else if (nGrowth < 0)
        nShift = int(dShare * nGrowth / 100.0);
    else if (nShareFromStore != -1)
        dShare = nShareFromStore;

    const int nThickness = m_pSlider != nullptr ? m_pSlider->GetThickness() : 0;
    int nNewSplit = nSplit + (axis.Near(rectScreen) - axis.Near(rectFirst)) + nShift;
    // Both sides and the slider stay inside the node however it shrank.
    nNewSplit = std::max(axis.Near(rectScreen), std::min(nNewSplit, axis.Far(rectScreen) - nThickness));
    nNewSplit = std::max(nNewSplit, axis.Near(rectScreen));

    CRect rectFirstNew = rectScreen;
    axis.Far(rectFirstNew) = nNewSplit;
    CRect rectSlider = rectScreen;
    axis.Near(rectSlider) = nNewSplit;
    axis.Far(rectSlider) = std::min(nNewSplit + nThickness, axis.Far(rectScreen));
    CRect rectSecondNew = rectScreen;
    axis.Near(rectSecondNew) = axis.Far(rectSlider);

    const int nPercent = int(dShare);
    PlaceSide(TRUE, rectFirstNew, hdwp, bRepaint, nPercent);
    PlaceSide(FALSE, rectSecondNew, hdwp, bRepaint, 100 - nPercent);
    if (m_pSlider != nullptr && (m_pSlider->GetStyle() & WS_VISIBLE) != 0)
    {
        CRect rectClient = rectSlider;
        if (CWnd* pSite = m_pSlider->GetParent())
            pSite->ScreenToClient(&rectClient);
        hdwp = m_pSlider->MoveBarWindow(rectClient, TRUE, hdwp);
    }
}

int CVrxPBarContainer::ResizeBySlider(int nDelta, HDWP& hdwp)
{
    const SplitAxis axis{IsSplitAlongY()};
    const BOOL bFirstShown = !IsFirstSideEmpty(TRUE);
    const BOOL bSecondShown = !IsSecondSideEmpty(TRUE);
    CRect rectFirst = SideRect(TRUE);
    CRect rectSecond = SideRect(FALSE);
    // Both sides move their edge at the slider by the same amount, so they
    // stay touching; neither is made smaller than its minimum (a side
    // already below it only grows).
    if (nDelta < 0 && bFirstShown)
        nDelta = std::max(nDelta, std::min(0, axis.Extent(SideMinSize(TRUE)) - axis.Extent(rectFirst)));
    if (nDelta > 0 && bSecondShown)
        nDelta = std::min(nDelta, std::max(0, axis.Extent(rectSecond) - axis.Extent(SideMinSize(FALSE))));
    if (nDelta == 0)
        return 0;
    if (bFirstShown)
    {
        axis.Far(rectFirst) += nDelta;
        PlaceSide(TRUE, rectFirst, hdwp, TRUE, -1);
    }
    if (bSecondShown)
    {
        axis.Near(rectSecond) += nDelta;
        PlaceSide(FALSE, rectSecond, hdwp, TRUE, -1);
    }
    return nDelta;
}

void CVrxPBarContainer::RemovePane(CVrxPDockingControlBar* pBar, int nSide)
{
    const BOOL bFirst = nSide == 0;
    if (pBar == nullptr || GetPane(bFirst) != pBar)
        return;
    // The space goes to the nearest node that still shows something once
    // the pane is out; its rectangle is taken while the pane still fills
    // its part of it.
    CVrxPBarContainer* pHolder = this;
    SetPane(nullptr, bFirst);
    while (pHolder != nullptr && !pHolder->IsVisible())
        pHolder = pHolder->m_pParentContainer;
    SetPane(pBar, bFirst);
    CRect rectHolder;
    if (pHolder != nullptr)
        pHolder->GetWindowRect(rectHolder, FALSE);
    SetPane(nullptr, bFirst);
    if (pHolder == nullptr)
        return;

    HDWP hdwp = ::BeginDeferWindowPos(10);
    pHolder->ResizeContainer(rectHolder, hdwp, TRUE);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

void CVrxPBarContainer::StorePercentages()
{
    const BOOL bFirstShown = !IsFirstSideEmpty(TRUE);
    const BOOL bSecondShown = !IsSecondSideEmpty(TRUE);
    if (!bFirstShown && !bSecondShown)
        return;
    int nPercent = 100;
    if (bFirstShown && bSecondShown)
    {
        const SplitAxis axis{IsSplitAlongY()};
        CRect rectNode;
        GetWindowRect(rectNode, FALSE);
        const CRect rectFirst = SideRect(TRUE);
        const CRect rectSecond = SideRect(FALSE);
        const int nExtent = axis.Extent(rectNode);
        const double dRatio = nExtent > 0 ? double(axis.Extent(rectFirst)) / nExtent * 100.0 : 50.0;
        double dShare = dRatio;
        if (axis.Extent(rectFirst) + axis.Extent(rectSecond) > nExtent)
        {
            if (axis.Extent(rectFirst) >= nExtent)
                dShare = 100 - StoredShare(FALSE);
            else if (axis.Extent(rectSecond) >= nExtent)
                dShare = StoredShare(TRUE);
            else if (axis.alongY)
                dShare = 50;
        }
        nPercent = int(dShare);
    }
    for (BOOL bFirst : {TRUE, FALSE})
    {
        if (bFirst ? !bFirstShown : !bSecondShown)
            continue;
        const int nSide = bFirstShown && bSecondShown ? (bFirst ? nPercent : 100 - nPercent) : 100;
        if (CVrxPDockingControlBar* pBar = GetPane(bFirst))
            pBar->SetContainerPercent(nSide);
        if (CVrxPBarContainer* pChild = GetChild(bFirst))
        {
            pChild->StorePercentages();
            pChild->m_nPercent = nSide;
        }
    }
}
