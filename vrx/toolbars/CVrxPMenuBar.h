#pragma once

// The frame's menu shown as a toolbar: one button per top-level item of the
// frame's current menu. A popup item opens the library's popup menu under
// the button and the application goes on running while it is open; moving
// the mouse to another title, or Left and Right in the popup, opens the
// neighbour's, and a click on the open title closes it. Alt+mnemonic opens
// a menu from the keyboard; Alt or F10 alone gives the bar the keyboard
// (arrows, Enter, Down, Esc, mnemonics). While the active MDI child is
// maximised the bar carries its icon first and its minimise, restore and
// close buttons at the far end.

#include "toolbars/CVrxPToolBar.h"

class CFrameWnd;
class CVrxPToolbarMenuButton;
class CVrxPToolbarMenuButtonsButton;

class CVrxPMenuBar : public CVrxPToolBar
{
    DECLARE_SERIAL(CVrxPMenuBar)
public:
    static constexpr const char windowText[] = "Menu Bar";
    static constexpr UINT maxItemText = 1024;

    CVrxPMenuBar();
    // Top-level menus show no tooltip.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Records the parent as the owner frame, then creates the bar.
    BOOL CreateWithDefaultStyle(CWnd* pParent, DWORD dwStyle, UINT nID) override;

    // Shows the menu's items. A null menu leaves the bar as it is. With
    // bDefault the menu is also the one shown while no document is active.
    virtual void BuildFromMenu(HMENU hMenu, BOOL bDefault, BOOL bForce);
    virtual void OnDefaultMenuLoaded(HMENU) {}
    void SetDefaultMenuId(UINT nID) { m_nDefaultMenuId = nID; }
    UINT GetDefaultMenuId() const { return m_nDefaultMenuId; }
    HMENU GetCurrentMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    CFrameWnd* GetOwnerFrame() const { return m_pOwnerFrame; }
    // The user cannot hide the menu bar.
    BOOL CanBeClosed() const override { return FALSE; }
    // The menus cannot be customised yet, so there is nothing of the bar's
    // own to keep: it always shows the frame's menus as they are. Both
    // answer FALSE (nothing written, nothing read).
    BOOL StoreToRegistry(LPCTSTR lpszProfile, int nIndex = -1, int nID = -1) override;
    BOOL RestoreFromRegistry(LPCTSTR lpszProfile, int nIndex = -1, int nID = -1) override;
    // Docked, the bar spans its row: the row's length, and the height of the
    // buttons wrapped to it.
    CSize ComputeLayoutSize(int nMode, int nLength) override;

    // The item whose mnemonic is ch opens (or runs); FALSE when none has it.
    BOOL HandleMnemonicKey(UINT ch);
    // Keyboard mode: the bar takes the focus with its first item hot.
    void EnterKeyboardMode();
    // Opens item nIndex's popup (with its first item selected when
    // bSelectFirst), closing any other; a plain command item runs its
    // command.
    void OpenItem(int nIndex, BOOL bSelectFirst);
    // The item whose popup is open, or -1.
    int GetOpenItem() const { return m_nTracking; }
    // Closes the open popup chain, if any.
    void CloseOpenMenu();
    // Left (nStep -1) or Right (+1) out of the open popup: the neighbour's
    // popup opens with its first item selected.
    void OpenNeighbour(int nStep);
    // The popup opened from the bar has gone; Escape leaves the keyboard
    // on the bar with its title hot.
    void OnPopupClosed(BOOL bByEscape);

    // The upper-case mnemonic of a menu text ("&File" gives 'F', "a&&b" none).
    static TCHAR MnemonicOf(LPCTSTR lpszText);
    // Depth-first search of the menu for the command's item text.
    static BOOL FindMenuItemText(HMENU hMenu, UINT nID, CString& text);
    // The index Left (nStep -1) or Right (+1) moves to, wrapping; -1 when
    // the bar has no item that can be chosen.
    int NeighbourIndex(int nIndex, int nStep) const;

    // The MDI frame reports its active child after every change: with
    // bMaximised and a child that has a system menu, the child's icon goes
    // first and its caption buttons (minimise and restore as its style
    // allows, always close) last; otherwise they go. Another maximised child
    // takes the place of the one shown.
    void UpdateMdiChildButtons(BOOL bMaximised, CWnd* pChild, BOOL bRedraw);
    BOOL MdiButtonsShown() const { return m_bMdiButtonsShown; }
    int MdiButtonCount() const { return m_nMdiButtonCount; }
    // One caption button is this big: SM_CXMENUSIZE on both sides, less the
    // caption frame's edges.
    CSize MdiButtonSize() const { return m_sizeMdiButton; }
    // A caption button's system command goes to the active child; TRUE for
    // every caption button (a beep without an MDI frame), FALSE otherwise.
    BOOL HandleButtonCommand(CVrxPToolbarButton* pButton);

    // Popup menus show all their items (no shortened menus here).
    static BOOL showAllMenus;
    static BOOL recentlyUsedMenus;

protected:
    int WrapLength(const CRect& rectClient) const override;
    void OnClickButton(int nIndex) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CSize MeasureButton(CDC& dc, const CVrxPToolbarButton& button) const override;
    void LayoutButtons() override;
    void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    DECLARE_MESSAGE_MAP()

private:
    void UpdateMdiButtonSize();
    void RemoveMdiChildButtons();
    void AddMdiChildButtons(CWnd* pChild);
    BOOL IsMdiCaptionButton(int nIndex) const;
    // The active child of the owner MDI frame, or null.
    CWnd* ActiveMdiChild() const;
    // A double-click on the child's icon closes the child, unless its
    // system menu greys Close.
    void CloseChildFromIcon();

    CFrameWnd* m_pOwnerFrame;
    HMENU m_hMenu;
    HMENU m_hDefaultMenu;
    UINT m_nDefaultMenuId;
    BOOL m_bKeyboardMode;
    // The item whose popup is open, -1 none.
    int m_nTracking;
    // One popup closes because another opens: nothing of the bar changes.
    BOOL m_bSwitching;
    BOOL m_bMdiButtonsShown;
    // The maximised child whose icon and buttons are shown, and its system
    // menu and icon (borrowed, never destroyed here).
    HWND m_hMdiChild;
    HMENU m_hChildSystemMenu;
    HICON m_hChildIcon;
    int m_nMdiButtonCount;
    CSize m_sizeMdiButton;
};
