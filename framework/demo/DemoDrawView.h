#pragma once

// A view that paints with the GDI classes: a gradient, text, pens and
// brushes. Its command swaps the gradient's colours.

#include "frames/CView.h"

class CDemoDrawView : public CView
{
    DECLARE_DYNCREATE(CDemoDrawView)
public:
    CDemoDrawView();

protected:
    void OnDraw(CDC* pDC) override;

    afx_msg void OnDrawInvert();
    afx_msg void OnUpdateDrawInvert(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void DrawGradient(CDC* pDC, const CRect& rect);
    void DrawTitle(CDC* pDC, const CRect& rect);
    void DrawLines(CDC* pDC, const CRect& rect);
    void DrawShapes(CDC* pDC, const CRect& rect);

    BOOL m_bInverted;
};
