// The frame bar manager's layout of the client area and its docking
// decisions.

#include "docking/CVrxPFrameBarManager.h"

#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/containers/CVrxPSlider.h"
#include "frames/CFrameWnd.h"
#include "frames/CMDIFrameWnd.h"

namespace
{
// The framework's dock-bar ids that DockControlBar accepts.
const UINT kDockBarIds[] = {CVrxPDockBar::idTop, CVrxPDockBar::idBottom, CVrxPDockBar::idLeft,
                            CVrxPDockBar::idRight};

// The side and the border facing the frame's middle that a dock-bar id
// stands for.
DWORD SideWordOfDockBar(UINT nDockBarId)
{
    switch (nDockBarId)
    {
    case CVrxPDockBar::idTop:
        return CBRS_ALIGN_TOP | CVrxPBaseControlBar::borderBottom;
    case CVrxPDockBar::idBottom:
        return CBRS_ALIGN_BOTTOM | CVrxPBaseControlBar::borderTop;
    case CVrxPDockBar::idLeft:
        return CBRS_ALIGN_LEFT | CVrxPBaseControlBar::borderRight;
    case CVrxPDockBar::idRight:
        return CBRS_ALIGN_RIGHT | CVrxPBaseControlBar::borderLeft;
    default:
        return 0;
    }
}
} // namespace

void CVrxPFrameBarManager::AlignRectToArea(const CRect& rectArea, CRect& rect, DWORD dwSide, BOOL bHorizontal,
                                           BOOL bStretch)
{
    const int w = rect.Width();
    const int h = rect.Height();
    switch (dwSide & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_TOP:
        rect.SetRect(rectArea.left, rectArea.top, rectArea.right, rectArea.top + h);
        break;
    case CBRS_ALIGN_LEFT:
        rect.SetRect(rectArea.left, rectArea.top, rectArea.left + w, rectArea.bottom);
        break;
    case CBRS_ALIGN_RIGHT:
        rect.SetRect(rectArea.right - w, rectArea.top, rectArea.right, rectArea.bottom);
        break;
    default:
        rect.SetRect(rectArea.left, rectArea.bottom - h, rectArea.right, rectArea.bottom);
        break;
    }
    if (!bStretch)
        return;
    if (bHorizontal && rect.Height() > rectArea.Height())
    {
        if ((dwSide & CBRS_ALIGN_TOP) != 0)
            rect.bottom = rect.top + rectArea.Height();
        else
            rect.top = rect.bottom - rectArea.Height();
    }
    if (!bHorizontal && rect.Width() > rectArea.Width())
    {
        if ((dwSide & CBRS_ALIGN_LEFT) != 0)
            rect.right = rect.left + rectArea.Width();
        else
            rect.left = rect.right - rectArea.Width();
    }
}

void CVrxPFrameBarManager::AdjustDockingLayout(HDWP hdwp)
{
    if (m_bLayoutBusy || m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    m_pOwnerFrame->GetClientRect(&rectClient);
    if (!m_rectClientOverride.IsRectEmpty())
        rectClient = m_rectClientOverride;
    m_rectOuter = rectClient;
    CFrameWnd* pTopFrame = m_pOwnerFrame->GetTopLevelFrame();
    if (pTopFrame == nullptr)
        pTopFrame = m_pOwnerFrame;
    if (pTopFrame->IsIconic())
        return;

    m_bLayoutBusy = TRUE;
    const BOOL bOwnBatch = hdwp == NULL;
    if (bOwnBatch)
        hdwp = ::BeginDeferWindowPos(static_cast<int>(m_bars.GetCount() + m_autoHideBars.GetCount()) + 1);
    CRect rectFree = rectClient;
    m_pOwnerFrame->ClientToScreen(&rectFree);

    // The frame's edges go, in turn, to the bars that size themselves, the
    // dock bars, the auto-hide strips and then the panes, so that the
    // earlier ones span the frame and the later ones fit inside them.
    hdwp = LayoutSelfSizingBars(rectFree, hdwp);
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(m_bars.GetNext(pos));
        if (pDockBar != nullptr)
            hdwp = LayoutBarAtEdge(pDockBar, rectFree, hdwp);
    }
    for (POSITION pos = m_autoHideBars.GetHeadPosition(); pos != NULL;)
        hdwp = SendSizeParent(static_cast<CWnd*>(m_autoHideBars.GetNext(pos)), rectFree, hdwp);
    CRect rectInner = rectFree;
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(m_bars.GetNext(pos));
        if (pBar != nullptr && dynamic_cast<CVrxPDockBar*>(pBar) == nullptr)
            hdwp = LayoutBarAtEdge(pBar, rectFree, hdwp);
    }
    m_rectOuter = rectFree;
    m_pOwnerFrame->ScreenToClient(&m_rectOuter);
    m_pOwnerFrame->ScreenToClient(&rectInner);
    m_rectInner = rectInner;
    if (bOwnBatch && hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
    m_bLayoutBusy = FALSE;
}

HDWP CVrxPFrameBarManager::LayoutSelfSizingBars(CRect& rectFree, HDWP hdwp)
{
    const CMDIFrameWnd* pMdiFrame = dynamic_cast<const CMDIFrameWnd*>(m_pOwnerFrame);
    const HWND hWndMdiClient = pMdiFrame != nullptr ? pMdiFrame->m_hWndMDIClient : NULL;
    const HWND hWndView = ::GetDlgItem(m_pOwnerFrame->GetSafeHwnd(), AFX_IDW_PANE_FIRST);
    for (HWND hWndChild = ::GetTopWindow(m_pOwnerFrame->GetSafeHwnd()); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
        if (pChild == nullptr || hWndChild == hWndMdiClient || hWndChild == hWndView ||
            dynamic_cast<CVrxPBaseControlBar*>(pChild) != nullptr || m_autoHideBars.Find(pChild) != NULL)
            continue;
        hdwp = SendSizeParent(pChild, rectFree, hdwp);
    }
    return hdwp;
}

HDWP CVrxPFrameBarManager::SendSizeParent(CWnd* pBar, CRect& rectFree, HDWP hdwp)
{
    CWnd* pParent = pBar->GetParent();
    if (pParent == nullptr)
        return hdwp;
    AFX_SIZEPARENTPARAMS layout = {};
    CRect rectArea = rectFree;
    pParent->ScreenToClient(&rectArea);
    layout.rect = rectArea;
    layout.bStretch = TRUE;
    layout.hDWP = hdwp;
    pBar->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    rectFree = layout.rect;
    pParent->ClientToScreen(&rectFree);
    return layout.hDWP;
}

HDWP CVrxPFrameBarManager::LayoutBarAtEdge(CVrxPBaseControlBar* pBar, CRect& rectFree, HDWP hdwp)
{
    if (pBar->GetSafeHwnd() == NULL)
        return hdwp;
    const BOOL bDockBar = dynamic_cast<CVrxPDockBar*>(pBar) != nullptr;
    // A hidden dock bar keeps its room, except while the bars are hidden
    // for print preview or with the in-place bars.
    if ((pBar->GetStyle() & WS_VISIBLE) == 0 && (!bDockBar || m_bPrintPreview || m_bBarsHidden))
        return hdwp;
    // A floating or auto-hidden pane stays listed but takes no room; a pane
    // held by a default slider is laid out by that slider.
    if (!pBar->IsDockedInFrame() || pBar->IsAutoHidden())
        return hdwp;
    const CVrxPDockingControlBar* pPane = dynamic_cast<const CVrxPDockingControlBar*>(pBar);
    if (pPane != nullptr && pPane->GetDefaultSlider() != nullptr)
        return hdwp;
    CRect rect;
    pBar->GetWindowRect(&rect);
    const DWORD dwSide = pBar->GetAlignment();
    const BOOL bHorizontal = pBar->IsAlignedHorizontally();
    const CSize size = pBar->CalcBarSize(pBar->DocksAtFrameSide(), bHorizontal);
    if (bHorizontal)
    {
        if (dwSide == CBRS_ALIGN_TOP)
            rect.bottom = rect.top + size.cy;
        else
            rect.top = rect.bottom - size.cy;
    }
    else if (dwSide == CBRS_ALIGN_LEFT)
    {
        rect.right = rect.left + size.cx;
    }
    else
    {
        rect.left = rect.right - size.cx;
    }
    AlignRectToArea(rectFree, rect, dwSide, bHorizontal, pBar->DocksAtFrameSide());
    if (CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pBar))
    {
        if ((bHorizontal ? rect.Width() : rect.Height()) > 0)
            pDockBar->AdjustLayout(CRect(0, 0, rect.Width(), rect.Height()));
    }
    CVrxPSlider* pSlider = dynamic_cast<CVrxPSlider*>(pBar);
    if (pSlider != nullptr && pSlider->IsDefault())
    {
        hdwp = pSlider->RepositionPanes(rect, hdwp);
        CVrxPDockingUtils::CutSide(rectFree, dwSide, bHorizontal ? rect.Height() : rect.Width());
        return hdwp;
    }
    CRect rectInParent = rect;
    if (CWnd* pParent = pBar->GetParent())
        pParent->ScreenToClient(&rectInParent);
    hdwp = pBar->PositionBar(nullptr, rectInParent.left, rectInParent.top, rectInParent.Width(),
                             rectInParent.Height(), SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    CVrxPDockingUtils::CutSide(rectFree, dwSide, bHorizontal ? rect.Height() : rect.Width());
    return hdwp;
}

BOOL CVrxPFrameBarManager::LimitDockedSize(CRect& rect, DWORD dwSide) const
{
    const BOOL bRightToLeft =
        m_pOwnerFrame != nullptr && m_pOwnerFrame->GetSafeHwnd() != NULL && (m_pOwnerFrame->GetExStyle() & WS_EX_LAYOUTRTL);
    if ((dwSide & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0)
    {
        const int nLimit = m_rectOuter.Height() * maxDockedPercent / 100;
        if (rect.Height() < nLimit)
            return FALSE;
        if ((dwSide & CBRS_ALIGN_TOP) != 0)
            rect.bottom = rect.top + nLimit;
        else
            rect.top = rect.bottom - nLimit;
        return TRUE;
    }
    const int nLimit = m_rectOuter.Width() * maxDockedPercent / 100;
    if (rect.Width() < nLimit)
        return FALSE;
    const BOOL bFromLeft = ((dwSide & CBRS_ALIGN_LEFT) != 0) != bRightToLeft;
    if (bFromLeft)
        rect.right = rect.left + nLimit;
    else
        rect.left = rect.right - nLimit;
    return TRUE;
}

BOOL CVrxPFrameBarManager::IsPointNearDockSite(CPoint point, DWORD& dwSide, BOOL& bInner) const
{
    if (m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rectInner = m_rectInner;
    m_pOwnerFrame->ClientToScreen(&rectInner);
    if (CVrxPDockingUtils::HitTestDockSide(point, rectInner, CVrxPDockingUtils::dockSensitivity, TRUE, dwSide,
                                           m_dwDockSides))
    {
        bInner = TRUE;
        return TRUE;
    }
    CRect rectOuter = m_rectOuter;
    m_pOwnerFrame->ClientToScreen(&rectOuter);
    bInner = FALSE;
    return CVrxPDockingUtils::HitTestDockSide(point, rectOuter, CVrxPDockingUtils::dockSensitivity, FALSE, dwSide,
                                              m_dwDockSides);
}

void CVrxPFrameBarManager::DockControlBar(CVrxPBaseControlBar* pBar, UINT nDockBarId, const CRect* pRect)
{
    if (m_bars.IsEmpty() || pBar == nullptr)
        return;
    // An id of no dock bar leaves the bar where it is.
    if (nDockBarId != 0)
    {
        BOOL bKnown = FALSE;
        for (UINT nId : kDockBarIds)
            bKnown = bKnown || nId == nDockBarId;
        if (!bKnown)
            return;
    }
    pBar->DetachFromSite(TRUE);
    if (!pBar->IsDockable() && !pBar->CanFloat())
    {
        if (m_bars.Find(pBar) == NULL)
            m_bars.AddTail(pBar);
        pBar->SetHostFrame(m_pOwnerFrame);
        return;
    }
    if (pBar->DocksAtFrameSide())
    {
        if (nDockBarId == 0)
        {
            pBar->DockAtFrameSide(pBar->GetAlignment(), pRect, 1, 0, -1, FALSE);
            return;
        }
        const DWORD dwSideWord = SideWordOfDockBar(nDockBarId);
        if ((dwSideWord & pBar->GetAllowedDocking()) != 0)
            pBar->DockAtFrameSide(dwSideWord, pRect, 1, 0, -1, FALSE);
        return;
    }
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(m_bars.GetNext(pos));
        if (pDockBar == nullptr || (nDockBarId != 0 && pDockBar->GetDockBarId() != nDockBarId))
            continue;
        if (!pBar->CanDockToSite(pDockBar) || !pDockBar->CanAcceptBar(pBar))
            continue;
        if (pBar->DockToTarget(pDockBar, pRect, CVrxPControlBar::dockAtRect))
        {
            pBar->InvalidateRect(nullptr, TRUE);
            return;
        }
    }
}
