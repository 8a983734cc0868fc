#pragma once

// One open popup menu: a frameless pop-up window that never takes the
// activation, holding the menu's item bar. It places itself beside what
// opened it inside the work area, runs the menu's keys (they are taken from
// the thread's queue while a menu is open), opens submenus as further
// popups that it owns, and closes as a chain: choosing a command closes
// every popup, then the command reaches its receiver; a click outside
// closes the chain and goes on to the window under it. The object deletes
// itself when its window is gone.

#include "frames/CMiniFrameWnd.h"
#include "toolbars/CVrxPPopupMenuBar.h"

class CVrxPPopupMenu : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CVrxPPopupMenu)
public:
    CVrxPPopupMenu();
    ~CVrxPPopupMenu() override;

    virtual CVrxPPopupMenuBar* MenuBar() { return &m_menuBar; }
    // (x, y) -1, -1: at the parent's client origin + (5, 5). With
    // bOwnReceiver the parent takes the command, else its top-level frame.
    // The popup is open when this returns; FALSE when it could not be made.
    virtual BOOL CreatePopup(CWnd* pParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                             BOOL bOwnReceiver = FALSE);
    // The idle work of the caller's loop may run while the popup is open.
    virtual BOOL WantsIdle() { return TRUE; }

    // The innermost open popup, or null.
    static CVrxPPopupMenu* ActivePopup();
    // The command chosen in the last tracked popup (0: none).
    static UINT TrackedCommand();

    // Closes this popup; the owner popup stays open and takes the keys again.
    void Dismiss();
    // Closes the whole chain this popup belongs to.
    void CloseChain();
    CVrxPPopupMenu* OwnerPopup() const { return m_pOwnerPopup; }
    CVrxPPopupMenu* Submenu() const { return m_pSubmenu; }
    // The item whose submenu is open, or -1.
    int OpenSubmenuIndex() const { return m_pSubmenu != nullptr ? m_nSubmenuItem : -1; }
    void OpenSubmenu(int nIndex, BOOL bSelectFirst);
    void CloseSubmenu();
    // Closes the chain, then the command (0: none) reaches the receiver.
    void ExecuteCommand(UINT nID);
    // The pointer is over this popup: a submenu about to close stays.
    void OnPointerInside();
    // The menu's keys, whichever window has the focus.
    BOOL OnMenuKey(UINT nKey);

    // The popup destroys its menu handle when it goes.
    BOOL destroyMenuHandle;
    // The chosen command is kept (TrackedCommand) instead of being sent.
    BOOL trackMode;
    // x is the popup's right edge.
    BOOL placementFlag;
    // 0 for an ordinary popup menu.
    int menuMode;
    // Where the popup hangs from what opened it (see CVrxPPopupMenuPlacement).
    int dropDirection;
    BOOL closedByEscape;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);

    DECLARE_MESSAGE_MAP()

private:
    // Posted to the receiver (kept instead in track mode).
    void DeliverCommand(UINT nID);
    void PlaceWindow();
    CWnd* Receiver() const;
    BOOL OwnsWindow(HWND hWnd) const;
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);

    CVrxPPopupMenuBar m_menuBar;
    HMENU m_hMenu;
    HWND m_hReceiver;
    CPoint m_position;
    CVrxPPopupMenu* m_pOwnerPopup;
    // The owner's item that opened this popup, its rectangle on the screen.
    CRect m_rectOpeningItem;
    CVrxPPopupMenu* m_pSubmenu;
    int m_nSubmenuItem;
    // Destroying this popup closes its owner too (the chain goes).
    BOOL m_bCloseOwnerOnDestroy;
};
