#include "docking/containers/CVrxPBarContainerManager.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/containers/CVrxPBarContainer.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/panes/CVrxPBaseTabbedBar.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPBarContainerManager, CObject)

int CVrxPBarContainerManager::nextSliderId = 1;

CVrxPBarContainerManager::~CVrxPBarContainerManager()
{
    if (m_bOwnsTree)
    {
        for (CVrxPSlider* pSlider : m_lstSliders)
            pSlider->SetContainerManager(nullptr);
        delete m_pRootContainer;
    }
    m_pRootContainer = nullptr;
    m_lstSliders.clear();
    m_lstPanes.clear();
}

BOOL CVrxPBarContainerManager::Create(CWnd* pDockSite, CVrxPSlider* pDefaultSlider)
{
    m_pDockSite = pDockSite;
    m_pDefaultSlider = pDefaultSlider;
    delete m_pRootContainer;
    m_pRootContainer = new CVrxPBarContainer(this);
    return TRUE;
}

BOOL CVrxPBarContainerManager::IsListed(const CVrxPDockingControlBar* pBar) const
{
    return std::find(m_lstPanes.begin(), m_lstPanes.end(), pBar) != m_lstPanes.end();
}

BOOL CVrxPBarContainerManager::AddPane(CVrxPDockingControlBar* pBar)
{
    if (pBar == nullptr || m_pRootContainer == nullptr || !m_pRootContainer->IsEmpty() || IsListed(pBar))
        return FALSE;
    m_pRootContainer->SetPane(pBar, TRUE);
    m_lstPanes.push_back(pBar);
    return TRUE;
}

BOOL CVrxPBarContainerManager::IsRightToLeft() const
{
    return m_pDockSite != nullptr && (m_pDockSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

CVrxPSlider* CVrxPBarContainerManager::CreateSlider(const CRect& rectClient, DWORD dwStyle, int nId)
{
    if (nId == -1)
        nId = nextSliderId++;
    else if (nId >= nextSliderId)
        nextSliderId = nId + 1;
    if (std::any_of(m_lstSliders.begin(), m_lstSliders.end(),
                    [nId](const CVrxPSlider* pSlider) { return pSlider->GetSliderId() == nId; }))
        nId = nextSliderId++;

    CVrxPSlider* pSlider = static_cast<CVrxPSlider*>(CVrxPSlider::sliderClass->CreateObject());
    if (pSlider == nullptr)
        return nullptr;
    // A slider whose window cannot be made has deleted itself.
    if (!pSlider->CreateEx(0, dwStyle, rectClient, m_pDockSite, UINT(nId)))
        return nullptr;
    pSlider->ShowWindow(SW_SHOW);
    pSlider->SetContainerManager(this);
    m_lstSliders.push_back(pSlider);
    return pSlider;
}

BOOL CVrxPBarContainerManager::InsertPaneBeside(CVrxPDockingControlBar* pBar, CVrxPDockingControlBar* pExisting,
                                                DWORD dwAlignment)
{
    BOOL bFirst = FALSE;
    if (pBar == nullptr || !IsListed(pExisting) || IsListed(pBar) || FindContainer(pExisting, bFirst) == nullptr)
        return FALSE;
    if ((dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP | CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM)) == 0)
        return FALSE;
    InsertPane(pExisting, pBar, dwAlignment);
    return TRUE;
}

void CVrxPBarContainerManager::InsertPane(CVrxPDockingControlBar* pExisting, CVrxPDockingControlBar* pBar,
                                          DWORD dwAlignment)
{
    const BOOL bBefore = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
    auto itExisting = std::find(m_lstPanes.begin(), m_lstPanes.end(), pExisting);
    m_lstPanes.insert(bBefore ? itExisting : itExisting + 1, pBar);

    CRect rectPlace;
    pExisting->GetWindowRect(&rectPlace);
    CRect rectExisting = rectPlace;
    m_pDockSite->ScreenToClient(&rectExisting);
    CRect rectNew;
    pBar->GetWindowRect(&rectNew);
    const CSize minimum = pBar->GetMinimumSize();
    const int nNewWidth = std::max(rectNew.Width(), int(minimum.cx));
    const int nNewHeight = std::max(rectNew.Height(), int(minimum.cy));

    const BOOL bStacked = (dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    const int nThickness = CVrxPSlider::defaultThickness;
    CRect rectSlider = rectExisting;
    rectNew = rectExisting;
    BOOL bAtFarEdge = !bBefore;
    if (!bStacked && IsRightToLeft())
        bAtFarEdge = !bAtFarEdge;
    if (bStacked)
    {
        const int nExtent = std::min(rectExisting.Height() / 2, nNewHeight);
        if (bAtFarEdge)
        {
            rectNew.top = rectExisting.bottom - nExtent;
            rectSlider.bottom = rectNew.top;
            rectSlider.top = rectSlider.bottom - nThickness;
            rectExisting.bottom = std::max(rectExisting.top, rectSlider.top);
        }
        else
        {
            rectNew.bottom = rectExisting.top + nExtent;
            rectSlider.top = rectNew.bottom;
            rectSlider.bottom = rectSlider.top + nThickness;
            rectExisting.top = std::min(rectExisting.bottom, rectSlider.bottom);
        }
    }
    else
    {
        const int nExtent = std::min(rectExisting.Width() / 2, nNewWidth);
        if (bAtFarEdge)
        {
            rectNew.left = rectExisting.right - nExtent;
            rectSlider.right = rectNew.left;
            rectSlider.left = rectSlider.right - nThickness;
            rectExisting.right = std::max(rectExisting.left, rectSlider.left);
        }
        else
        {
            rectNew.right = rectExisting.left + nExtent;
            rectSlider.left = rectNew.right;
            rectSlider.right = rectSlider.left + nThickness;
            rectExisting.left = std::min(rectExisting.right, rectSlider.right);
        }
    }

    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    pExisting->SetWindowPos(nullptr, rectExisting.left, rectExisting.top, rectExisting.Width(),
                            rectExisting.Height(), nFlags);
    pBar->SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(), nFlags);
    CVrxPSlider* pSlider = CreateSlider(rectSlider, bStacked ? CVrxPSlider::styleHorizontal
                                                             : CVrxPSlider::styleVertical, -1);
    const BOOL bExistingFirst = !bBefore;
    CVrxPBarContainer* pNode = new CVrxPBarContainer(this, bExistingFirst ? pExisting : pBar,
                                                     bExistingFirst ? pBar : pExisting, pSlider);
    m_pRootContainer->InsertNode(pNode, bExistingFirst);
    // A pane squeezed thinner than the slider cannot hold it: the layout
    // keeps all three inside the place the pane had.
    if ((bStacked ? rectPlace.Height() : rectPlace.Width()) < 2 * nThickness)
    {
        HDWP hdwp = NULL;
        pNode->ResizeContainer(rectPlace, hdwp, TRUE);
    }
    pNode->StorePercentages();
}

CVrxPBarContainer* CVrxPBarContainerManager::FindContainer(CVrxPDockingControlBar* pBar, BOOL& bIsFirst) const
{
    if (m_pRootContainer == nullptr)
        return nullptr;
    if (CVrxPBarContainer* pNode = m_pRootContainer->FindNode(pBar, CVrxPBarContainer::byFirstPane))
    {
        bIsFirst = TRUE;
        return pNode;
    }
    bIsFirst = FALSE;
    return m_pRootContainer->FindNode(pBar, CVrxPBarContainer::bySecondPane);
}

BOOL CVrxPBarContainerManager::RemovePane(CVrxPDockingControlBar* pBar)
{
    BOOL bFirst = FALSE;
    CVrxPBarContainer* pNode = FindContainer(pBar, bFirst);
    if (pNode == nullptr)
        return FALSE;
    pNode->RemovePane(pBar, bFirst ? 0 : 1);
    m_pRootContainer->UpdateSliderVisibility();
    if (CVrxPSlider* pSlider = pNode->GetSlider(); pSlider != nullptr && !pSlider->IsDefault())
        pSlider->ShowWindow(SW_HIDE);
    m_lstPanes.erase(std::remove(m_lstPanes.begin(), m_lstPanes.end(), pBar), m_lstPanes.end());
    // Nodes that nothing remembers collapse: a node left with one part
    // gives its place to that part.
    m_pRootContainer->ReleaseUnusedNodes();
    return TRUE;
}

BOOL CVrxPBarContainerManager::ReplacePane(CVrxPDockingControlBar* pOld, CVrxPDockingControlBar* pNew)
{
    BOOL bFirst = FALSE;
    CVrxPBarContainer* pNode = FindContainer(pOld, bFirst);
    if (pNode == nullptr || pNew == nullptr || IsListed(pNew))
        return FALSE;
    pNode->SetPane(pNew, bFirst);
    std::replace(m_lstPanes.begin(), m_lstPanes.end(), pOld, pNew);
    CRect rect;
    pOld->GetWindowRect(&rect);
    m_pDockSite->ScreenToClient(&rect);
    pNew->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CVrxPBarContainerManager::GetRootRect(CRect& rect) const
{
    rect.SetRectEmpty();
    if (m_pRootContainer != nullptr)
        m_pRootContainer->GetWindowRect(rect, FALSE);
}

void CVrxPBarContainerManager::ResizeRoot(const CRect& rectScreen, HDWP& hdwp)
{
    if (m_pRootContainer != nullptr)
        m_pRootContainer->ResizeContainer(rectScreen, hdwp, FALSE);
}

int CVrxPBarContainerManager::OnSliderMoved(CVrxPSlider* pSlider, int nDistance, HDWP& hdwp)
{
    if (m_pRootContainer == nullptr || pSlider == nullptr)
        return 0;
    if (pSlider != m_pDefaultSlider)
    {
        CVrxPBarContainer* pNode = m_pRootContainer->FindNode(pSlider, CVrxPBarContainer::bySlider);
        return pNode != nullptr ? pNode->ResizeBySlider(nDistance, hdwp) : 0;
    }
    CRect rect;
    GetRootRect(rect);
    if (rect.IsRectEmpty())
        return nDistance;
    // The union of the panes may reach past the slider when a squeezed
    // pane counts its minimum size: the docked area is where the slider
    // bounds it.
    CRect rectSlider;
    pSlider->GetWindowRect(&rectSlider);
    switch (pSlider->GetAlignment())
    {
    case CBRS_ALIGN_LEFT: rect.right = rectSlider.left; break;
    case CBRS_ALIGN_RIGHT: rect.left = rectSlider.right; break;
    case CBRS_ALIGN_TOP: rect.bottom = rectSlider.top; break;
    case CBRS_ALIGN_BOTTOM: rect.top = rectSlider.bottom; break;
    default: return 0;
    }
    if (pSlider->IsAlignedHorizontally())
    {
        rect.left = rectSlider.left;
        rect.right = rectSlider.right;
    }
    else
    {
        rect.top = rectSlider.top;
        rect.bottom = rectSlider.bottom;
    }
    const CRect rectBefore = rect;
    CSize minimum;
    GetRootMinSize(minimum);
    const BOOL bRtl = IsRightToLeft();
    int nMoved = 0;
    switch (pSlider->GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        (bRtl ? rect.left : rect.right) += nDistance;
        if (rect.Width() < minimum.cx)
            rect.right = rect.left + minimum.cx;
        nMoved = bRtl ? nDistance : rect.right - rectBefore.right;
        break;
    case CBRS_ALIGN_RIGHT:
        (bRtl ? rect.right : rect.left) += nDistance;
        if (rect.Width() < minimum.cx)
            rect.left = rect.right - minimum.cx;
        nMoved = bRtl ? nDistance : rect.left - rectBefore.left;
        break;
    case CBRS_ALIGN_TOP:
        rect.bottom += nDistance;
        if (rect.Height() < minimum.cy)
            rect.bottom = rect.top + minimum.cy;
        nMoved = rect.bottom - rectBefore.bottom;
        break;
    case CBRS_ALIGN_BOTTOM:
        rect.top += nDistance;
        if (rect.Height() < minimum.cy)
            rect.top = rect.bottom - minimum.cy;
        nMoved = rect.top - rectBefore.top;
        break;
    default:
        return 0;
    }
    ResizeRoot(rect, hdwp);
    return nMoved;
}

void CVrxPBarContainerManager::GetSliderLimits(CVrxPSlider* pSlider, int& nMin, int& nMax, int& nStep) const
{
    nMin = nMax = 0;
    nStep = -1;
    if (pSlider == nullptr || m_pRootContainer == nullptr)
        return;
    CRect rectSlider;
    pSlider->GetWindowRect(&rectSlider);
    if (pSlider != m_pDefaultSlider)
    {
        CVrxPBarContainer* pNode = m_pRootContainer->FindNode(pSlider, CVrxPBarContainer::bySlider);
        if (pNode == nullptr)
            return;
        CSize first;
        CSize second;
        pNode->GetMinSizeFirst(first);
        pNode->GetMinSizeSecond(second);
        CRect rectNode;
        pNode->GetWindowRect(rectNode, FALSE);
        if (pSlider->IsAlignedHorizontally())
        {
            nMin = first.cy + rectNode.top - rectSlider.top + 1;
            nMax = rectNode.bottom - second.cy - rectSlider.bottom - 1;
        }
        else
        {
            nMin = first.cx + rectNode.left - rectSlider.left;
            nMax = rectNode.right - second.cx - rectSlider.right - 1;
        }
        nStep = pNode->GetResizeStep();
        return;
    }

    CRect rectRoot;
    GetRootRect(rectRoot);
    CSize minimum;
    GetRootMinSize(minimum);
    rectRoot.DeflateRect(minimum.cx, minimum.cy);
    // The frame's free client area is what its bar manager's layout left
    // for the view; without one, what the site's client area leaves beyond
    // the docked panes and their slider.
    CRect rectClient;
    const DWORD dwAlignment = pSlider->GetAlignment();
    const CVrxPFrameBarManager* pBarManager = CVrxPDockingUtils::LocateBarManager(m_pDockSite);
    if (pBarManager != nullptr && !pBarManager->GetOuterRect().IsRectEmpty())
    {
        rectClient = pBarManager->GetOuterRect();
        m_pDockSite->ClientToScreen(&rectClient);
    }
    else
    {
        m_pDockSite->GetClientRect(&rectClient);
        m_pDockSite->ClientToScreen(&rectClient);
        switch (dwAlignment)
        {
        case CBRS_ALIGN_LEFT: rectClient.left = rectSlider.right; break;
        case CBRS_ALIGN_RIGHT: rectClient.right = rectSlider.left; break;
        case CBRS_ALIGN_TOP: rectClient.top = rectSlider.bottom; break;
        case CBRS_ALIGN_BOTTOM: rectClient.bottom = rectSlider.top; break;
        default: return;
        }
    }
    rectClient.DeflateRect(clientMargin, clientMargin);
    switch (dwAlignment)
    {
    case CBRS_ALIGN_LEFT:
        nMin = rectRoot.left - rectSlider.left + 1;
        nMax = rectClient.right - rectSlider.right - 1;
        break;
    case CBRS_ALIGN_TOP:
        nMin = rectRoot.top - rectSlider.top + 1;
        nMax = rectClient.bottom - rectSlider.bottom - 1;
        break;
    case CBRS_ALIGN_RIGHT:
        nMin = rectClient.left - rectSlider.left + 1;
        nMax = rectRoot.right - rectSlider.right - 1;
        break;
    default:
        nMin = rectClient.top - rectSlider.top + 1;
        nMax = rectRoot.bottom - rectSlider.bottom - 1;
        break;
    }
    nStep = m_pRootContainer->GetResizeStep();
}

BOOL CVrxPBarContainerManager::UpdateVisibility()
{
    if (m_pRootContainer != nullptr)
        m_pRootContainer->UpdateSliderVisibility();
    return IsRootVisible();
}

BOOL CVrxPBarContainerManager::IsRootVisible() const
{
    return m_pRootContainer != nullptr && m_pRootContainer->IsVisible();
}

void CVrxPBarContainerManager::GetRootMinSize(CSize& size) const
{
    size = CSize(0, 0);
    if (m_pRootContainer != nullptr)
        m_pRootContainer->GetMinSize(size);
}

int CVrxPBarContainerManager::CountVisiblePanes() const
{
    return int(std::count_if(m_lstPanes.begin(), m_lstPanes.end(), [](const CVrxPDockingControlBar* pBar) {
        return (pBar->GetStyle() & WS_VISIBLE) != 0;
    }));
}

BOOL CVrxPBarContainerManager::CanFloatAnyPane() const
{
    return std::any_of(m_lstPanes.begin(), m_lstPanes.end(),
                       [](const CVrxPDockingControlBar* pBar) { return pBar->CanFloat(); });
}

BOOL CVrxPBarContainerManager::AnyPaneFloatAllowed() const
{
    return std::any_of(m_lstPanes.begin(), m_lstPanes.end(),
                       [](const CVrxPDockingControlBar* pBar) { return pBar->IsFloatAllowed(); });
}

CVrxPDockingControlBar* CVrxPBarContainerManager::GetFirstPane() const
{
    return m_lstPanes.empty() ? nullptr : m_lstPanes.front();
}

CVrxPDockingControlBar* CVrxPBarContainerManager::GetFirstVisiblePane() const
{
    for (CVrxPDockingControlBar* pBar : m_lstPanes)
        if ((pBar->GetStyle() & WS_VISIBLE) != 0)
            return pBar;
    return nullptr;
}

void CVrxPBarContainerManager::SetPanesSizing(BOOL bSizing)
{
    for (CVrxPDockingControlBar* pBar : m_lstPanes)
        pBar->SetBeingSized(bSizing);
}

void CVrxPBarContainerManager::RemoveSlider(CVrxPSlider* pSlider)
{
    m_lstSliders.erase(std::remove(m_lstSliders.begin(), m_lstSliders.end(), pSlider), m_lstSliders.end());
    if (pSlider->GetContainerManager() == this)
        pSlider->SetContainerManager(nullptr);
    if (pSlider == m_pDefaultSlider || m_pRootContainer == nullptr)
        return;
    if (CVrxPBarContainer* pNode = m_pRootContainer->FindNode(pSlider, CVrxPBarContainer::bySlider))
        pNode->SetSlider(nullptr);
}

int CVrxPBarContainerManager::CountContainers() const
{
    return m_pRootContainer != nullptr ? m_pRootContainer->CountNodes() : 0;
}

int CVrxPBarContainerManager::SumRefCounts() const
{
    return m_pRootContainer != nullptr ? m_pRootContainer->SumRefCounts() : 0;
}

void CVrxPBarContainerManager::CollectPanes(std::vector<CVrxPDockingControlBar*>& panes,
                                            std::vector<CVrxPSlider*>& sliders) const
{
    panes.insert(panes.end(), m_lstPanes.begin(), m_lstPanes.end());
    sliders.insert(sliders.end(), m_lstSliders.begin(), m_lstSliders.end());
}

BOOL CVrxPBarContainerManager::PaneEntryOf(const CVrxPDockingControlBar* pBar, CVrxPDockStateRecord::PaneEntry& entry)
{
    entry.id = pBar->GetDlgCtrlID();
    entry.firstTabId = 0;
    if (entry.id != CVrxPDockStateRecord::tabbedPaneId)
        return TRUE;
    const CVrxPBaseTabbedBar* pTabbed = dynamic_cast<const CVrxPBaseTabbedBar*>(pBar);
    CWnd* pFirstTab = pTabbed != nullptr && pTabbed->GetTabCount() > 0 ? pTabbed->GetTabBar(0) : nullptr;
    if (pFirstTab == nullptr)
        return FALSE;
    entry.firstTabId = pFirstTab->GetDlgCtrlID();
    return TRUE;
}

void CVrxPBarContainerManager::StoreRecord(CVrxPDockStateRecord::ManagerRecord& record)
{
    record.root = CVrxPDockStateRecord::ContainerRecord();
    record.panes.clear();
    if (m_pRootContainer != nullptr)
    {
        m_pRootContainer->ReleaseUnusedNodes();
        m_pRootContainer->StoreRecord(record.root);
    }
    for (const CVrxPDockingControlBar* pBar : m_lstPanes)
    {
        CVrxPDockStateRecord::PaneEntry entry;
        if (pBar->GetSafeHwnd() != NULL && PaneEntryOf(pBar, entry))
            record.panes.push_back(entry);
    }
}
