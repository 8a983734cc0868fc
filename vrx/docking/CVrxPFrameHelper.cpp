#include "docking/CVrxPFrameHelper.h"

#include "foundation/CVrxPWorkspace.h"
#include "frames/CFrameWnd.h"
#include "strings/CRect.h"

void CVrxPFrameHelper::StoreFramePlacement()
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (frameWindow == nullptr || frameWindow->GetSafeHwnd() == NULL || pWorkspace == nullptr)
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(frameWindow->GetSafeHwnd(), &placement))
        return;
    const UINT nShowCmd = placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    CRect workArea;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect normal(placement.rcNormalPosition);
    normal.OffsetRect(workArea.left, workArea.top);
    pWorkspace->WritePlacement(normal, placement.flags, nShowCmd);
}
