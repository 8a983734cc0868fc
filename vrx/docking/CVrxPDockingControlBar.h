#pragma once

// The library's docking pane: a control bar with a caption strip that holds
// its caption buttons. Docked, it lies in the container tree of a default
// slider at one side of its frame, beside the other panes docked there;
// dragged by its caption it docks at a frame edge, beside another pane or
// floats in a small frame of its own (a double click on that frame's
// caption docks it again). Its pin button hides it at its side: a button on
// a strip along that side slides it in when clicked (the pin docks it
// again). Its client area is for the window it holds. Its places are saved
// as the control bar's.

#include "collections/CArray.h"
#include "docking/CVrxPControlBar.h"

class CVrxPBaseTabbedBar;
class CVrxPMiniFrameTitleButton;
class CVrxPMiniFrameWnd;
class CVrxPSlider;
class CVrxPSmartDockingGuide;

class CVrxPDockingControlBar : public CVrxPControlBar
{
    DECLARE_DYNAMIC(CVrxPDockingControlBar)
public:
    static constexpr int minimumHeight = 40;
    // The room around the caption's text.
    static constexpr int captionMargin = 3;
    // Between two caption buttons and after the last one.
    static constexpr int buttonMargin = 2;
    // When 0 the caption's window-position menu button is hidden.
    static int paneCaptionMenuButton;

    // The parts of a docked pane's window, in window coordinates.
    struct NonClientLayout
    {
        CRect caption;
        CRect client;
    };
    // Where the parts lie in a window of the given size: the caption across
    // its top (none when nCaptionHeight is 0), the client area below.
    static NonClientLayout ComputeLayout(CSize sizeWindow, int nCaptionHeight);
    // A default slider for panes docked at dwAlignment's side of pFrame,
    // or null when its window cannot be made.
    static CVrxPSlider* CreateDefaultSlider(DWORD dwAlignment, CWnd* pFrame);

    CVrxPDockingControlBar();
    ~CVrxPDockingControlBar() override;

    // The pane's window, sizeDefault.cy across its side; dwPaneFlags are the
    // bar flags (float, auto-hide, dockable, close). Nonzero on success.
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwPaneFlags);
    using CVrxPControlBar::Create;

    BOOL DocksAtFrameSide() const override { return TRUE; }
    BOOL IsAutoHidden() const override { return m_bAutoHide; }
    // The window's current size, whatever is asked.
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;
    // Docked at the side the alignment names in a default slider of its
    // own, outside the panes already docked there; rect (screen), when
    // given, sets its size.
    BOOL DockAtFrameSide(DWORD dwAlignment, const CRect* pRect, int nReserved1, int nReserved2, int nReserved3,
                         BOOL bBeforeFloatable) override;
    // Leaves its default slider and the frame's bar list.
    void DetachFromSite(BOOL bNoLayout) override;
    // Docked in pOther's default slider, on pOther's dwAlignment side.
    // FALSE when pOther is docked in none or the slider refuses.
    virtual BOOL DockBesidePane(CVrxPDockingControlBar* pOther, DWORD dwAlignment);
    BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    // The window-position menu's actions: float at rectScreen, hide, switch
    // auto-hide.
    BOOL FloatBar(const CRect& rectScreen, int nMethod, BOOL bShow) override;
    void HandleCloseButton() override { ShowPane(FALSE); }
    void ToggleAutoHide() override { SwitchAutoHide(!m_bAutoHide); }

    // The side the pane docks at: the first of bottom, top, left, right
    // that its style names (bottom when none).
    DWORD GetDockSide() const;
    // The sides the pane may dock at (CBRS_ALIGN_* bits).
    void EnableDocking(DWORD dwAlignment) { AllowDocking(dwAlignment & CBRS_ALIGN_ANY); }
    DWORD GetEnabledDockingSides() const { return GetAllowedDocking(); }
    BOOL IsDocked() const { return m_bDocked; }
    // The pane's size across its side: its height at the top or bottom, its
    // width at the left or right.
    int GetHeight() const;
    // Keeps at least minimumHeight; the frame lays out again.
    void SetHeight(int nHeight);

    // Floats the pane in a small frame of its own at rectScreen (empty: its
    // last floating place). FALSE when that frame cannot be made.
    BOOL FloatPane(const CRect& rectScreen = CRect());
    // Back at its side of the frame.
    void DockPane();
    BOOL IsFloating() const { return m_pMiniFrame != nullptr; }
    // Hidden at its side with a button on the frame's auto-hide strip, or
    // docked again. FALSE when the frame keeps no strip on that side.
    BOOL SwitchAutoHide(BOOL bOn);
    BOOL IsAutoHideMode() const { return m_bAutoHide; }
    CVrxPMiniFrameWnd* GetMiniFrame() const { return m_pMiniFrame; }
    // Shown or hidden, floating or docked; the frame lays out again.
    void ShowPane(BOOL bShow);
    BOOL IsPaneVisible() const;

    const CRect& GetRecentDockedRect() const { return GetDockHistory().recentDockedRect; }
    const CRect& GetRecentFloatRect() const { return GetDockHistory().recentFloatRect; }
    // The place read from the registry becomes the pane's: floating at its
    // floating rectangle, or docked at its side with its docked size.
    void ApplyRestoredPlace();

    // The caption buttons in creation order: close (19), pin (9), menu (8).
    INT_PTR GetCaptionButtonCount() const { return m_captionButtons.GetSize(); }
    CVrxPMiniFrameTitleButton* GetCaptionButton(INT_PTR nIndex) const { return m_captionButtons[nIndex]; }
    CVrxPMiniFrameTitleButton* FindCaptionButton(int nHitCode) const;
    // The buttons placed from the caption's right end (window coordinates);
    // those the pane may not use are hidden.
    void ArrangeCaptionButtons(const CRect& rectCaption);
    // The visible button at a screen point, or null.
    CVrxPMiniFrameTitleButton* CaptionButtonAtPoint(CPoint point) const;
    // The pane's share of its container's extent, in percent; the
    // container layout keeps it.
    int GetContainerPercent() const { return m_nContainerPercent; }
    void SetContainerPercent(int nPercent) { m_nContainerPercent = nPercent; }
    // Set while a slider drag resizes the pane.
    BOOL IsBeingSized() const { return m_bBeingSized; }
    void SetBeingSized(BOOL bSized) { m_bBeingSized = bSized; }
    // The slider that holds the pane beside a frame edge, or null. A new
    // one first asks the old one to let the pane go.
    CVrxPSlider* GetDefaultSlider() const;
    void SetDefaultSlider(CVrxPSlider* pSlider);

    // What a drop at the screen point would do with this pane: 3 join it as
    // a tab (on its caption), 2 dock beside it, 0 nothing. nInflate -1 asks
    // whether the point lies in its body; any other value grows the body by
    // it and answers 2 for a point outside.
    virtual int ClassifyDockPoint(CPoint point, int nInflate) const;
    // Shown or not: a pane that is a tab hides its own caption.
    void SetCaptionShown(BOOL bShow);
    BOOL IsCaptionShown() const { return m_bCaptionShown; }
    // The class of the tabbed pane a drop on this pane's caption makes;
    // panes start with the process-wide default (set by the library that
    // holds the tab windows).
    static CRuntimeClass* defaultTabbedBarClass;
    CRuntimeClass* GetTabbedBarClass() const { return m_pTabbedBarClass; }
    void SetTabbedBarClass(CRuntimeClass* pClass) { m_pTabbedBarClass = pClass; }
    // This pane becomes a tab of pTarget's tabbed pane, which is made at
    // pTarget's place when pTarget is no tab yet. This pane when it joined,
    // else null (nothing changed).
    virtual CVrxPDockingControlBar* JoinIntoTabs(CVrxPDockingControlBar* pTarget, BOOL bActivate);
    // A tabbed pane of the tabbed-bar class in this pane's parent, at its
    // place, deleted with its window; null when it cannot be made.
    virtual CVrxPBaseTabbedBar* CreateTabbedBar();
    // pOther takes this pane's place in its slider and in the frame's bar
    // list. FALSE when the pane is docked in no slider.
    BOOL YieldPlaceTo(CVrxPDockingControlBar* pOther);
    // The tabbed pane this pane is a tab of, or null.
    CVrxPBaseTabbedBar* GetTabbedBar() const;

    // Called for a released button other than close and pin.
    virtual void OnCaptionButtonClick(int /*nHitCode*/) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseLeave();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // What a drop at a screen point does with the dragged pane.
    struct DropPlan
    {
        enum Kind
        {
            floatAt,
            frameSide,
            besidePane,
            joinTabs,
        };
        Kind kind = floatAt;
        DWORD dwSide = 0;
        CVrxPDockingControlBar* pTarget = nullptr;
        // Where the pane would go, on the screen.
        CRect rect;
    };
    DropPlan PlanDrop(CPoint pointScreen, CPoint pointGrab) const;
    // The same in marker style: the guide's marker under the cursor decides,
    // and its diamond follows the pane under the cursor.
    DropPlan PlanMarkerDrop(CPoint pointScreen, CPoint pointGrab, CVrxPSmartDockingGuide& guide) const;
    // Where the pane floats when dropped at the point.
    CRect FloatRectAt(CPoint pointScreen, CPoint pointGrab) const;
    BOOL ApplyDrop(const DropPlan& plan);
    // The caption drag: an outline follows the cursor until the button
    // goes up (the pane moves there) or Esc or a lost capture ends it.
    void RunCaptionDrag(CPoint pointGrab);
    int CaptionHeight() const;
    NonClientLayout CurrentLayout() const;
    void CreateCaptionButtons();
    void DeleteCaptionButtons();
    // The hot button follows the cursor; the pressed one stays hot only
    // while the cursor is over it.
    void TrackCaptionButtonHover(CPoint pointScreen);
    void ResetCaptionButtonStates();
    void RedrawCaption();
    void ShowWindowPositionMenuBelow(CVrxPMiniFrameTitleButton* pButton);
    void RelayoutFrame();
    void ShowMiniFrame(BOOL bShow);
    // Back in its frame from its floating frame, which goes.
    void LeaveFloatingFrame();
    // The frame the pane docks in (its own while floating).
    CWnd* DockFrame() const;

    BOOL m_bDocked;
    int m_nHeight;
    CVrxPMiniFrameWnd* m_pMiniFrame;
    CWnd* m_pDockFrame;
    BOOL m_bAutoHide;
    CArray<CVrxPMiniFrameTitleButton*, CVrxPMiniFrameTitleButton*> m_captionButtons;
    // Hit codes of the button under the cursor and of the one held down.
    int m_nHotButton;
    int m_nPressedButton;
    int m_nContainerPercent = 100;
    BOOL m_bBeingSized = FALSE;
    HWND m_hDefaultSlider = NULL;
    BOOL m_bCaptionShown = TRUE;
    CRuntimeClass* m_pTabbedBarClass = defaultTabbedBarClass;
};
