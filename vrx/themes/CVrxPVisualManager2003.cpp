#include "themes/CVrxPVisualManager2003.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager2003, CVrxPVisualManagerXP)

int CVrxPVisualManager2003::UseThemeColors = 1;

CVrxPVisualManager2003::CVrxPVisualManager2003(BOOL bTemporary) : CVrxPVisualManagerXP(bTemporary)
{
    menuShadeDepth = 3;
}
