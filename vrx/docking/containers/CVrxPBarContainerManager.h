#pragma once

// The docked panes of one dock site: the panes along one side of a frame
// behind a default slider (which owns the manager), or those of a floating
// frame. It keeps the pane list, the inner sliders and the container tree
// that shares the site among the panes; docking a pane beside another,
// removing it, a slider's drag limits and a moved slider all go through it.

#include "core/CObject.h"
#include "docking/CVrxPDockStateRecord.h"
#include "strings/CRect.h"

#include <vector>
#include <windows.h>

class CVrxPBarContainer;
class CVrxPDockingControlBar;
class CVrxPSlider;
class CWnd;

class CVrxPBarContainerManager : public CObject
{
    DECLARE_DYNCREATE(CVrxPBarContainerManager)
public:
    // A dragged default slider stays this far inside the frame's free
    // client area.
    static constexpr int clientMargin = 4;

    CVrxPBarContainerManager() = default;
    ~CVrxPBarContainerManager() override;
    CVrxPBarContainerManager(const CVrxPBarContainerManager&) = delete;
    CVrxPBarContainerManager& operator=(const CVrxPBarContainerManager&) = delete;

    virtual BOOL Create(CWnd* pDockSite, CVrxPSlider* pDefaultSlider);
    // The first pane of an empty tree; FALSE when the tree holds one.
    virtual BOOL AddPane(CVrxPDockingControlBar* pBar);
    virtual BOOL InsertPaneBeside(CVrxPDockingControlBar* pBar, CVrxPDockingControlBar* pExisting,
                                  DWORD dwAlignment);
    // The panes follow a slider moved by nDistance; the distance they
    // could follow (their minimum sizes stop them).
    virtual int OnSliderMoved(CVrxPSlider* pSlider, int nDistance, HDWP& hdwp);
    virtual void GetRootRect(CRect& rect) const;
    virtual BOOL RemovePane(CVrxPDockingControlBar* pBar);
    // pNew takes pOld's place in the tree and its window's rectangle; FALSE
    // when pOld is not held or pNew already is.
    virtual BOOL ReplacePane(CVrxPDockingControlBar* pOld, CVrxPDockingControlBar* pNew);
    virtual void ResizeRoot(const CRect& rectScreen, HDWP& hdwp);
    virtual void GetSliderLimits(CVrxPSlider* pSlider, int& nMin, int& nMax, int& nStep) const;
    virtual BOOL UpdateVisibility();
    virtual BOOL IsRootVisible() const;
    virtual void GetRootMinSize(CSize& size) const;
    virtual int CountVisiblePanes() const;
    virtual BOOL CanFloatAnyPane() const;
    virtual BOOL AnyPaneFloatAllowed() const;
    virtual CVrxPDockingControlBar* GetFirstPane() const;
    virtual CVrxPDockingControlBar* GetFirstVisiblePane() const;
    virtual CWnd* GetDockSite() const { return m_pDockSite; }
    virtual void SetPanesSizing(BOOL bSizing);
    virtual void RemoveSlider(CVrxPSlider* pSlider);
    virtual CVrxPBarContainer* FindContainer(CVrxPDockingControlBar* pBar, BOOL& bIsFirst) const;

    // A shown inner slider of the library's slider class in the dock site;
    // id -1 takes the next free one. Null when its window cannot be made.
    CVrxPSlider* CreateSlider(const CRect& rectClient, DWORD dwStyle, int nId);
    BOOL IsEmpty() const { return m_lstPanes.empty(); }
    int CountContainers() const;
    int SumRefCounts() const;
    void CollectPanes(std::vector<CVrxPDockingControlBar*>& panes, std::vector<CVrxPSlider*>& sliders) const;
    BOOL IsListed(const CVrxPDockingControlBar* pBar) const;
    CVrxPBarContainer* GetRootContainer() const { return m_pRootContainer; }
    CVrxPSlider* GetDefaultSlider() const { return m_pDefaultSlider; }
    const std::vector<CVrxPSlider*>& GetSliders() const { return m_lstSliders; }
    // The tree, after unused nodes have left it, and the panes listed; a
    // tabbed pane without tabs is left out of the list.
    void StoreRecord(CVrxPDockStateRecord::ManagerRecord& record);
    // How a pane list names the pane: its id, or for a tabbed pane made at
    // run time -1 and its first tab's id. FALSE for such a pane with no
    // tab, which no list names.
    static BOOL PaneEntryOf(const CVrxPDockingControlBar* pBar, CVrxPDockStateRecord::PaneEntry& entry);
    // The next id CreateSlider gives; the first slider gets 1.
    static int nextSliderId;

private:
    void InsertPane(CVrxPDockingControlBar* pExisting, CVrxPDockingControlBar* pBar, DWORD dwAlignment);
    BOOL IsRightToLeft() const;

    std::vector<CVrxPDockingControlBar*> m_lstPanes;
    std::vector<CVrxPSlider*> m_lstSliders;
    CVrxPBarContainer* m_pRootContainer = nullptr;
    CVrxPSlider* m_pDefaultSlider = nullptr;
    BOOL m_bOwnsTree = TRUE;
    CWnd* m_pDockSite = nullptr;
};
