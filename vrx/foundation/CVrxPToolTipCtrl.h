#pragma once

// The library's own tooltip: a label, an optional description below a
// separator line, a gradient or plain background and a square or rounded
// frame, sized and placed so that it stays on the monitor.

#include "controls/CToolTipCtrl.h"
#include "foundation/CVrxPToolTipOptions.h"
#include "strings/CSize.h"
#include "strings/CString.h"

class CVrxPToolTipCtrl : public CToolTipCtrl
{
    DECLARE_DYNCREATE(CVrxPToolTipCtrl)
public:
    static constexpr int marginX = 4;
    static constexpr int marginY = 2;
    static constexpr int roundedMarginX = 6;
    static constexpr int roundedMarginY = 4;

    CVrxPToolTipCtrl();

    // Every tab becomes four spaces.
    virtual void AssignDescription(const CString& description);
    virtual void PaintBackground(CDC* pDC, CRect rect, COLORREF& colorText, COLORREF& colorFrame);
    virtual void PaintFrame(CDC* pDC, CRect rect, COLORREF colorFrame);
    virtual CSize PaintLabel(CDC* pDC, CRect rect, BOOL bMeasure);
    virtual CSize PaintDescription(CDC* pDC, CRect rect, BOOL bMeasure);
    virtual void PaintSeparator(CDC* pDC, int x1, int x2, int y);

    // NULL: the defaults.
    void SetParams(const CVrxPToolTipOptions* pOptions);
    const CVrxPToolTipOptions& GetParams() const { return m_options; }
    const CString& GetDescription() const { return m_strDescription; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnShow(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnPop(NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    BOOL ShowsDescription() const;
    CString LabelText() const;

    CString m_strDescription;
    int m_nMarginX = marginX;
    int m_nMarginY = marginY;
    CVrxPToolTipOptions m_options;
};
