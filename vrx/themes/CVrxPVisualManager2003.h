#pragma once

// The 2003 look: the XP look with gradient bars in the theme's colour scheme.
// Its drawing is still the base look's: the look is selected, stored and
// reported by class while the looks draw alike.

#include "themes/xp/CVrxPVisualManagerXP.h"

class CVrxPVisualManager2003 : public CVrxPVisualManagerXP
{
    DECLARE_DYNCREATE(CVrxPVisualManager2003)
public:
    explicit CVrxPVisualManager2003(BOOL bTemporary = FALSE);
    // When 0 the palette ignores the theme's colour scheme.
    static int UseThemeColors;
};
