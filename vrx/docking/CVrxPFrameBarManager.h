#pragma once

// The docking of one frame window: a dock bar per side that accepts docking,
// the frame's bars in layout order, the dock sites' layout of the client
// area, lookups by id and by point, the sides that accept auto-hide, the bar
// context-menu settings, the process-wide docking style, and the saved
// docking layout (one archive stream in one binary registry value). Panes
// still dock at the frame's sides in their first form, through the
// framework's layout.
//
// Registry: VrxPBuildRegistryPath("VrxPDockManagers", profile) +
// "VrxPDockManager-<frame index>", value "DockingCBAndSliders", the stream
// CVrxPDockStateRecord reads and writes (default sliders with their trees,
// panes, auto-hide records, closed MDI-tab panes). Every bar writes its own
// place first under "VrxControlBars".

#include "collections/CArray.h"
#include "collections/CList.h"
#include "collections/CMap.h"
#include "collections/CObList.h"
#include "core/CObject.h"
#include "strings/CRect.h"
#include "strings/CString.h"

#include <memory>
#include <vector>

class CArchive;
class CVrxPSmartDockingGuide;
class CVrxPDockStateRecord;
class CCmdUI;
class CVrxPAutoHideDockBar;
class CFrameWnd;
struct AFX_CMDHANDLERINFO;
class CRuntimeClass;
class CVrxPBaseControlBar;
class CVrxPControlBar;
class CVrxPDockBar;
class CVrxPDockingControlBar;
class CVrxPMiniFrameWnd;
class CWnd;

class CVrxPFrameBarManager : public CObject
{
public:
    static constexpr const char dockManagersSection[] = "VrxPDockManagers";
    static constexpr const char dockManagerKeyFormat[] = "%sVrxPDockManager-%d";
    static constexpr const char dockStateValueName[] = "DockingCBAndSliders";
    // Bit 1: a dragged bar moves at once; 2: an outline is dragged; 0x80:
    // smart-docking markers.
    static constexpr int defaultDockStyle = 2;
    static constexpr int smartMarkersStyle = 0x80;
    // Stored workspace versions from this one on carry the closed panes.
    static constexpr int closedPanesVersion = 0x90200;

    // One pane that was hidden at its frame's side, as stored.
    struct AutoHideRecord
    {
        int id = -1;
        int alignment = 0;
        int visible = 0;
        CArray<int, int> ids;
        CRect rect;
        int state[3] = {1, 1, 1};
    };

    CVrxPFrameBarManager();
    ~CVrxPFrameBarManager() override;
    CVrxPFrameBarManager(const CVrxPFrameBarManager&) = delete;
    CVrxPFrameBarManager& operator=(const CVrxPFrameBarManager&) = delete;

    BOOL Create(CFrameWnd* pFrame);
    CFrameWnd* GetOwnerFrame() const { return m_pOwnerFrame; }

    // FALSE when the bar is listed already.
    BOOL AddBar(CWnd* pBar, BOOL bAtTail = TRUE);
    BOOL RemoveBarFromList(CWnd* pBar);
    const CObList& GetBarList() const { return m_bars; }
    // A listed bar by its control id, then a bar docked in a dock bar's row.
    CWnd* FindBarByID(UINT nID) const;
    // The first dock bar of that side, from the head or the tail of the list.
    CVrxPDockBar* FindDockBar(DWORD dwAlignment, BOOL bFromHead) const;
    CVrxPDockBar* FindDockBarOfBar(const CVrxPBaseControlBar* pBar) const;
    // The bar of the floating frame under the screen point, else the first
    // listed bar of the class (any with null) whose window, grown by the
    // sensitivity unless bExact, holds the point.
    CVrxPBaseControlBar* BarFromPoint(CPoint point, int nSensitivity, BOOL bExact, CRuntimeClass* pClass,
                                      BOOL bVisibleOnly, const CVrxPBaseControlBar* pExclude) const;

    // Creates a dock bar for each requested side that has none yet, in the
    // order top, bottom, left, right; FALSE at the first that fails.
    BOOL EnableDocking(DWORD dwSides);
    BOOL EnableAutoHideBars(DWORD dwSides);
    DWORD GetDockSides() const { return m_dwDockSides; }
    DWORD GetAutoHideSides() const { return m_dwAutoHideSides; }

    // The strip of a side that hides panes (null when the side does not);
    // made on first use when bCreate.
    CVrxPAutoHideDockBar* AutoHideBarFor(DWORD dwSide, BOOL bCreate);

    // The bars' frames are drawn again (after a change of look).
    void RefreshBarFrames();

    // The floating frames of this frame, in the order they were made.
    BOOL AddMiniFrame(CWnd* pMiniFrame);
    BOOL RemoveMiniFrame(CWnd* pMiniFrame);
    const CObList& GetMiniFrames() const { return m_miniFrames; }
    // Hides the visible floating frames (a main frame only those of its
    // toolbars; its floating panes stay) and shows them again.
    void ShowFloatingFrames(BOOL bShow);
    // Hides the bars whose style asks to be hidden with the in-place bars
    // (CBRS_HIDE_INPLACE), or shows them again; 0.
    int HideBars(BOOL bRestore);
    BOOL AreBarsHidden() const { return m_bBarsHidden; }
    // Print preview hides every visible bar and floating frame; leaving it
    // shows them again.
    void SetPrintPreviewMode(BOOL bPreview);
    BOOL IsPrintPreview() const { return m_bPrintPreview; }
    // The frame stops drawing while locked; its bars and floating frames
    // are brought up to date first.
    void LockUpdate(BOOL bLock);
    BOOL IsUpdateLocked() const { return m_bUpdateLocked; }

    // Gives the frame's client area (or the override) to the frame's bars
    // that size themselves (WM_SIZEPARENT), then the dock bars, the auto-hide
    // strips and the other listed bars; what is left is the outer rectangle,
    // the room after the strips the inner one (frame client coordinates).
    void AdjustDockingLayout(HDWP hdwp = NULL);
    // Places rect against one side of the area; stretched bars are cut to it.
    static void AlignRectToArea(const CRect& rectArea, CRect& rect, DWORD dwSide, BOOL bHorizontal, BOOL bStretch);
    // A bar dropped at a side takes at most half of the outer rectangle.
    BOOL LimitDockedSize(CRect& rect, DWORD dwSide) const;
    // Whether the screen point lies near the inner rectangle (outside it) or
    // the outer one (across its edges).
    BOOL IsPointNearDockSite(CPoint point, DWORD& dwSide, BOOL& bInner) const;
    // What a dragged window's screen point lies over: 0 nothing, 2 a docking
    // edge of one of the sides, else the answer of the pane under it (which
    // pBar names; a floating pane only when both may share a floating frame).
    int ClassifyDockTarget(CPoint point, int nSensitivity, DWORD dwSides, CVrxPBaseControlBar*& pBar,
                           CWnd* pDragged) const;
    // Where the dragged bar, or the bar of a dragged floating frame, would
    // dock when dropped at the point: screen coordinates, empty for nowhere
    // (always while Ctrl is held).
    void CalcExpectedDockedRect(CWnd* pDragged, CPoint point, CRect& rect, BOOL& bDrawAsTab,
                                CVrxPBaseControlBar*& pTargetBar) const;
    // Called on every move of a floating frame and by its timer while the
    // cursor rests: the frame stays on screen, and its bar docks once the
    // cursor has rested over one dock bar for the toolbar delay. TRUE while
    // the frame keeps floating.
    BOOL OnMoveMiniFrame(CVrxPMiniFrameWnd* pMiniFrame);
    // The first visible floating frame, other than pExclude, under the point.
    CVrxPMiniFrameWnd* MiniFrameFromPoint(CPoint point, const CWnd* pExclude) const;
    // Docks the bar into the dock bar of that id (any with 0), at rect.
    void DockControlBar(CVrxPBaseControlBar* pBar, UINT nDockBarId, const CRect* pRect);
    void SetClientOverride(const CRect& rect) { m_rectClientOverride = rect; }
    const CRect& GetOuterRect() const { return m_rectOuter; }
    const CRect& GetInnerRect() const { return m_rectInner; }
    // The guide of marker-style drags, made anew after a look change.
    CVrxPSmartDockingGuide* GetSmartDockingGuide();
    // The guide shown over the free docking area for a dragged window that
    // docks at the given sides; null when it cannot be made.
    CVrxPSmartDockingGuide* ShowSmartDockingGuide(CWnd* pDragged, DWORD dwAllowedSides);
    static constexpr int maxDockedPercent = 50;
    // Clock ticks a floating frame waits over a dock bar, and over a pane
    // or a frame edge, before it docks.
    static constexpr int toolbarDockDelay = 200;
    static constexpr int paneDockDelay = 220;

    void SetBarContextMenu(BOOL bEnable, UINT nCustomizeCommand, LPCTSTR lpszCustomizeLabel, BOOL bToolbarsOnly);
    BOOL IsBarMenuEnabled() const { return m_bBarMenuEnabled; }
    UINT GetCustomizeCommand() const { return m_nCustomizeCommand; }
    const CString& GetCustomizeLabel() const { return m_strCustomizeLabel; }
    BOOL IsBarMenuToolbarsOnly() const { return m_bBarMenuToolbarsOnly; }

    // The popup of the frame's bars by caption, checked while shown, then
    // the customise command; choosing a bar shows or hides it. FALSE when
    // the menu is off or there is no frame.
    BOOL ShowBarListMenu(int x, int y);
    // One item per bar that can be closed (toolbars first), then the
    // customise item.
    void BuildBarMenu(HMENU hMenu, BOOL bToolbarsOnly);
    std::vector<CWnd*> CollectBars() const;
    // The frame's routing ends here: a bar item's update and command.
    BOOL OnBarMenuCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    void OnBarMenuClosed() { m_bBarMenuShown = FALSE; }
    static BOOL IsBarVisible(CWnd* pBar);
    void SetBarShown(CWnd* pBar, BOOL bShow);

    // TRUE when the registry value was written.
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
    // TRUE when the value existed and the whole stream was read; a stream
    // that cannot be read leaves nothing to apply.
    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex);
    // Puts the panes read by LoadState back in their places.
    virtual void ApplyState();
    void Serialize(CArchive& ar) override;

    BOOL IsLoadFailed() const { return m_bLoadFailed; }
    INT_PTR GetAutoHideRecordCount() const { return m_autoHideRecords.GetSize(); }
    const AutoHideRecord& GetAutoHideRecord(INT_PTR nIndex) const { return *m_autoHideRecords[nIndex]; }
    INT_PTR GetClosedPaneIdCount() const { return m_closedPaneIds.GetSize(); }
    int GetClosedPaneId(INT_PTR nIndex) const { return m_closedPaneIds[nIndex]; }

    // The docking style of bars without one of their own; a request for the
    // markers alone also moves bars at once.
    static void SetGlobalDockStyle(int nStyle);
    static int GetGlobalDockStyle();

    static CString BuildKeyPath(LPCTSTR lpszProfileName, int nIndex);

private:
    // Each takes its strip from the free area (screen coordinates) and adds
    // its move to the batch.
    HDWP LayoutSelfSizingBars(CRect& rectFree, HDWP hdwp);
    static HDWP SendSizeParent(CWnd* pBar, CRect& rectFree, HDWP hdwp);
    HDWP LayoutBarAtEdge(CVrxPBaseControlBar* pBar, CRect& rectFree, HDWP hdwp);

    void StoreDockList(CVrxPDockStateRecord& record);
    void LoadDockList(const CVrxPDockStateRecord& record);
    void LoadAutoHideRecords(const CVrxPDockStateRecord& record);
    void ForgetLoad();

    CFrameWnd* m_pOwnerFrame;
    CObList m_bars;
    CObList m_miniFrames;
    CList<HWND, HWND> m_hiddenMiniFrames;
    CList<HWND, HWND> m_hiddenBars;
    CList<HWND, HWND> m_previewHidden;
    BOOL m_bBarsHidden = FALSE;
    BOOL m_bPrintPreview = FALSE;
    BOOL m_bUpdateLocked = FALSE;
    // The auto-hide strips, owned.
    CObList m_autoHideBars;
    // Panes found by the last load, waiting for ApplyState.
    CObList m_loadedPanes;
    CArray<AutoHideRecord*, AutoHideRecord*> m_autoHideRecords;
    CArray<int, int> m_closedPaneIds;
    DWORD m_dwDockSides;
    DWORD m_dwAutoHideSides;
    CRect m_rectClientOverride;
    CRect m_rectOuter;
    CRect m_rectInner;
    BOOL m_bLayoutBusy = FALSE;
    // What a moving floating frame has rested over since when (clock ticks).
    CObject* m_pHoverTarget = nullptr;
    int m_nHoverKind = 0;
    long m_nHoverStart = 0;
    BOOL m_bLoadFailed;
    BOOL m_bBarMenuEnabled;
    BOOL m_bBarMenuShown;
    // Command id (the bar's control id) of each listed bar.
    CMap<UINT, UINT, CWnd*, CWnd*> m_barMenuItems;
    BOOL m_bBarMenuToolbarsOnly;
    UINT m_nCustomizeCommand;
    CString m_strCustomizeLabel;
    std::unique_ptr<CVrxPSmartDockingGuide> m_pSmartDockingGuide;
};
