#pragma once

// The library's own tooltip: a label, an optional description below a
// separator line, a gradient or plain background and a square or rounded
// frame, sized and placed so that it stays on the monitor.

#include "controls/CToolTipCtrl.h"
#include "foundation/CVrxPToolTipOptions.h"
#include "strings/CSize.h"
#include "strings/CString.h"

class CVrxPToolBar;
class CVrxPToolbarButton;
class CVrxPToolbarImageList;

// The tip of a toolbar shows the image of the button under the cursor
// before its label.
class CVrxPToolTipCtrl : public CToolTipCtrl
{
    DECLARE_DYNCREATE(CVrxPToolTipCtrl)
public:
    static constexpr int marginX = 4;
    static constexpr int marginY = 2;
    static constexpr int roundedMarginX = 6;
    static constexpr int roundedMarginY = 4;

    CVrxPToolTipCtrl();

    // Finds the button under the cursor; every tab becomes four spaces.
    virtual void AssignDescription(const CString& description);
    // The size of the hot button's image; 0 x 0 without one.
    virtual CSize QueryIconSize();
    virtual void PaintBackground(CDC* pDC, CRect rect, COLORREF& colorText, COLORREF& colorFrame);
    virtual void PaintFrame(CDC* pDC, CRect rect, COLORREF colorFrame);
    // The hot button's image at the rectangle; FALSE without one.
    virtual BOOL PaintIcon(CDC* pDC, CRect rect);
    virtual CSize PaintLabel(CDC* pDC, CRect rect, BOOL bMeasure);
    virtual CSize PaintDescription(CDC* pDC, CRect rect, BOOL bMeasure);
    virtual void PaintSeparator(CDC* pDC, int x1, int x2, int y);

    // NULL: the defaults.
    void SetParams(const CVrxPToolTipOptions* pOptions);
    const CVrxPToolTipOptions& GetParams() const { return m_options; }
    const CString& GetDescription() const { return m_strDescription; }
    CVrxPToolbarButton* GetHotButton() const { return m_pHotButton; }

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
    // The owner toolbar's button under the cursor and the list holding its
    // image (NULL when there is none).
    void FindHotButton();
    CSize ShownIconSize();

    CVrxPToolBar* m_pOwnerToolbar = nullptr;
    CVrxPToolbarImageList* m_pHotImages = nullptr;
    CVrxPToolbarButton* m_pHotButton = nullptr;

    CString m_strDescription;
    int m_nMarginX = marginX;
    int m_nMarginY = marginY;
    CVrxPToolTipOptions m_options;
};
