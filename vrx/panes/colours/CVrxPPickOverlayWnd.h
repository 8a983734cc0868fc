#pragma once

// A borderless window over the whole desktop while the colour dialog picks a
// colour from the screen. It shows the screen as it was when it opened (a
// window left unpainted shows black on some displays, and the pick would read
// that), and hands its mouse moves and clicks to its owner.

#include "windows/CWnd.h"

class CVrxPPickOverlayWnd : public CWnd
{
public:
    explicit CVrxPPickOverlayWnd(CWnd* pOwner);
    ~CVrxPPickOverlayWnd() override;

    BOOL Open(HCURSOR hCursor);

    CWnd* owner;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void Forward(UINT nMessage, UINT nFlags, CPoint point);

    HBITMAP m_hScreen;
};
