#pragma once

// The library's single-document frame: the MDI frame's frame helper and bar
// manager without the MDI parts. The bar manager lays out the bars, and the
// frame's view (the pane with the first pane id) takes what they leave. A
// frame that another frame previews through asks that one to close its
// preview instead of closing.

#include "docking/CVrxPFrameBarManager.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "frames/CFrameWnd.h"

class CVrxPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CVrxPFrameWnd)
public:
    CVrxPFrameWnd();

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The bar manager's layout, then the view's place.
    virtual void ArrangeDockedBars(HDWP hdwp);
    // The view takes the bar manager's outer rectangle less the border
    // space.
    virtual void AdjustClientArea();

    void AllowDockingSides(DWORD dwAlignment);
    CVrxPFrameHelper& GetFrameHelper() { return m_helper; }
    CVrxPFrameBarManager& GetBarManager() { return m_barManager; }
    // The frame whose print preview shows through this one, or null.
    CFrameWnd* previewingFrame;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT nSide, LPRECT lpRect);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    DECLARE_MESSAGE_MAP()

private:
    CVrxPFrameHelper m_helper;
    CVrxPFrameBarManager m_barManager;
};
