#pragma once

// One open popup menu, in its first form: an invisible mini frame that owns
// the menu's item bar and shows the items through the platform's popup
// menu, tracked inside CreatePopup. The chosen command goes to the command
// receiver, or, in track mode, is kept for the caller (TrackedCommand).
// The popup closes itself and deletes itself when its window is gone.

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
    virtual BOOL CreatePopup(CWnd* pParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                             BOOL bOwnReceiver = FALSE);
    // The platform menu runs its own loop: idle work may run whenever the
    // popup is open.
    virtual BOOL WantsIdle() { return TRUE; }

    // The open popup, or null.
    static CVrxPPopupMenu* ActivePopup();
    // The command chosen in the last tracked popup (0: none).
    static UINT TrackedCommand();

    // The popup destroys its menu handle when it goes.
    BOOL destroyMenuHandle;
    // The chosen command is kept (TrackedCommand) instead of being sent.
    BOOL trackMode;
    // x is the popup's right edge.
    BOOL placementFlag;
    // 0 for an ordinary popup menu.
    int menuMode;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CVrxPPopupMenuBar m_menuBar;
    HMENU m_hMenu;
    CWnd* m_pReceiver;
};
