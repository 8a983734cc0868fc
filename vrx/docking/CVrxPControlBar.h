#pragma once

// The bar the user drags, floats and docks: toolbars, the menu bar and the
// panes derive from it. It keeps the margins of its client area, a saved
// layout rectangle that its dock-bar row fits it by (in the parent's client
// coordinates), a minimum size, the drag state and its recent floating and
// docked places.
//
// Registry: VrxPBuildRegistryPath("VrxControlBars", profile) +
// "VrxPControlBar-<id>" (or "VrxPControlBar-<id><sub-index in hex>"), then
// the base bar's key:
//   "ID" REG_DWORD, "RectRecentFloat" and "RectRecentDocked" REG_BINARY
//   16 bytes (left, top, right, bottom, int32 little-endian),
//   "RecentFrameAlignment", "RecentRowIndex", "IsFloating", "MRUWidth",
//   "PinState" REG_DWORD.

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPDockHistory.h"

class CVrxPControlBar : public CVrxPBaseControlBar
{
    DECLARE_DYNCREATE(CVrxPControlBar)
public:
    static constexpr const char barsSection[] = "VrxControlBars";
    static constexpr const char barKeyFormat[] = "%sVrxPControlBar-%d";
    static constexpr const char barSubKeyFormat[] = "%sVrxPControlBar-%d%x";
    static constexpr int noMruWidth = 32767;
    // Pixels a gripper takes from the client area.
    static constexpr int gripperSize = 7;
    // Docking methods.
    static constexpr int dockByWindowMenu = 0;
    static constexpr int dockByMouse = 1;
    static constexpr int dockToRecentPlace = 2;
    static constexpr int dockWhileApplying = 3;
    static constexpr int dockAtRect = 4;
    static constexpr int dockAfterOutline = 5;
    // Commands of the window-position menu.
    static constexpr int commandFloating = -102;
    static constexpr int commandDocking = -103;
    static constexpr int commandAutoHide = -104;
    static constexpr int commandHide = -105;
    static constexpr int commandTabbedDocument = -106;

    CVrxPControlBar() = default;

    BOOL DocksAtFrameSide() const override { return FALSE; }
    BOOL CanDockToSite(const CVrxPBaseControlBar* pSite) const override;
    void SyncLayoutRect() override;
    BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    BOOL RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    void CopyStateFrom(const CVrxPBaseControlBar& bar) override;

    BOOL DockToTarget(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod) override;
    // Floats the bar in a floating frame whose client area is at rectScreen;
    // method 1 keeps the grab point under the cursor. FALSE only when the
    // frame cannot be made.
    BOOL FloatBar(const CRect& rectScreen, int nMethod, BOOL bShow) override;
    void LeaveCurrentSite(CWnd* pNewParent, BOOL bDelay) override;
    BOOL OnAfterReparent(CWnd* pOldParent) override;
    void DetachFromSite(BOOL bNoLayout) override;

    // The window-position menu at the screen point, and what its command
    // does. FALSE when nothing was shown (no context-menu manager, a bar
    // that may neither dock nor float, or a refusal of the hook).
    virtual BOOL ShowWindowPositionMenu(int x, int y);
    virtual BOOL PrepareWindowPositionMenu(HMENU /*hMenu*/) { return TRUE; }
    virtual BOOL AcceptWindowPositionCommand(UINT /*nCommand*/) { return TRUE; }
    virtual BOOL CanBecomeTabbedDocument() const { return FALSE; }
    // What a chosen command does (menus carry its low word, sign-extended
    // here); a tabbed document is nothing yet, its item stays grayed.
    void RunWindowPositionCommand(int nCommand);
    // The close button's and the menu's Hide: the bar hides, its frame lays
    // out again.
    virtual void HandleCloseButton();
    virtual void ToggleAutoHide() {}

    virtual BOOL IsInDragMode() const { return inDragMode; }
    virtual CSize GetMinimumSize() const { return minimumSize; }
    // How much shorter along its side the window is than its saved rectangle.
    virtual int GetMissingLength() const;
    // How much longer along its side the window is than its minimum (may be
    // negative).
    virtual int GetSpareLength() const;
    virtual BOOL CanShareRow() const { return exclusiveRow == 0; }
    virtual void SetExclusiveRow(int nMark) { exclusiveRow = nMark; }
    virtual int GetExclusiveRow() const { return exclusiveRow; }
    virtual void SetActiveInGroup(int nActive) { activeInGroup = nActive; }
    // Grows the window's end by at most its missing length or shrinks it by
    // at most its spare length; the applied delta.
    virtual int StretchBy(int nDelta);
    // The window goes to rect (screen), kept at least its minimum size
    // unless bNoMinimum; the size change.
    virtual CSize ResizeToRect(const CRect& rectScreen, BOOL bNoMinimum);
    virtual CSize GetSizeChange(const CRect& rectScreen) const;
    // Resized to its computed size; in a row, the row refits it.
    virtual void UpdateBarSize(BOOL bRelayout);
    virtual BOOL AttachToDockSite(CVrxPBaseControlBar* pSite, int nMethod);
    virtual BOOL DockByMouse(CVrxPBaseControlBar* pTarget) { return DockToTarget(pTarget, nullptr, dockByMouse); }
    virtual BOOL OnBeforeDock(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod);
    virtual void OnAfterDock(CVrxPBaseControlBar* /*pTarget*/, const CRect* /*pRect*/, int /*nMethod*/) {}
    virtual void MoveIntoParent(CWnd* pNewParent, int nMethod);
    virtual BOOL DockByMethod(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod);
    virtual void RememberRecentDockPlace();
    // Whether the bar should change place: a docked bar pulled out of its
    // dock bar, a floating one over a dock bar it may dock to.
    virtual BOOL HitTestDropTarget(int nThreshold, CVrxPDockBar*& pDockBar);
    virtual void OnBecameFloating();
    // Captures the mouse and runs the drag until the button is released,
    // Esc is pressed or the capture is lost.
    virtual void BeginDragFromCursor(BOOL bSetGrabOffset);
    virtual void StopDrag();
    BOOL IsDragging() const { return dragging; }
    virtual BOOL Create(LPCTSTR lpszClassName, DWORD dwStyle, const CRect& rectWindow, CWnd* pParentWnd, UINT nID,
                        DWORD dwBarFlags, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle, const CRect& rectWindow,
                          CWnd* pParentWnd, UINT nID, DWORD dwBarFlags, CCreateContext* pContext = nullptr);
    using CWnd::CreateEx;

    // The client rectangle less the borders, margins and gripper.
    void ApplyBorderInsets(CRect& rectClient, BOOL bHorizontal) const;
    void SetBorderInsets(int nLeft, int nTop, int nRight, int nBottom);
    // The saved rectangle from the window and the computed size.
    void RecomputeLayoutRect();
    void SetLayoutRectSize(int cx, int cy);
    void OffsetSavedRect(int dx, int dy);
    CRect GetSavedRectScreen() const;
    const CRect& GetSavedRect() const { return savedRect; }
    // Whether the point lies before the bar along its dock bar.
    BOOL IsPointBefore(CPoint point, BOOL bScreen) const;
    // Across its row by delta, with the saved rectangle.
    void MoveAcross(DWORD dwAlignment, int nDelta);
    void RememberDockedRect();

    CVrxPDockHistory& GetDockHistory() { return history; }
    const CVrxPDockHistory& GetDockHistory() const { return history; }
    int GetMruWidth() const { return mruWidth; }
    void SetMruWidth(int nWidth) { mruWidth = nWidth; }
    int GetPinState() const { return pinState; }
    BOOL GetRestoredFloating() const { return restoredFloating; }
    const CRect& GetRestoredDockedRect() const { return restoredDockedRect; }
    int GetControlId() const { return controlId; }
    CPoint GetGrabOffset() const { return grabOffset; }
    void SetMinimumSize(CSize size) { minimumSize = size; }
    CString BuildKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const;

    BOOL changedRowDuringDrag = FALSE;
    int firstInGroup = 1;
    int lastInGroup = 1;
    int activeInGroup = 1;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    CRect WindowRectInParent() const;
    // One step of the drag to the cursor.
    void DragTo(CPoint cursor);
    // Ends the drag; bRestore puts the bar back where the drag began.
    void EndDrag(BOOL bRestore);
    void RestoreDragStartPlace();

    // Where the drag began: the dock bar and the rectangle in it, or the
    // floating frame's rectangle.
    CVrxPDockBar* dragStartDockBar = nullptr;
    CRect dragStartPlace;
    CPoint lastCursor{0, 0};

    int leftMargin = 6;
    int rightMargin = 6;
    int topMargin = 2;
    int bottomMargin = 2;
    int gap = 2;
    int mruWidth = noMruWidth;
    CRect savedRect;
    CRect dragStartRect;
    BOOL dragging = FALSE;
    int controlId = 0;
    CPoint grabOffset{0, 0};
    BOOL suppressForward = FALSE;
    int inDragMode = 0;
    int exclusiveRow = 0;
    int pinState = 0;
    CSize minimumSize{1, 1};
    CVrxPDockHistory history;
    CRect restoredDockedRect;
    int restoredFloating = 0;
};
