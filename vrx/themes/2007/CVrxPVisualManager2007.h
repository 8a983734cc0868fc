#pragma once

// The 2007 look: the 2003 look with the style's thinner menu borders.
// Its drawing is still the base look's: the look is selected, stored and
// reported by class while the looks draw alike.

#include "themes/2003/CVrxPVisualManager2003.h"

class CVrxPVisualManager2007 : public CVrxPVisualManager2003
{
    DECLARE_DYNCREATE(CVrxPVisualManager2007)
public:
    explicit CVrxPVisualManager2007(BOOL bTemporary = FALSE);
    void ReloadPalette() override;
};
