#include "themes/2007/CVrxPVisualManager2007.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager2007, CVrxPVisualManager2003)

void CVrxPVisualManager2007::ReloadPalette()
{
    CVrxPVisualManager2003::ReloadPalette();
    menuBorderSize = 1;
}

CVrxPVisualManager2007::CVrxPVisualManager2007(BOOL bTemporary) : CVrxPVisualManager2003(bTemporary)
{
}
