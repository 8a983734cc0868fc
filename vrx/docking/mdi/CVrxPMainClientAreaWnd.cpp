#include "docking/mdi/CVrxPMainClientAreaWnd.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"

IMPLEMENT_DYNAMIC(CVrxPMainClientAreaWnd, CWnd)

// A frame menu the menu bar took is not set on the window; the Window menu
// still receives the child list.
LRESULT CVrxPMainClientAreaWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MDISETMENU)
    {
        CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(GetParent());
        if (pFrame == nullptr || pFrame->GetSafeHwnd() == NULL ||
            pFrame->ApplyMenuToMenuBar(reinterpret_cast<HMENU>(wParam)))
            wParam = 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
