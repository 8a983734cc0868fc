#pragma once

// A child frame in an MDI frame's client area. It is made through
// WM_MDICREATE (its object attached before WM_CREATE) and ended through
// WM_MDIDESTROY. Its menu and accelerators are shared with other children
// (SetHandles); activating it shows its menu in the MDI frame.

#include "frames/CFrameWnd.h"

class CMDIFrameWnd;

class FRAMEWORK_API CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // Shown in the MDI frame while this child is active; not owned.
    HMENU m_hMenuShared;

    // pParentWnd NULL: the application's main window. On failure the
    // object has already deleted itself.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Icon and title string from nIDResource; the menu and accelerators come
    // from SetHandles.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    void SetHandles(HMENU hMenu, HACCEL hAccel);

    // The MDI frame whose client area holds this child, or NULL.
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIDestroy();
    void MDIMaximize();
    void MDIRestore();

    // Through the MDI client (WM_MDIDESTROY).
    BOOL DestroyWindow() override;
    // Shows the child (maximised when the active one was) and activates it.
    void ActivateFrame(int nCmdShow = -1) override;
    // Accelerators are the MDI frame's to translate.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The window text becomes the active document's title (when there is a
    // document); the MDI frame's title follows.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Activating shows hMenuAlt, the shared menu or the frame's default; the
    // last child deactivating brings back the frame's default.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    DECLARE_MESSAGE_MAP()

private:
    // The menu to show when active: the shared one, else the document
    // template's, else the frame's default.
    HMENU MenuWhenActive(HMENU hMenuAlt);
};
