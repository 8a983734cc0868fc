#include "themes/CVrxPVisualManagerXP.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManagerXP, CVrxPVisualManager)

CVrxPVisualManagerXP::CVrxPVisualManagerXP(BOOL bTemporary) : CVrxPVisualManager(bTemporary)
{
    look2000 = TRUE;
    menuShadeDepth = 4;
    flatButtons = TRUE;
    shadeHotImages = TRUE;
    embossDisabled = FALSE;
    fadeInactiveImages = TRUE;
    connectMenuToButton = TRUE;
    menuBorderSize = 1;
}
