#include "themes/winxp/CVrxPWinXPVisualManager.h"

IMPLEMENT_DYNCREATE(CVrxPWinXPVisualManager, CVrxPVisualManagerXP)

BOOL CVrxPWinXPVisualManager::themed3DTabs = FALSE;

CVrxPWinXPVisualManager::CVrxPWinXPVisualManager(BOOL bTemporary) : CVrxPVisualManagerXP(bTemporary)
{
}
