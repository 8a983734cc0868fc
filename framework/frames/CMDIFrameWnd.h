#pragma once

// The MDI main frame: its pane is the system's MDI client area, which holds
// the child frames and lists them in the Window menu from
// AFX_IDM_FIRST_MDICHILD on. Commands go to the active child first (its
// view, then the child), then to this frame, then to the application; key
// strokes are tried against the active child's shared accelerators, the
// frame's own, then the MDI system keys (Ctrl+F4, Ctrl+F6).

#include "frames/CFrameWnd.h"

class CMDIChildWnd;

class FRAMEWORK_API CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient;

    // Creates the MDI client with the Window popup of the default menu.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, HMENU hWindowMenu);
    // The popup of hMenuBar that holds a window command; NULL without one.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // A child of class pClass (a CMDIChildWnd) loaded from nResource (icon,
    // title string) sharing hMenu and hAccel, shown and activated; NULL on
    // failure.
    CMDIChildWnd* CreateNewChild(CRuntimeClass* pClass, UINT nResource, HMENU hMenu = NULL, HACCEL hAccel = NULL);

    // The active child when it is a framework child frame, else NULL.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade(int nType = 0);
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Shows hFrameMenu with the child list in hWindowMenu; returns the menu
    // shown before.
    HMENU MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu);

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The active child's shared menu, or hMenuAlt / the default menu when
    // no child is active.
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    // The frame's title, with the active child's document when it has one.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The children are destroyed before the frame.
    afx_msg void OnClose();
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    // A second frame on the active child's document.
    afx_msg void OnWindowNew();
    afx_msg void OnUpdateWindowNew(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
