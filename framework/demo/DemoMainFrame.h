#pragma once

// The demo's MDI frame: a status bar, a form child (its view made by the
// forms DLL) and a drawing child; a modal dialog, and menu items whose
// update handlers check and disable them.

#include "frames/CMDIFrameWnd.h"

#include "DemoStatusBar.h"

class CDemoMainFrame : public CMDIFrameWnd
{
public:
    CDemoMainFrame();
    ~CDemoMainFrame() override;

    // The copy of the frame class under the demo's own name.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDemoDialog();
    afx_msg void OnViewOption();
    afx_msg void OnUpdateViewOption(CCmdUI* pCmdUI);
    afx_msg void OnViewLocked();
    afx_msg void OnUpdateViewLocked(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    CDemoStatusBar m_statusBar;
    // Shared by the children; the frame owns them.
    HMENU m_hMenuForm;
    HMENU m_hMenuDraw;
    HACCEL m_hAccelForm;
    BOOL m_bOption;
    CString m_strDialogText;
};
