#pragma once

// A node of the layout tree of docked panes. It splits its rectangle into
// a first side (left of a vertical slider, above a horizontal one) and a
// second side, divided by an inner slider; each side holds one pane or a
// child node. It lays both sides out when its rectangle changes, keeps
// each side's share in percent so that growth and shrinkage follow it, and
// hands a removed pane's space to the part that remains. Rectangles it
// answers are in screen coordinates; windows move in the dock site's.

#include "core/CObject.h"
#include "docking/CVrxPDockStateRecord.h"
#include "strings/CRect.h"

#include <windows.h>

class CVrxPBarContainerManager;
class CVrxPDockingControlBar;
class CVrxPSlider;

class CVrxPBarContainer : public CObject
{
    DECLARE_DYNAMIC(CVrxPBarContainer)
public:
    // What FindNode looks for.
    enum NodeKind
    {
        byFirstPane = 0,
        bySecondPane = 1,
        bySlider = 2,
        byNode = 3
    };

    explicit CVrxPBarContainer(CVrxPBarContainerManager* pManager = nullptr,
                               CVrxPDockingControlBar* pFirst = nullptr, CVrxPDockingControlBar* pSecond = nullptr,
                               CVrxPSlider* pSlider = nullptr);
    ~CVrxPBarContainer() override;
    CVrxPBarContainer(const CVrxPBarContainer&) = delete;
    CVrxPBarContainer& operator=(const CVrxPBarContainer&) = delete;

    virtual void GetWindowRect(CRect& rect, BOOL bIncludeHidden) const;
    virtual void GetMinSize(CSize& size) const;
    virtual void GetMinSizeFirst(CSize& size) const;
    virtual void GetMinSizeSecond(CSize& size) const;
    virtual int GetResizeStep() const;
    virtual void RemovePaneFromTree(CVrxPDockingControlBar* pBar);
    virtual void RemovePane(CVrxPDockingControlBar* pBar, int nSide);
    // The border between the sides moved by nDelta, as far as the sides'
    // minimum sizes let it go; the distance it moved.
    virtual int ResizeBySlider(int nDelta, HDWP& hdwp);
    virtual void ResizeContainer(const CRect& rectScreen, HDWP& hdwp, BOOL bRepaint);

    CVrxPDockingControlBar* GetPane(BOOL bFirst) const { return bFirst ? m_pBarFirst : m_pBarSecond; }
    CVrxPBarContainer* GetChild(BOOL bFirst) const { return bFirst ? m_pFirstContainer : m_pSecondContainer; }
    CVrxPBarContainer* GetParentContainer() const { return m_pParentContainer; }
    CVrxPSlider* GetSlider() const { return m_pSlider; }
    void SetSlider(CVrxPSlider* pSlider) { m_pSlider = pSlider; }
    CVrxPBarContainerManager* GetManager() const { return m_pManager; }
    int GetPercent() const { return m_nPercent; }
    void SetPercent(int nPercent) { m_nPercent = nPercent; }
    BOOL IsDetached() const { return m_bDetached; }
    int GetRefCount() const { return m_nRefCount; }

    int AddRef() { return ++m_nRefCount; }
    int Release();
    void SetPane(CVrxPDockingControlBar* pBar, BOOL bFirst);
    void SetChild(CVrxPBarContainer* pChild, BOOL bFirst);
    CVrxPBarContainer* FindNode(const void* pObject, NodeKind kind);
    BOOL IsFirstPane(const CVrxPDockingControlBar* pBar) const { return pBar != nullptr && pBar == m_pBarFirst; }
    BOOL IsEmpty() const;
    BOOL IsVisible() const;
    BOOL IsFirstSideEmpty(BOOL bVisibleOnly) const;
    BOOL IsSecondSideEmpty(BOOL bVisibleOnly) const;
    // The slider is shown only while both sides are visible.
    void UpdateSliderVisibility();
    void SetManager(CVrxPBarContainerManager* pManager, BOOL bRecursive);
    int CountNodes() const;
    int SumRefCounts() const;
    // Called on the root: pNode takes the place of the pane it holds first
    // (bFirst) or second. FALSE when no node holds that pane.
    BOOL InsertNode(CVrxPBarContainer* pNode, BOOL bFirst);
    // A node that no longer divides anything and that nothing remembers
    // leaves the tree; its remaining part takes its place.
    void DetachIfUnused();
    void ReleaseUnusedNodes();
    void StorePercentages();
    // The node's part of its manager's record: a tabbed pane made at run
    // time is written as an empty side (the group is named in the pane
    // lists instead).
    void StoreRecord(CVrxPDockStateRecord::ContainerRecord& record) const;
    BOOL IsSplitAlongY() const;

private:
    BOOL IsPaneShown(const CVrxPDockingControlBar* pBar) const;
    BOOL IsChildShown(const CVrxPBarContainer* pChild) const;
    // The rectangle of one side: its pane's, else its child's; empty when
    // neither is shown.
    CRect SideRect(BOOL bFirst) const;
    CSize SideMinSize(BOOL bFirst) const;
    // The share stored for one side: its pane's, else its child's, else
    // 50; 0 and 100 count as 50.
    int StoredShare(BOOL bFirst) const;
    void PlaceSide(BOOL bFirst, const CRect& rectScreen, HDWP& hdwp, BOOL bRepaint, int nPercent);
    int PartCount() const;
    BOOL IsRoot() const { return m_pParentContainer == nullptr; }
    void ReleaseUnusedBelow(int nDepth);

    CVrxPDockingControlBar* m_pBarFirst;
    CVrxPDockingControlBar* m_pBarSecond;
    CVrxPSlider* m_pSlider;
    CVrxPBarContainer* m_pFirstContainer = nullptr;
    CVrxPBarContainer* m_pSecondContainer = nullptr;
    CVrxPBarContainer* m_pParentContainer = nullptr;
    CVrxPBarContainerManager* m_pManager;
    int m_nPercent = 50;
    BOOL m_bSavedHorizontal = FALSE;
    int m_nRefCount = 0;
    BOOL m_bDetached = FALSE;
};
