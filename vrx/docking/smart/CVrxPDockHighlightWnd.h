#pragma once

// The translucent rectangle of smart docking that shows where a drop would
// put the dragged window; inverts the screen under it where windows cannot
// be translucent.

#include "windows/CWnd.h"

class CVrxPDockHighlightWnd : public CWnd
{
public:
    static constexpr COLORREF defaultColor = RGB(47, 103, 190);
    static constexpr BYTE alpha = 100;

    CVrxPDockHighlightWnd() = default;
    BOOL Create(CWnd* pFrame);
    void ShowRect(const CRect& rect);
    void HideHighlight();
    BOOL IsShown() const { return m_bShown; }
    const CRect& GetRect() const { return m_rect; }
    BOOL IsLayered() const { return m_bLayered; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pFrame = nullptr;
    CRect m_rect;
    BOOL m_bShown = FALSE;
    BOOL m_bLayered = FALSE;
};
