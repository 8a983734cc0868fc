#pragma once

// Where a stored main-window rectangle may go in a work area. A stored size
// that is not positive or larger than any screen is not trusted; a
// rectangle that misses the work area (its monitor is gone) is not used; the
// rest is made to fit: its size no larger than the work area, its corner
// moved so that the whole window lies in it.

#include "strings/CRect.h"

// FALSE: keep the default creation rectangle.
BOOL VrxPFitPlacement(const CRect& stored, const CRect& workArea, CRect& fitted);
