#pragma once

// A side marker of smart docking: a small topmost popup over the frame that
// shows an arrow toward its edge, framed in the highlight colour while the
// cursor is on it.

#include "windows/CWnd.h"

class CVrxPMarkerWnd : public CWnd
{
public:
    // Frame colour of a marker under the cursor.
    static constexpr COLORREF highlightColor = RGB(0x41, 0x70, 0xCA);

    CVrxPMarkerWnd() = default;
    BOOL Create(int nMarker, CWnd* pFrame);
    void SetHighlight(BOOL bOn);
    BOOL IsHighlighted() const { return m_bHighlighted; }
    int GetMarker() const { return m_nMarker; }

    // One marker's picture in box: a light face, a frame, an arrow toward
    // its side (or a pane with a tab for the centre); shade lines inside.
    static void PaintMarker(HDC hDC, const RECT& box, int nMarker, BOOL bHighlighted, BOOL bEnabled);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    int m_nMarker = -1;
    BOOL m_bHighlighted = FALSE;
};
