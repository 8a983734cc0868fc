#pragma once

#include "core/Platform.h"

// One renderer's description: a strip bitmap, where its first image lies, and
// how each image is cut into corners, sides and interior. 19 words, copied
// whole.
struct CVrxPRendererInfo
{
    static constexpr COLORREF noTransparentColor = 0xFF000000;

    CVrxPRendererInfo() = default;
    CVrxPRendererInfo(UINT nBitmapId, const RECT& rectPart, const RECT& rectCorners = RECT(),
                      const RECT& rectSides = RECT(), const RECT& rectInterior = RECT())
        : bitmapId(static_cast<int>(nBitmapId)), partRect(rectPart), corners(rectCorners), sides(rectSides),
          interior(rectInterior)
    {
    }

    // 0: no strip.
    int bitmapId = 0;
    RECT partRect = {};
    // Thicknesses: left and right corner widths, top and bottom heights.
    RECT corners = {};
    // All zero: the corners' thicknesses.
    RECT sides = {};
    // Relative to an image's top-left; empty: the image without its corners.
    RECT interior = {};
    COLORREF transparentColor = noTransparentColor;
    // 1: a 32-bit strip is premultiplied only when it needs it.
    int premultiplyCheck = 1;
};
static_assert(sizeof(CVrxPRendererInfo) == 19 * 4, "19 words");
