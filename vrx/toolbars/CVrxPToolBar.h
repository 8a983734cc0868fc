#pragma once

// The library's toolbar: a control bar that docks in the rows of its frame's
// dock bars or floats in a mini frame, sizes itself from its buttons (one
// row docked, wrapped at its recent length floating), tracks the button
// under the mouse and sends a clicked button's command to its owner. It keeps
// its buttons in the registry and holds the options shared by every toolbar
// and menu.
//
// Registry, under P = VrxPBuildRegistryPath("VrxToolBars", profile):
//   P + "VrxToolBar-<id>" (or "VrxToolBar-<id><frame id in hex>"):
//     "Name" (string), "Buttons" (the bar's archive: int32 alignment bits,
//     int32 visible, the button list as an object list, int32 text-labels
//     flag, the window text, int32 most-recently-used floating length),
//     "OriginalItems" and "OrigResetItems" (the resource items and the
//     buttons a reset brings back, each a button list as in "Buttons";
//     written only when not empty)
//   P + "VrxToolbarParameters": "Tooltips", "ShortcutKeys", "LargeIcons",
//     "MenuAnimation", "RecentlyUsedMenus", "MenuShadows",
//     "ShowAllMenusAfterDelay", "Look2000" (int each)

#include "collections/CList.h"
#include "collections/CObList.h"
#include "docking/CVrxPControlBar.h"
#include "docking/VrxPBarStyles.h"
#include "strings/CRect.h"
#include "toolbars/CVrxPBarPainter.h"
#include "toolbars/CVrxPButtonDragTarget.h"
#include "toolbars/CVrxPToolbarLayout.h"

#include <map>
#include <vector>

class CCmdTarget;
class CDC;
class COleDataObject;
class CVrxPToolbarButton;
class CVrxPToolbarImageList;

class CVrxPToolBar : public CVrxPControlBar
{
    DECLARE_SERIAL(CVrxPToolBar)
public:
    static constexpr const char toolBarsSection[] = "VrxToolBars";
    static constexpr const char toolBarKeyFormat[] = "%sVrxToolBar-%d";
    static constexpr const char toolBarFrameKeyFormat[] = "%sVrxToolBar-%d%x";
    static constexpr const char parametersKeyFormat[] = "%sVrxToolbarParameters";
    static constexpr int mruLengthVersion = 0x60200;
    // Room around a button's text.
    static constexpr int buttonPaddingX = 6;
    static constexpr int buttonPaddingY = 3;
    static constexpr int separatorWidth = 8;
    // The buttons of a row start this far into the client area.
    static constexpr int firstPosition = 1;
    // The layout modes of ComputeLayoutSize.
    static constexpr int layoutStretch = 0x01;
    static constexpr int layoutHorizontal = 0x02;
    static constexpr int layoutMruWidth = 0x04;
    static constexpr int layoutHorizontalDock = 0x08;
    static constexpr int layoutVerticalDock = 0x10;
    static constexpr int layoutLengthIsHeight = 0x20;
    static constexpr int layoutCommit = 0x40;
    // The smallest a bar gets along and across its side.
    static constexpr int minimumLength = 40;
    static constexpr int minimumThickness = 16;
    // Menu animation 999 follows the system's setting.
    static constexpr int systemMenuAnimation = 999;

    CVrxPToolBar();
    ~CVrxPToolBar() override;

    // The bar's window, a child of pParent, that may float and dock. FALSE
    // on failure.
    virtual BOOL CreateWithDefaultStyle(CWnd* pParent, DWORD dwStyle, UINT nID);

    void AllowDocking(DWORD dwAlignment) override;
    // Floating: set when the bar's parent becomes a mini frame.
    BOOL IsFloatingInMiniFrame() const override { return m_bFloatingInMiniFrame; }
    BOOL OnAfterReparent(CWnd* pOldParent) override;
    void OnAfterDock(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod) override;
    void OnBecameFloating() override;
    // The floating frame then fits the wrapped bar.
    BOOL FloatBar(const CRect& rectScreen, int nMethod, BOOL bShow) override;
    CSize GetMinimumSize() const override;

    int GetCount() const { return static_cast<int>(m_buttons.GetCount()); }
    CVrxPToolbarButton* GetButton(int nIndex) const;
    // The bar takes the button at nIndex (-1 or the count: at the end); its
    // index. -1, the button still the caller's, for an index outside the
    // list or a forbidden command.
    int InsertButtonAt(CVrxPToolbarButton* pButton, int nIndex = -1);
    // A copy of the button, made by its class, goes in as InsertButtonAt.
    int InsertButtonCopy(const CVrxPToolbarButton& button, int nIndex = -1);
    // Refused (-1) on an empty bar and at index 0: no bar starts with one.
    int InsertSeparatorAt(int nIndex = -1);
    // Also removes the separators it leaves at the end or doubled.
    virtual BOOL RemoveButtonAt(int nIndex);
    void DeleteAllButtons();
    // First index at or after nStart whose button has the command, else -1.
    int CommandToIndex(UINT nID, int nStart = 0) const;
    // The button under a client point, or -1.
    virtual int ButtonIndexAtPoint(CPoint point) const;
    // The button's tooltip: the command's tip from its string resource, else
    // the text without mnemonic marks; with the shortcut-keys option the
    // command's first shortcut in the owner frame follows ("Save (Ctrl+S)").
    CString TooltipText(const CVrxPToolbarButton& button) const;
    // The tooltips option off: no tool; otherwise the child control or the
    // button under the point, its command the tool id.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // The dock bar has fitted its rows: the bar takes its computed thickness.
    void AdjustBarLayout() override;
    // Its length along its side when stretched, else what its buttons need.
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;
    // The size of the bar (borders included) for a layout mode and a length
    // (-1: the bar's own).
    virtual CSize ComputeLayoutSize(int nMode, int nLength);
    // Wraps the buttons for the length; the laid-out buttons' size.
    virtual CSize SizeForLength(int nLength, BOOL bByHeight);
    // Places the buttons in the client area: each row from firstPosition,
    // as high as the effective button height.
    virtual void LayoutButtons();
    // The window takes its computed size, the frame or mini frame lays out
    // again and the buttons are placed.
    virtual void RecalcBarLayout();
    // A resized bar's floating frame fits it, its dock row refits it, or
    // the frame lays out again.
    void FitSurroundings(CSize size);
    // The buttons take the states their commands' update handlers give; with
    // bDisableIfNoHndler a command nobody handles is disabled (a user tool
    // never is).
    virtual void OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // The same for one button; a press and its release ask again, so a
    // command disabled since the last idle time does not run.
    void UpdateButtonCmdUI(int nIndex, CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // The update a click runs: the owner for commands as the target.
    void UpdateButtonCmdUI(int nIndex);
    // The button takes the style; a change is drawn.
    virtual void ChangeButtonStyle(int nIndex, UINT nStyle);
    // Where the bar's commands and their updates go.
    CWnd* GetOwnerForCommands() const;
    // The button height of the bar: the tallest measured button.
    int EffectiveButtonHeight() const { return m_nButtonHeight; }
    // The button under the mouse, or chosen from the keyboard; -1 none.
    int GetHotIndex() const { return m_nHot; }
    // The button pressed by the mouse; -1 none.
    int GetPressedIndex() const { return m_nPressed; }
    // Drawn highlighted: the hot button while no other button is pressed,
    // or the pressed one while the mouse is over it.
    BOOL IsButtonHighlighted(int nIndex) const;

    // Hot tracking across bars, on while a frame's menu bar is in menu mode:
    // a mouse hook of this thread hands every move to the bar under the
    // cursor and clears the bar the cursor left. Off cancels every bar's
    // pressed and hot button.
    static void SetHotTrackHook(BOOL bOn);
    static BOOL IsHotTrackHookInstalled() { return hotTrackHook != NULL; }

    // Keyboard mode. The button chosen from the keyboard, -1 none.
    int GetKeyboardIndex() const { return m_nKeyboard; }
    // Choosing the current one again clears it; the hot button follows it.
    virtual void SetHighlightedIndex(int nIndex);
    // Null clears the keyboard highlight.
    BOOL HighlightButton(CVrxPToolbarButton* pButton);
    // The hot button goes, the idle prompt shows and the focus goes back to
    // the window that had it before the bar.
    void ClearHighlight();
    void RestoreSavedFocus();
    // The button whose mnemonic is the key's character runs its command;
    // FALSE when the key makes no character or no button has it.
    virtual BOOL HandleMnemonicKey(UINT nChar);
    // The button's command goes to the owner; FALSE for a button without one.
    virtual BOOL ExecuteByKeyboard(CVrxPToolbarButton* pButton);
    // The upper-cased character after the first '&' of every button that
    // shows its text.
    void RebuildMnemonicMap();
    // The status-bar prompt for a command: the message id sent, or 0 while
    // the hot-track hook is on (no prompt then).
    UINT ShowCommandPrompt(UINT nCommand) const;
    // The string id the status bar shows for a command: system commands
    // their own range, the idle message for none.
    static UINT PromptStringId(UINT nCommand);
    // A disabled button may become hot (menus highlight greyed items).
    virtual BOOL HighlightsDisabledItems() const { return FALSE; }

    void Serialize(CArchive& ar) override;
    // nIndex -1: the bar's control id; nID -1: the short key form.
    BOOL StoreToRegistry(LPCTSTR lpszProfile, int nIndex = -1, int nID = -1) override;
    BOOL RestoreFromRegistry(LPCTSTR lpszProfile, int nIndex = -1, int nID = -1) override;
    // Removes the key the bar's buttons are stored under.
    virtual BOOL RemoveStateFromRegistry(LPCTSTR lpszProfile, int nIndex = -1, int nID = -1);
    CString BuildToolbarKeyPath(LPCTSTR lpszProfile, int nIndex, int nID) const;
    // The bar's resource items differ from those saved with its state.
    virtual BOOL HasChangedOriginals() { return m_bOriginalsChanged; }
    // The user may hide the bar (the bars' list offers it).
    virtual BOOL CanBeClosed() const { return TRUE; }
    // The customise sheet's Toolbars page lists the bar.
    virtual BOOL IsListedOnToolbarsPage() const { return TRUE; }
    virtual void RefreshButtonImages();
    // Measures and places the buttons again in the library's current fonts.
    virtual void RefreshButtonFonts();
    // At library shutdown: the shared lists lose their images, and the image
    // lists' drawing resources and the menu glyphs are freed.
    static void ReleaseSharedImages();
    // Loading from a toolbar resource: its commands become the buttons, its
    // bitmap (nImagesId, 0: the toolbar's id) is appended to the shared
    // image list (a locked bar: to its own list) and the commands map to
    // consecutive images. FALSE, the bar as it was, when the resource or the
    // bitmap is missing or damaged.
    virtual BOOL LoadToolbarResource(UINT nToolbarId, BOOL bLocked = FALSE, UINT nImagesId = 0);
    // The buttons of the ids (0 a separator; a leading one is dropped), in
    // order; with bRemap each takes the next image and the default image
    // map learns it, else only commands the map knows come in. The resource
    // items are replaced by the ids. With a window, the frame hears of the
    // reset ("VrxTOOLBAR_RESETTOOLBAR", wParam the resource id) and may
    // change the buttons; they are then what a reset brings back.
    virtual BOOL AssignButtons(const UINT* pIds, int nCount, BOOL bRemap);
    UINT GetResourceId() const { return m_nResourceId; }
    BOOL CanRestoreOriginal() const { return m_nResourceId != 0; }
    // The bar is loaded again from its resource (its images stay).
    virtual BOOL RestoreOriginalState();
    // One plain button per command of the bar's resource, in its order.
    const CObList& OriginalItems() const { return m_originalItems; }
    // Brings saved buttons in line with a resource changed since they were
    // saved: commands the resource dropped leave the bar, new ones come in
    // at their resource position. TRUE when the resource items differ from
    // the stored ones.
    BOOL MergeOriginalItems(const CObList& stored);
    // The image index the resources gave a command, or -1.
    static int DefaultImageOf(UINT nCommand);
    static void ForgetDefaultImages();
    const CObList& ResetButtons() const { return m_resetButtons; }
    // The bar takes the buttons over; the list is left empty.
    void ReplaceResetButtons(CObList& buttons);

    static CVrxPToolbarImageList* UserImageList() { return userImages; }
    static void SetUserImageList(CVrxPToolbarImageList* pImages) { userImages = pImages; }
    // The bar's own image list (not owned), when it has one.
    BOOL HasOwnImages() const { return m_pOwnImages != nullptr; }
    CVrxPToolbarImageList* OwnImages() const { return m_pOwnImages; }
    void SetOwnImages(CVrxPToolbarImageList* pImages) { m_pOwnImages = pImages; }
    // The lists the toolbars share (not owned), null when none.
    static CVrxPToolbarImageList* SharedImages() { return sharedImages; }
    static CVrxPToolbarImageList* SharedSecondImages() { return sharedSecondImages; }
    static void SetSharedImages(CVrxPToolbarImageList* pFirst, CVrxPToolbarImageList* pSecond);
    // Where the button's image is: the bar's own list, the user list for a
    // user image, else the first shared list that holds images.
    CVrxPToolbarImageList* ImagesFor(const CVrxPToolbarButton& button) const;

    // Commands the application keeps off every bar (empty in korvo).
    static CList<UINT, UINT>& ForbiddenCommands();
    static void ReplaceBasicCommands(const CList<UINT, UINT>& commands);
    static const CList<UINT, UINT>& BasicCommands();
    // One use of the command for the shortened menus (not in customise
    // mode, nor for basic or reserved commands).
    static void RecordCommandUse(UINT nCommand);
    // A command shortened menus may hide: never in customise mode, without
    // a basic-commands list, nor for basic, reserved or task-pane commands.
    static BOOL IsRarelyUsedCommand(UINT nCommand);
    static BOOL StoreGlobalOptions(LPCTSTR lpszProfile);
    // The values read up to the first missing one take effect.
    static BOOL ReadGlobalOptions(LPCTSTR lpszProfile);

    // A button can be dragged with Alt held outside customise mode.
    static BOOL AltDragEnabled;
    static BOOL customizeMode;
    // Set for the length of an Alt-drag, which turns customise mode on
    // while it lasts.
    static BOOL altCustomizing;

    // Every bar hears of the change first, then lays out and is redrawn;
    // turning off forgets the selected bar. FALSE when the mode is already
    // so.
    static BOOL SetCustomizeMode(BOOL bOn);
    // Nothing stays pressed, hot or selected; hosted controls are usable
    // only outside the mode.
    virtual void OnCustomizeModeChanged(BOOL bOn);
    // The bar whose button is selected in customise mode, or null.
    static CVrxPToolBar* SelectedBar() { return selectedBar; }
    int GetSelectedIndex() const { return m_nSelected; }
    // A locked bar is out of customisation: no drops, no selection.
    BOOL IsLocked() const { return m_bLocked; }
    // The bar lets its buttons be dragged with Alt held.
    virtual BOOL AllowsAltDrag() const { return TRUE; }
    // A button dragged off the bar is removed when this agrees.
    virtual BOOL ConfirmDragRemoval(CVrxPToolbarButton* pButton, DROPEFFECT effect) { return TRUE; }

    // The drop side of button drags, called by the bar's drop target.
    // Copy with Ctrl held, else move; none where nothing can go.
    DROPEFFECT HandleDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    DROPEFFECT HandleDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    void HandleDragLeave();
    BOOL HandleDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Where a button dropped at the client point goes, and the 6-px mark
    // that shows it; -1 and an empty mark where nothing can go.
    int DropIndexAtPoint(CPoint point, CRect* pMark) const;
    int GetDropIndex() const { return m_nDropIndex; }
    const CRect& GetInsertMark() const { return m_rectInsertMark; }
    void DrawInsertMark(CDC* pDC) const;
    // The button the drop brings, ready for this bar, or null.
    virtual CVrxPToolbarButton* ButtonFromDropData(COleDataObject* pDataObject);
    // A button dropped a little forwards of its place starts a group; a
    // little backwards, it joins the group before it.
    void AdjustGroupByDragOffset(CVrxPToolbarButton* pButton, CPoint pointStart, CPoint pointDrop);
    // The text colour of a hot button: hotTextColor, or the bar text when
    // that is -1.
    static COLORREF ControlTextColor();
    static COLORREF hotTextColor;
    static BOOL showTooltips;
    static BOOL showShortcutKeys;
    static BOOL largeIcons;
    static int menuAnimation;
    static BOOL menuShadows;
    static BOOL showAllMenusAfterDelay;
    // The status bar's message when nothing is pointed at.
    static constexpr UINT idleMessageId = 0xE001;

protected:
    virtual CSize MeasureButton(CDC& dc, const CVrxPToolbarButton& button) const;
    // Every button measured in the bar's font, ready for the row arithmetic;
    // also sets the effective button height.
    std::vector<VrxPLaidButton> MeasureButtons();
    // The length the rows of a horizontal bar wrap at: a floating bar's
    // client width, else unlimited (one row).
    virtual int WrapLength(const CRect& rectClient) const;
    // The border insets, as the rectangle an empty client area becomes.
    CRect BorderInsets(BOOL bHorizontal) const;
    void PaintBar(CDC* pDC) override;
    virtual void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed);
    virtual void DrawSeparator(CDC& dc, const CRect& rect, BOOL bHorizontal);
    void SendIdlePrompt() const;
    // The wParam of a WM_SETMESSAGESTRING, to the owner (or the parent).
    void SendPrompt(UINT nStringId) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A click released on the button: its command goes to the owner.
    virtual void OnClickButton(int nIndex);
    void SetHotIndex(int nIndex);
    CString ShortcutText(UINT nCommand) const;
    // Deletes one entry, keeping the hot and pressed indexes on their buttons.
    void DeleteEntry(int nIndex);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcPaintRegion(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // A press in customise mode or with Alt held selects and drags a
    // button; FALSE when it is an ordinary press.
    BOOL HandleCustomizePress(UINT nFlags, CPoint point);
    void DragButton(int nIndex, CPoint point);
    void SelectButton(int nIndex);
    // The frame around the selected button and the insert mark.
    void PaintCustomizeMarks(CDC& dc);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnButtonCount(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    CObList m_buttons;
    CObList m_resetButtons;
    CObList m_originalItems;
    UINT m_nResourceId;
    BOOL m_bLocked;
    // Where the bar's bitmap starts in the shared image list.
    int m_nFirstSharedImage;
    CVrxPBarPainter m_painter;
    BOOL m_bTextLabels;
    BOOL m_bOriginalsChanged;
    int m_nMruLength;
    int m_nButtonHeight;
    BOOL m_bFloatingInMiniFrame;
    // The wraps found by the last size computation, kept for the placing.
    std::vector<VrxPLaidButton> m_laid;
    int m_nHot;
    int m_nPressed;
    BOOL m_bTrackingLeave;
    int m_nKeyboard;
    // The last mouse position the bar handled; a repeat is ignored.
    CPoint m_lastMouse;
    // The window that had the focus before the bar took it.
    HWND m_hSavedFocus;
    std::map<UINT, CVrxPToolbarButton*> m_mnemonics;

    CVrxPToolbarImageList* m_pOwnImages;

    CVrxPButtonDragTarget m_dropTarget;
    int m_nSelected;
    int m_nDropIndex;
    CRect m_rectInsertMark;
    // The button being dragged from this bar, and where the drag began.
    CVrxPToolbarButton* m_pDragged;
    CPoint m_dragStart;
    BOOL m_bDragCopy;
    static CVrxPToolBar* selectedBar;

    // The bar the mouse last moved over, while its window exists.
    static CVrxPToolBar* hoveredBar;
    static HHOOK hotTrackHook;
    static LRESULT CALLBACK HotTrackHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The bar under the cursor takes the move; the bar left behind is cleared.
    static void TrackHotAcrossBars(CPoint pointScreen);
    static CVrxPToolbarImageList* userImages;
    static CVrxPToolbarImageList* sharedImages;
    static CVrxPToolbarImageList* sharedSecondImages;
};
