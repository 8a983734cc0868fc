#pragma once

// The items of one popup menu, held as toolbar buttons and shown one per
// row (a menu break starts a column): image column, text, accelerator and
// submenu arrow. It runs the mouse and the keyboard inside the menu, opens
// submenus after the system's submenu delay, and carries out the chosen
// command. It also converts between its buttons and platform menus in both
// directions, which is what the menu store keeps for a menu.

#include "toolbars/CVrxPPopupMenuLayout.h"
#include "toolbars/CVrxPToolBar.h"

class CVrxPPopupMenu;

class CVrxPPopupMenuBar : public CVrxPToolBar
{
    DECLARE_SERIAL(CVrxPPopupMenuBar)
public:
    static constexpr UINT maxItemText = 1024;
    static constexpr int menuImageSize = 16;
    // From a menu break: the item starts a new column.
    static constexpr UINT styleColumnBreak = 0x20000000;
    static constexpr int defaultSubmenuDelay = 500;
    static constexpr int maxSubmenuDelay = 5000;
    static constexpr UINT openSubmenuTimer = 1;
    static constexpr UINT closeSubmenuTimer = 2;

    CVrxPPopupMenuBar();

    // The buttons become the menu's items: separators (none leading,
    // trailing or doubled), submenus (menu buttons holding the submenu's
    // handle) and commands with their checked, disabled and menu-break
    // states. FALSE for a null menu, which changes nothing.
    virtual BOOL FillFromMenu(HMENU hMenu, BOOL bShowAll = FALSE);
    // When the workspace compares saved menus with their resources, the
    // reset items become the first sub-menu of the menu resource.
    void BuildFromMenuResource(UINT nMenuId);
    // A new platform popup menu with the buttons as items (the caller
    // destroys it); submenus are copied from the handles the buttons hold.
    HMENU BuildMenuHandle() const;

    // The menu's size with its items measured in the menu font.
    SIZE MeasureMenu();
    void LayoutButtons() override;
    BOOL IsListedOnToolbarsPage() const override { return FALSE; }
    int RowHeight() const { return m_nRowHeight; }

    // Up, Down, Home, End, Tab, Enter and mnemonics; FALSE for other keys.
    BOOL HandleNavigationKey(UINT nKey);
    // The item opens its submenu (its first item hot when bSelectFirst) or
    // runs its command.
    void ChooseItem(int nIndex, BOOL bSelectFirst);
    void SetHotItem(int nIndex) { SetHotIndex(nIndex); }
    // Runs the command (0: closes without one) and closes the popup chain.
    void ExecuteItemCommand(UINT nID, int nIndex);
    // The pointer came back into the submenu that was about to close.
    void CancelSubmenuClosing();

    // The submenu delay in milliseconds: the user's "MenuShowDelay", read
    // once per process.
    static int SubmenuDelay();
    // The index of the item last chosen in any popup menu, -1 without one.
    static int lastChosenIndex;

    // The looks draw no image column when set.
    BOOL noImageColumn;
    // The looks fill the items' background with the window colour.
    BOOL whiteBackground = FALSE;
    int firstVisibleRow = 0;

protected:
    void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed) override;

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CVrxPPopupMenu* Popup() const;
    std::vector<VrxPMenuItemMetrics> MeasureItems();
    int TextLeft(const CRect& rectItem) const;
    int FindMnemonic(TCHAR ch) const;
    void BringIntoView(int nIndex);

    int m_nRowHeight = 0;
    // Item whose submenu opens, and whose open submenu closes, when the
    // timers fire; -1 none.
    int m_nPendingSubmenu = -1;
    int m_nClosingSubmenu = -1;
    // The first mouse move comes from the popup appearing under the pointer.
    BOOL m_bSkipFirstMove = TRUE;
};
