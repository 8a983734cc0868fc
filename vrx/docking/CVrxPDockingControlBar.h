#pragma once

// The library's docking pane, in its first form. Docked, it lies along one
// side of its frame (the side its alignment style names), with a caption
// strip that holds its close button and, on the side facing the frame's
// middle, an edge the mouse drags to resize it. The frame's bar layout
// (WM_SIZEPARENT) gives it its place. A double click on the caption floats
// it in a small frame of its own; a double click on that frame's caption
// docks it again. Its pin button hides it at its side: a button on a strip
// along that side slides it in when clicked (the pin docks it again). Its
// client area is for the window it holds.
//
// Its place is kept under VrxPBuildRegistryPath("VrxControlBars", profile) +
// "VrxPControlBar-<id>": "ID", "RectRecentFloat" and "RectRecentDocked"
// (rectangles), "RecentFrameAlignment", "RecentRowIndex", "IsFloating",
// "MRUWidth", "PinState".

#include "docking/VrxPBarStyles.h"
#include "strings/CRect.h"
#include "strings/CString.h"
#include "windows/CWnd.h"

class CVrxPMiniFrameWnd;

class CVrxPDockingControlBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPDockingControlBar)
public:
    static constexpr int minimumHeight = 40;
    static constexpr const char barsSection[] = "VrxControlBars";
    static constexpr const char barKeyFormat[] = "%sVrxPControlBar-%d";
    static constexpr const char barSubKeyFormat[] = "%sVrxPControlBar-%d%x";
    static constexpr int noMruWidth = 32767;
    // The edge dragged to resize, and the room around the caption's text.
    static constexpr int sizingEdge = 4;
    static constexpr int captionMargin = 3;
    // When 0 the caption's window-position menu button is hidden.
    static int paneCaptionMenuButton;

    // The parts of a docked pane's window, in window coordinates.
    struct NonClientLayout
    {
        CRect sizing;
        CRect caption;
        CRect closeButton;
        CRect pinButton;
        CRect client;
    };
    // Where the parts lie for a pane docked at dwSide (one CBRS_ALIGN_* bit)
    // in a window of the given size; without a side (floating) there is no
    // sizing edge and no caption of its own.
    static NonClientLayout ComputeLayout(DWORD dwSide, CSize sizeWindow, int nCaptionHeight);

    CVrxPDockingControlBar();
    ~CVrxPDockingControlBar() override;

    // The pane's window, sizeDefault.cy across its side. Nonzero on success.
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwPaneFlags);

    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    // The side the pane docks at: the first of bottom, top, left, right
    // that its style names (bottom when none).
    DWORD GetDockSide() const;
    // The sides the pane may dock at (CBRS_ALIGN_* bits).
    void EnableDocking(DWORD dwAlignment) { m_dwDockingSides = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledDockingSides() const { return m_dwDockingSides; }
    BOOL IsDocked() const { return m_bDocked; }
    void SetDocked(BOOL bDocked) { m_bDocked = bDocked; }
    // The pane's size across its side: its height at the top or bottom, its
    // width at the left or right.
    int GetHeight() const { return m_nHeight; }
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

    virtual BOOL CanFloat() const { return TRUE; }
    // nIndex -1: the pane's control id; nSubIndex -1: none. TRUE when the
    // key could be made (or opened) and the values written (read).
    virtual BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex);
    virtual BOOL RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex);
    CString BuildKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const;
    BOOL WasStateRestored() const { return m_bStateRestored; }
    void SetStateRestored(BOOL bRestored) { m_bStateRestored = bRestored; }
    const CRect& GetRecentDockedRect() const { return m_rectRecentDocked; }
    const CRect& GetRecentFloatRect() const { return m_rectRecentFloat; }
    // The place read from the registry becomes the pane's: floating at its
    // floating rectangle, or docked with its docked size.
    void ApplyRestoredPlace();

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int CaptionHeight() const;
    NonClientLayout CurrentLayout() const;
    void RelayoutFrame();
    void ShowMiniFrame(BOOL bShow);
    // The frame the pane docks in (its own while floating).
    CWnd* DockFrame() const;

    CString m_strCaption;
    DWORD m_dwBarStyle;
    DWORD m_dwDockingSides;
    BOOL m_bDocked;
    int m_nHeight;
    // Screen coordinate where a resize drag started, and the size then;
    // -1 while idle.
    int m_nDragStart;
    int m_nDragStartHeight;
    CVrxPMiniFrameWnd* m_pMiniFrame;
    CWnd* m_pDockFrame;
    CRect m_rectRecentFloat;
    CRect m_rectRecentDocked;
    DWORD m_dwRecentAlignment;
    int m_nRecentRowIndex;
    int m_nMruWidth;
    int m_nPinState;
    BOOL m_bRestoredFloating;
    BOOL m_bStateRestored;
    BOOL m_bAutoHide;
};
