#pragma once

// A view made from a dialog template: its controls are the template's, found
// through the resource chain (so an extension DLL's template serves), with
// the template's DLGINIT items applied. It scrolls over the template's size,
// moves between its controls with the dialog keys, and fills them from its
// data (DoDataExchange) at its initial update.

#include "frames/CScrollView.h"

class FRAMEWORK_API CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    // The requested style, rectangle and id win over the template's (WS_BORDER
    // becomes the sunken edge). On failure the object has deleted itself.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = NULL) override;
    // The frames' accelerators first, then the dialog keys.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Fills the controls from the view's data.
    void OnInitialUpdate() override;

protected:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCTSTR lpszTemplateName);

    LPCTSTR m_lpszTemplateName;
    // The context of the Create running now: dialog creation cannot pass it.
    CCreateContext* m_pCreateContext;
    // The control that had the focus when the view lost activation.
    HWND m_hWndFocus;

    // The controls draw themselves.
    void OnDraw(CDC* pDC) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()

private:
    void SaveFocusControl();
};
