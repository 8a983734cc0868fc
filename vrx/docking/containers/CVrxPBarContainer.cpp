#include "docking/containers/CVrxPBarContainer.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "docking/containers/CVrxPSlider.h"

#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CVrxPBarContainer, CObject)

namespace
{
// Nodes taken out of their trees. A caller up the stack may still be inside
// such a node, so it is kept until the program ends.
std::vector<std::unique_ptr<CVrxPBarContainer>>& DetachedContainers()
{
    static std::vector<std::unique_ptr<CVrxPBarContainer>> detached;
    return detached;
}
} // namespace

CVrxPBarContainer::CVrxPBarContainer(CVrxPBarContainerManager* pManager, CVrxPDockingControlBar* pFirst,
                                     CVrxPDockingControlBar* pSecond, CVrxPSlider* pSlider)
    : m_pBarFirst(pFirst), m_pBarSecond(pSecond), m_pSlider(pSlider), m_pManager(pManager)
{
    if (pSlider != nullptr)
        m_bSavedHorizontal = pSlider->IsAlignedHorizontally();
}

CVrxPBarContainer::~CVrxPBarContainer()
{
    delete m_pFirstContainer;
    m_pFirstContainer = nullptr;
    delete m_pSecondContainer;
    m_pSecondContainer = nullptr;
    CVrxPSlider* pSlider = m_pSlider;
    m_pSlider = nullptr;
    if (pSlider != nullptr && !pSlider->IsDefault() && ::IsWindow(pSlider->GetSafeHwnd()))
        pSlider->DestroyWindow();
}

int CVrxPBarContainer::Release()
{
    --m_nRefCount;
    if (m_nRefCount <= 0)
        DetachIfUnused();
    return m_bDetached ? 0 : m_nRefCount;
}

void CVrxPBarContainer::SetPane(CVrxPDockingControlBar* pBar, BOOL bFirst)
{
    (bFirst ? m_pBarFirst : m_pBarSecond) = pBar;
}

void CVrxPBarContainer::SetChild(CVrxPBarContainer* pChild, BOOL bFirst)
{
    (bFirst ? m_pFirstContainer : m_pSecondContainer) = pChild;
    if (pChild != nullptr)
        pChild->m_pParentContainer = this;
}

CVrxPBarContainer* CVrxPBarContainer::FindNode(const void* pObject, NodeKind kind)
{
    if (pObject == nullptr)
        return nullptr;
    const void* pHere = kind == byFirstPane    ? static_cast<const void*>(m_pBarFirst)
                        : kind == bySecondPane ? static_cast<const void*>(m_pBarSecond)
                        : kind == bySlider     ? static_cast<const void*>(m_pSlider)
                                               : static_cast<const void*>(this);
    if (pHere == pObject)
        return this;
    for (CVrxPBarContainer* pChild : {m_pFirstContainer, m_pSecondContainer})
    {
        if (pChild == nullptr)
            continue;
        if (CVrxPBarContainer* pFound = pChild->FindNode(pObject, kind))
            return pFound;
    }
    return nullptr;
}

BOOL CVrxPBarContainer::IsEmpty() const
{
    return m_pBarFirst == nullptr && m_pBarSecond == nullptr &&
           (m_pFirstContainer == nullptr || m_pFirstContainer->IsEmpty()) &&
           (m_pSecondContainer == nullptr || m_pSecondContainer->IsEmpty());
}

BOOL CVrxPBarContainer::IsPaneShown(const CVrxPDockingControlBar* pBar) const
{
    if (pBar == nullptr)
        return FALSE;
    if ((pBar->GetStyle() & WS_VISIBLE) != 0)
        return TRUE;
    CVrxPSlider* pDefault = m_pManager != nullptr ? m_pManager->GetDefaultSlider() : nullptr;
    return pDefault != nullptr && pDefault->IsAutoHidden();
}

BOOL CVrxPBarContainer::IsChildShown(const CVrxPBarContainer* pChild) const
{
    return pChild != nullptr && pChild->IsVisible();
}

BOOL CVrxPBarContainer::IsVisible() const
{
    return IsPaneShown(m_pBarFirst) || IsPaneShown(m_pBarSecond) || IsChildShown(m_pFirstContainer) ||
           IsChildShown(m_pSecondContainer);
}

BOOL CVrxPBarContainer::IsFirstSideEmpty(BOOL bVisibleOnly) const
{
    if (bVisibleOnly ? IsPaneShown(m_pBarFirst) : m_pBarFirst != nullptr)
        return FALSE;
    return m_pFirstContainer == nullptr || m_pFirstContainer->IsEmpty() ||
           (bVisibleOnly && !m_pFirstContainer->IsVisible());
}

BOOL CVrxPBarContainer::IsSecondSideEmpty(BOOL bVisibleOnly) const
{
    if (bVisibleOnly ? IsPaneShown(m_pBarSecond) : m_pBarSecond != nullptr)
        return FALSE;
    return m_pSecondContainer == nullptr || m_pSecondContainer->IsEmpty() ||
           (bVisibleOnly && !m_pSecondContainer->IsVisible());
}

void CVrxPBarContainer::UpdateSliderVisibility()
{
    if (m_pFirstContainer != nullptr)
        m_pFirstContainer->UpdateSliderVisibility();
    if (m_pSecondContainer != nullptr)
        m_pSecondContainer->UpdateSliderVisibility();
    if (m_pSlider == nullptr || m_pSlider->IsDefault())
        return;
    const BOOL bShow = !IsFirstSideEmpty(TRUE) && !IsSecondSideEmpty(TRUE);
    m_pSlider->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CVrxPBarContainer::SetManager(CVrxPBarContainerManager* pManager, BOOL bRecursive)
{
    m_pManager = pManager;
    if (!bRecursive)
        return;
    if (m_pFirstContainer != nullptr)
        m_pFirstContainer->SetManager(pManager, TRUE);
    if (m_pSecondContainer != nullptr)
        m_pSecondContainer->SetManager(pManager, TRUE);
}

int CVrxPBarContainer::CountNodes() const
{
    return 1 + (m_pFirstContainer != nullptr ? m_pFirstContainer->CountNodes() : 0) +
           (m_pSecondContainer != nullptr ? m_pSecondContainer->CountNodes() : 0);
}

int CVrxPBarContainer::SumRefCounts() const
{
    return m_nRefCount + (m_pFirstContainer != nullptr ? m_pFirstContainer->SumRefCounts() : 0) +
           (m_pSecondContainer != nullptr ? m_pSecondContainer->SumRefCounts() : 0);
}

BOOL CVrxPBarContainer::InsertNode(CVrxPBarContainer* pNode, BOOL bFirst)
{
    CVrxPDockingControlBar* pBar = bFirst ? pNode->m_pBarFirst : pNode->m_pBarSecond;
    if (pBar == nullptr)
        return FALSE;
    // The new node takes over the share its pane had in the old place.
    for (BOOL bHolderFirst : {TRUE, FALSE})
    {
        CVrxPBarContainer* pHolder = FindNode(pBar, bHolderFirst ? byFirstPane : bySecondPane);
        if (pHolder == nullptr || pHolder == pNode)
            continue;
        pNode->m_nPercent = pBar->GetContainerPercent();
        pHolder->SetPane(nullptr, bHolderFirst);
        pHolder->SetChild(pNode, bHolderFirst);
        return TRUE;
    }
    return FALSE;
}

int CVrxPBarContainer::PartCount() const
{
    return (m_pBarFirst != nullptr) + (m_pBarSecond != nullptr) + (m_pFirstContainer != nullptr) +
           (m_pSecondContainer != nullptr);
}

void CVrxPBarContainer::DetachIfUnused()
{
    if (m_bDetached || PartCount() > 1 || m_nRefCount > 0)
        return;
    const BOOL bDefaultSlider = m_pSlider != nullptr && m_pSlider->IsDefault();
    if (bDefaultSlider || m_pParentContainer == nullptr || m_pParentContainer->IsRoot())
    {
        if (m_pManager != nullptr && m_pManager->GetDefaultSlider() != nullptr)
            m_pManager->GetDefaultSlider()->ReleaseIfEmpty();
        return;
    }
    CVrxPBarContainer* pParent = m_pParentContainer;
    const BOOL bFirstInParent = pParent->m_pFirstContainer == this;
    pParent->SetChild(nullptr, bFirstInParent);
    if (CVrxPDockingControlBar* pBar = m_pBarFirst != nullptr ? m_pBarFirst : m_pBarSecond)
    {
        pBar->SetContainerPercent(m_nPercent);
        pParent->SetPane(pBar, bFirstInParent);
    }
    else if (CVrxPBarContainer* pChild = m_pFirstContainer != nullptr ? m_pFirstContainer : m_pSecondContainer)
    {
        pChild->m_nPercent = m_nPercent;
        pParent->SetChild(pChild, bFirstInParent);
    }
    m_pBarFirst = m_pBarSecond = nullptr;
    m_pFirstContainer = m_pSecondContainer = nullptr;
    m_pParentContainer = nullptr;
    if (CVrxPSlider* pSlider = m_pSlider)
    {
        if (m_pManager != nullptr)
            m_pManager->RemoveSlider(pSlider);
        m_pSlider = nullptr;
        pSlider->DestroyWindow();
    }
    m_bDetached = TRUE;
    DetachedContainers().emplace_back(this);
}

void CVrxPBarContainer::ReleaseUnusedNodes()
{
    ReleaseUnusedBelow(0);
}

void CVrxPBarContainer::ReleaseUnusedBelow(int nDepth)
{
    // Children may leave while they are visited: take them first.
    CVrxPBarContainer* pFirst = m_pFirstContainer;
    CVrxPBarContainer* pSecond = m_pSecondContainer;
    if (pFirst != nullptr)
        pFirst->ReleaseUnusedBelow(nDepth + 1);
    if (pSecond != nullptr)
        pSecond->ReleaseUnusedBelow(nDepth + 1);
    if (nDepth >= 2)
        DetachIfUnused();
}

void CVrxPBarContainer::RemovePaneFromTree(CVrxPDockingControlBar* pBar)
{
    if (CVrxPBarContainer* pNode = FindNode(pBar, byFirstPane))
        pNode->RemovePane(pBar, 0);
    else if (CVrxPBarContainer* pSecondNode = FindNode(pBar, bySecondPane))
        pSecondNode->RemovePane(pBar, 1);
}

namespace
{
int StoredPaneId(const CVrxPDockingControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == NULL)
        return 0;
    const int nId = pBar->GetDlgCtrlID();
    return nId == CVrxPDockStateRecord::tabbedPaneId ? 0 : nId;
}
} // namespace

void CVrxPBarContainer::StoreRecord(CVrxPDockStateRecord::ContainerRecord& record) const
{
    record.firstPaneId = StoredPaneId(m_pBarFirst);
    record.secondPaneId = StoredPaneId(m_pBarSecond);
    record.sliderId = 0;
    record.slider.reset();
    if (m_pSlider != nullptr && m_pSlider->GetSafeHwnd() != NULL)
    {
        record.slider = std::make_shared<CVrxPDockStateRecord::SliderRecord>();
        m_pSlider->StoreRecord(*record.slider);
        record.sliderId = record.slider->id;
    }
    const auto storeChild = [](const CVrxPBarContainer* pChild,
                               std::shared_ptr<CVrxPDockStateRecord::ContainerRecord>& child) {
        child.reset();
        if (pChild == nullptr)
            return;
        child = std::make_shared<CVrxPDockStateRecord::ContainerRecord>();
        pChild->StoreRecord(*child);
    };
    storeChild(m_pFirstContainer, record.firstChild);
    storeChild(m_pSecondContainer, record.secondChild);
}
