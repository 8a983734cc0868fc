#pragma once

// The library's MDI client area, in its first form: the system's MDI client
// window, subclassed so that a menu the MDI machinery gives the frame goes
// to the frame's menu bar instead of the window's menu.

#include "windows/CWnd.h"

class CVrxPMainClientAreaWnd : public CWnd
{
    DECLARE_DYNAMIC(CVrxPMainClientAreaWnd)

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
