#pragma once

// The run-time class of the library's in-place tip windows, which show an
// item's clipped text over the item for a moment. The docking code treats
// such a window under the cursor as part of the window below it: an
// auto-hidden pane stays open while the cursor rests on one.

#include "windows/CWnd.h"

class CVrxPInplaceToolTipCtrl : public CWnd
{
    DECLARE_DYNCREATE(CVrxPInplaceToolTipCtrl)
};
