#include "docking/VrxPShowBarContextMenu.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/VrxPMessages.h"

BOOL VrxPShowBarContextMenu(CWnd* pBar, CPoint point)
{
    CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(pBar->GetTopLevelFrame());
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == NULL)
        return FALSE;
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        point = rect.TopLeft();
    }
    if (pFrame->SendMessage(VrxTOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(pBar->GetSafeHwnd()),
                            MAKELPARAM(point.x, point.y)) == 0)
        return FALSE;
    return pFrame->GetBarManager().ShowBarListMenu(point.x, point.y);
}
