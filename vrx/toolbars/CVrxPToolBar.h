#pragma once

// The library's toolbar, in its first form: a bar docked along the top of
// its frame that shows rows of buttons wrapped at the frame's width, tracks
// the button under the mouse
// and sends a clicked button's command to its owner. It keeps its buttons in
// the registry and holds the options shared by every toolbar and menu.
//
// Registry, under P = VrxPBuildRegistryPath("VrxToolBars", profile):
//   P + "VrxToolBar-<id>" (or "VrxToolBar-<id><frame id in hex>"):
//     "Name" (string), "Buttons" (the bar's archive: int32 alignment bits,
//     int32 visible, the button list as an object list, int32 text-labels
//     flag, the window text, int32 most-recently-used floating length)
//   P + "VrxToolbarParameters": "Tooltips", "ShortcutKeys", "LargeIcons",
//     "MenuAnimation", "RecentlyUsedMenus", "MenuShadows",
//     "ShowAllMenusAfterDelay", "Look2000" (int each)

#include "collections/CList.h"
#include "collections/CObList.h"
#include "docking/VrxPBarStyles.h"
#include "strings/CRect.h"
#include "windows/CWnd.h"

class CDC;
class CVrxPToolbarButton;
class CVrxPToolbarImageList;

class CVrxPToolBar : public CWnd
{
    DECLARE_SERIAL(CVrxPToolBar)
public:
    static constexpr const char toolBarsSection[] = "VrxToolBars";
    static constexpr const char toolBarKeyFormat[] = "%sVrxToolBar-%d";
    static constexpr const char toolBarFrameKeyFormat[] = "%sVrxToolBar-%d%x";
    static constexpr const char parametersKeyFormat[] = "%sVrxToolbarParameters";
    static constexpr int mruLengthVersion = 0x60200;
    // Room around a button's text, and around the row of buttons.
    static constexpr int buttonPaddingX = 6;
    static constexpr int buttonPaddingY = 3;
    static constexpr int barMargin = 2;
    static constexpr int separatorWidth = 8;
    // Menu animation 999 follows the system's setting.
    static constexpr int systemMenuAnimation = 999;

    CVrxPToolBar();
    ~CVrxPToolBar() override;

    // The bar's window, a child of pParent. FALSE on failure.
    virtual BOOL CreateWithDefaultStyle(CWnd* pParent, DWORD dwStyle, UINT nID);

    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    void EnableDocking(DWORD dwAlignment) { m_dwDockingSides = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledDockingSides() const { return m_dwDockingSides; }
    BOOL IsDocked() const { return m_bDocked; }
    void SetDocked(BOOL bDocked) { m_bDocked = bDocked; }

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

    // Places the buttons in rows from (barMargin, barMargin), each as wide
    // as measured and as high as the tallest, wrapping the rows at nWidth;
    // returns the height the rows take with their margins.
    static int PlaceButtons(CVrxPToolbarButton* const* ppButtons, const CSize* pSizes, int nCount, int nWidth);
    virtual void LayoutButtons();
    // The height the bar takes when docked.
    int GetBarHeight() const { return m_nBarHeight; }
    // The button under the mouse, or chosen from the keyboard; -1 none.
    int GetHotIndex() const { return m_nHot; }

    void Serialize(CArchive& ar) override;
    // nIndex -1: the bar's control id; nID -1: the short key form.
    virtual BOOL StoreToRegistry(LPCTSTR lpszProfile, int nIndex = -1, UINT nID = static_cast<UINT>(-1));
    virtual BOOL RestoreFromRegistry(LPCTSTR lpszProfile, int nIndex = -1, UINT nID = static_cast<UINT>(-1));
    CString BuildKeyPath(LPCTSTR lpszProfile, int nIndex, UINT nID) const;
    // The bar's resource items differ from those saved with its state.
    virtual BOOL HasChangedOriginals() { return m_bOriginalsChanged; }
    // The user may hide the bar (the bars' list offers it).
    virtual BOOL CanBeClosed() const { return TRUE; }
    // Bars never float in this form.
    virtual BOOL IsFloatingInMiniFrame() { return FALSE; }
    virtual void RefreshButtonImages();
    // Measures and places the buttons again in the library's current fonts.
    virtual void RefreshButtonFonts();
    // At library shutdown: the shared lists lose their images, and the image
    // lists' drawing resources and the menu glyphs are freed.
    static void ReleaseSharedImages();
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
    static BOOL StoreGlobalOptions(LPCTSTR lpszProfile);
    // The values read up to the first missing one take effect.
    static BOOL ReadGlobalOptions(LPCTSTR lpszProfile);

    // A button can be dragged with Alt held outside customise mode.
    static BOOL AltDragEnabled;
    static BOOL customizeMode;
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

protected:
    virtual CSize MeasureButton(CDC& dc, const CVrxPToolbarButton& button) const;
    virtual void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed);
    // A click released on the button: its command goes to the owner.
    virtual void OnClickButton(int nIndex);
    void SetHotIndex(int nIndex);
    CString ShortcutText(UINT nCommand) const;
    // Deletes one entry, keeping the hot and pressed indexes on their buttons.
    void DeleteEntry(int nIndex);
    // The frame that gets the bar's commands.
    CWnd* GetCommandTarget() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnButtonCount(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    CObList m_buttons;
    CObList m_resetButtons;
    DWORD m_dwBarStyle;
    DWORD m_dwDockingSides;
    BOOL m_bDocked;
    BOOL m_bTextLabels;
    BOOL m_bOriginalsChanged;
    int m_nMruLength;
    int m_nBarHeight;
    // The width the rows wrap at: the docked bar's, unlimited before docking.
    int m_nLayoutWidth;
    int m_nHot;
    int m_nPressed;
    BOOL m_bTrackingLeave;

    CVrxPToolbarImageList* m_pOwnImages;

    // The bar the mouse last moved over, while its window exists.
    static CVrxPToolBar* hoveredBar;
    static CVrxPToolbarImageList* userImages;
    static CVrxPToolbarImageList* sharedImages;
    static CVrxPToolbarImageList* sharedSecondImages;
};
