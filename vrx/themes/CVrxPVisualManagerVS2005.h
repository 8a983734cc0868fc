#pragma once

// The VS2005 look: the 2003 look with the window-position menu on pane captions and smart-docking markers.
// Its drawing is still the base look's: the look is selected, stored and
// reported by class while the looks draw alike.

#include "themes/CVrxPVisualManager2003.h"

class CVrxPVisualManagerVS2005 : public CVrxPVisualManager2003
{
    DECLARE_DYNCREATE(CVrxPVisualManagerVS2005)
public:
    explicit CVrxPVisualManagerVS2005(BOOL bTemporary = FALSE);
};
