#pragma once

// One hexagonal cell of the colour selector's honeycomb or grey row: its
// colour (snapped to the nearby web-safe levels), the colour it is drawn
// with, its centre, size and outline.

#include "core/Platform.h"
#include "strings/CPoint.h"
#include "strings/CRect.h"

#include <vector>

class CVrxPColorHexCell
{
public:
    // The honeycomb's centre cell and six rings: 127 cells.
    static constexpr int honeycombRings = 6;
    // Cells grow with the square they fill: side / this + 1.
    static constexpr int honeycombDivisor = 13;
    static constexpr int honeycombSnap = 16;
    static constexpr int greySnap = 7;

    CVrxPColorHexCell(COLORREF colorCell, int xCentre, int yCentre, int nSize, int nSnap);

    // Each channel near 0, 128, 192 or 255 (within nTolerance) takes that
    // level; a tolerance of 0 leaves the channel.
    static int SnapChannel(int nValue, int nTolerance);
    static COLORREF SnapColor(COLORREF color, int nTolerance);
    // The six corners of the hexagon of that centre and size, pointed at top
    // and bottom.
    static void HexagonPoints(int x, int y, int nSize, POINT points[6]);

    // The cells of a honeycomb and of a grey row filling the client area.
    static std::vector<CVrxPColorHexCell> BuildHoneycomb(const CRect& rectClient);
    static std::vector<CVrxPColorHexCell> BuildGreys(const CRect& rectClient);

    BOOL Contains(CPoint point) const;

    COLORREF color;
    // The colour, or at 8 bits per pixel the palette index of the entry
    // nearest the unsnapped colour.
    COLORREF drawColor;
    int x;
    int y;
    int size;
    POINT points[6];
};
