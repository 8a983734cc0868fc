#include "docking/mdi/CVrxPMDITabOptions.h"

#include "themes/CVrxPVisualManager.h"

CVrxPMDITabOptions::CVrxPMDITabOptions()
    : location(1), style(3), icons(FALSE), closeButton(TRUE), ownerTooltips(FALSE), autoColors(FALSE),
      tabListButton(FALSE), reorderByDrag(TRUE), borderSize(CVrxPVisualManager::Instance()->QueryMdiTabsStyle()),
      contentFrame(TRUE)
{
}
