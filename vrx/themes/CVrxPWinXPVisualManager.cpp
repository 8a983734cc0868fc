#include "themes/CVrxPWinXPVisualManager.h"

IMPLEMENT_DYNCREATE(CVrxPWinXPVisualManager, CVrxPVisualManagerXP)

BOOL CVrxPWinXPVisualManager::UseThemedTabs = FALSE;

CVrxPWinXPVisualManager::CVrxPWinXPVisualManager(BOOL bTemporary) : CVrxPVisualManagerXP(bTemporary)
{
}
