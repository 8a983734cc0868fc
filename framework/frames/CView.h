#pragma once

// A view: the child window of a frame that shows a document (or nothing, as
// korvo's plug-in forms). It paints through OnDraw, becomes its frame's
// active view when clicked, routes commands to its document after itself,
// and deletes itself when its window is gone.
//
// WM_INITIALUPDATE reaches a view once its frame is ready (InitialUpdateFrame,
// or LoadFrame without a creation context) and runs OnInitialUpdate. A view
// created in a frame that was already past that point sends the message to
// itself, so its OnInitialUpdate runs all the same.

#include "frames/CFrameWnd.h"

class CDC;
class CDocument;
class CPrintInfo;

// WM_INITIALUPDATE's wParam: 0 always runs OnInitialUpdate; this value only
// when the view has had no initial update yet.
const WPARAM kInitialUpdateOnce = 1;

class FRAMEWORK_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const;

    virtual void OnInitialUpdate();
    // Sets up the DC for OnDraw (mapping mode, origin).
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CView();
    ~CView() override;

    CDocument* m_pDocument;

    virtual void OnDraw(CDC* pDC) = 0;
    // The document changed: repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The view became its frame's active view (it takes the focus when its
    // frame is the active one) or stopped being it.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
    friend class CFrameWnd;
    friend class CMDIChildWnd;

    // Its frame is the active frame of the active top-level window.
    BOOL IsFrameActive() const;

    BOOL m_bInitialUpdated;
};
