#pragma once

// The XP look: flat buttons, shaded hot images, faded inactive images, menus joined to their buttons.
// Its drawing is still the base look's: the look is selected, stored and
// reported by class while the looks draw alike.

#include "themes/CVrxPVisualManager.h"

class CVrxPVisualManagerXP : public CVrxPVisualManager
{
    DECLARE_DYNCREATE(CVrxPVisualManagerXP)
public:
    explicit CVrxPVisualManagerXP(BOOL bTemporary = FALSE);
};
