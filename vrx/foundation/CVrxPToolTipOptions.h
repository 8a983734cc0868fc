#pragma once

#include "core/Platform.h"

// The look of the library's tooltips: 13 words, copied as they are.
struct CVrxPToolTipOptions
{
    // The system's balloon tooltip; the control paints nothing itself.
    BOOL balloon = FALSE;
    BOOL drawIcon = TRUE;
    BOOL drawDescription = TRUE;
    // The description is word-wrapped to this width.
    int maxDescriptionWidth = 200;
    BOOL roundedCorners = FALSE;
    // The label is bold when a description is shown.
    BOOL boldLabel = TRUE;
    // -1: the system's tooltip background.
    COLORREF fillColor = static_cast<COLORREF>(-1);
    // -1: a solid fill.
    COLORREF gradientColor = static_cast<COLORREF>(-1);
    // -1: 90 degrees.
    int gradientAngle = -1;
    // -1: the system's tooltip text colour.
    COLORREF textColor = static_cast<COLORREF>(-1);
    COLORREF borderColor = static_cast<COLORREF>(-1);
    BOOL drawSeparator = TRUE;
    // The record is taken from the current look each time the tip shows.
    BOOL takeFromVisualManager = FALSE;
};
static_assert(sizeof(CVrxPToolTipOptions) == 13 * 4, "13 words");
