#pragma once

// A one-line status bar at the foot of a frame: it takes its strip through
// WM_SIZEPARENT and shows its window text, which the frame sets to the
// prompt of the menu item under the mouse.

#include "windows/CWnd.h"

class CDemoStatusBar : public CWnd
{
public:
    BOOL Create(CWnd* pParentWnd);

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    int Height() const;
};
