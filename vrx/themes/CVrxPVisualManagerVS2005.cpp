#include "themes/CVrxPVisualManagerVS2005.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManagerVS2005, CVrxPVisualManager2003)

CVrxPVisualManagerVS2005::CVrxPVisualManagerVS2005(BOOL bTemporary) : CVrxPVisualManager2003(bTemporary)
{
    markCheckedMenuImages = TRUE;
    if (!bTemporary)
    {
        CVrxPDockingControlBar::paneCaptionMenuButton = 1;
        CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::smartMarkersStyle);
    }
}
