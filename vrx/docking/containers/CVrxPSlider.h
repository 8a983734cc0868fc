#pragma once

// The splitter bar of docked panes. A default slider lies along the inner
// edge of the panes docked at one side of a frame and owns the container
// manager that shares that side among them; dragging it resizes the whole
// docked area. An inner slider sits inside a container between its two
// halves and moves the border between them. A drag shows an outline on the
// screen and stops at the limits the manager computes from the panes'
// minimum sizes.

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPDockStateRecord.h"

#include <vector>

class CVrxPBarContainer;
class CVrxPBarContainerManager;
class CVrxPDockingControlBar;

class CVrxPSlider : public CVrxPBaseControlBar
{
    DECLARE_DYNCREATE(CVrxPSlider)
public:
    // Style bits: a bar between an upper and a lower part, or between a
    // left and a right part.
    static constexpr DWORD styleHorizontal = 1;
    static constexpr DWORD styleVertical = 2;
    // The thickness of sliders made for new splits.
    static constexpr int defaultThickness = 4;
    // The class containers and managers make new sliders of.
    static CRuntimeClass* sliderClass;

    explicit CVrxPSlider(BOOL bDefaultSlider = FALSE, CWnd* pOwnerFrame = nullptr);
    ~CVrxPSlider() override;
    // An object made by the class factory becomes a dock site's default
    // slider before its window is made.
    void MakeDefault(CWnd* pOwnerFrame)
    {
        m_bDefaultSlider = TRUE;
        m_pOwnerFrame = pOwnerFrame;
    }

    BOOL IsAlignedHorizontally() const override { return (m_dwSliderStyle & styleHorizontal) != 0; }
    BOOL IsFloatAllowed() const override;
    BOOL IsAutoHidden() const override { return m_bAutoHideMode; }
    // The slider's window size plus the size of the panes it holds.
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;

    // Moves by the drag offset (screen pixels) and resizes the panes.
    virtual void MoveSlider(CSize offset);
    virtual BOOL AddPane(CVrxPDockingControlBar* pBar);
    virtual BOOL InsertPaneBeside(CVrxPDockingControlBar* pBar, CVrxPDockingControlBar* pExisting,
                                  DWORD dwAlignment);
    virtual BOOL RemovePane(CVrxPDockingControlBar* pBar);
    // pNew takes pOld's place and this slider as its default slider.
    virtual BOOL ReplacePane(CVrxPDockingControlBar* pOld, CVrxPDockingControlBar* pNew);
    // A default slider at its alignment's inner edge of rectScreen, the
    // panes in the rest.
    virtual HDWP RepositionPanes(const CRect& rectScreen, HDWP hdwp);
    // A default slider shows itself while it holds a visible pane.
    virtual BOOL CheckVisibility();
    virtual void ShowPane(CVrxPDockingControlBar* pBar, BOOL bShow);
    virtual BOOL CanFloatAnyPane() const;
    // A default slider whose manager holds nothing destroys itself.
    virtual void ReleaseIfEmpty();
    virtual BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext = nullptr);
    using CWnd::CreateEx;
    // Ends a drag; with bCommit the slider moves to where it was dropped.
    virtual void StopTracking(BOOL bCommit);

    // The slider's part of the frame's docking stream; a default slider's
    // panes and their tree follow it.
    void StoreRecord(CVrxPDockStateRecord::SliderRecord& record) const;

    CVrxPDockingControlBar* GetFirstPane() const;
    CVrxPBarContainer* FindContainer(CVrxPDockingControlBar* pBar, BOOL& bIsFirst) const;
    void CollectPanes(std::vector<CVrxPDockingControlBar*>& panes) const;
    // Screen coordinates; empty without a manager.
    void GetRootRect(CRect& rect) const;

    CVrxPBarContainerManager* GetContainerManager() const { return m_pContainerManager; }
    void SetContainerManager(CVrxPBarContainerManager* pManager) { m_pContainerManager = pManager; }
    BOOL IsDefault() const { return m_bDefaultSlider; }
    BOOL IsTracking() const { return m_bTracking; }
    int GetThickness() const { return m_nThickness; }
    int GetSliderId() const { return m_nSliderId; }
    DWORD GetSliderStyle() const { return m_dwSliderStyle; }
    void SetAutoHideMode(BOOL bMode) { m_bAutoHideMode = bMode; }
    // The drag limits found when the drag began, relative to the slider.
    int GetMinOffset() const { return m_nMinOffset; }
    int GetMaxOffset() const { return m_nMaxOffset; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcDestroy();

    DECLARE_MESSAGE_MAP()

    void PostNcDestroy() override;

private:
    void StartTracking();
    void TrackTo(CPoint pointScreen);
    void DrawDragOutline(const CRect& rectNew, const CRect& rectLast, int nBorderNew, int nBorderLast);

    int m_nSliderId = -1;
    DWORD m_dwSliderStyle = 0;
    int m_nThickness = 0;
    BOOL m_bTracking = FALSE;
    BOOL m_bDefaultSlider;
    BOOL m_bAutoHideMode = FALSE;
    int m_nMinOffset = 0;
    int m_nMaxOffset = 0;
    int m_nStep = -1;
    CRect m_rectDrag;
    CRect m_rectDragLimits;
    CVrxPBarContainerManager* m_pContainerManager = nullptr;
    CWnd* m_pOwnerFrame;
};
