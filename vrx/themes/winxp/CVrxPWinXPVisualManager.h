#pragma once

// The Windows XP theme look: the XP look drawn with the visual-styles theme where it is on.
// Its drawing is still the base look's: the look is selected, stored and
// reported by class while the looks draw alike.

#include "themes/xp/CVrxPVisualManagerXP.h"

class CVrxPWinXPVisualManager : public CVrxPVisualManagerXP
{
    DECLARE_DYNCREATE(CVrxPWinXPVisualManager)
public:
    explicit CVrxPWinXPVisualManager(BOOL bTemporary = FALSE);
    // Tabs are drawn with the theme's tab parts.
    static BOOL themed3DTabs;
};
