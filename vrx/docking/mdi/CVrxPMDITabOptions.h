#pragma once

// How the MDI tab windows look and behave: ten 32-bit fields, copied whole
// whenever options are passed in.

#include "core/Platform.h"

struct CVrxPMDITabOptions
{
    // The border size comes from the current look.
    CVrxPMDITabOptions();

    int location;
    int style;
    BOOL icons;
    BOOL closeButton;
    BOOL ownerTooltips;
    BOOL autoColors;
    BOOL tabListButton;
    BOOL reorderByDrag;
    int borderSize;
    BOOL contentFrame;
};
