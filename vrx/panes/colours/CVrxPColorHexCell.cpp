#include "panes/colours/CVrxPColorHexCell.h"

#include "foundation/CVrxPPainter.h"

#include <algorithm>
#include <cmath>

namespace
{
// tan(30 degrees): a hexagon's flank against its width.
const double flankRatio = 0.57735026;
const double stepX[6] = {-0.5, -1.0, -0.5, 0.5, 1.0, 0.5};
const double stepY[6] = {0.866025, 0.0, -0.866025, -0.866025, 0.0, 0.866025};
} // namespace

CVrxPColorHexCell::CVrxPColorHexCell(COLORREF colorCell, int xCentre, int yCentre, int nSize, int nSnap)
    : color(SnapColor(colorCell, nSnap)), drawColor(color), x(xCentre), y(yCentre), size(nSize)
{
    HexagonPoints(x, y, size, points);
}

int CVrxPColorHexCell::SnapChannel(int nValue, int nTolerance)
{
    if (nTolerance == 0)
        return nValue;
    if (nValue < nTolerance)
        return 0;
    if (nValue > 255 - nTolerance)
        return 255;
    if (std::abs(nValue - 128) < nTolerance)
        return 128;
    if (std::abs(nValue - 192) < nTolerance)
        return 192;
    return nValue;
}

COLORREF CVrxPColorHexCell::SnapColor(COLORREF color, int nTolerance)
{
    return RGB(SnapChannel(GetRValue(color), nTolerance), SnapChannel(GetGValue(color), nTolerance),
               SnapChannel(GetBValue(color), nTolerance));
}

void CVrxPColorHexCell::HexagonPoints(int x, int y, int nSize, POINT points[6])
{
    const int nHalf = nSize / 2;
    const int nFlank = static_cast<int>(nSize * flankRatio) / 2;
    points[0] = {x - nHalf, y - nFlank};
    points[1] = {x, y - nHalf};
    points[2] = {x + nHalf, y - nFlank};
    points[3] = {x + nHalf, y + nFlank};
    points[4] = {x, y + nHalf};
    points[5] = {x - nHalf, y + nFlank};
}

std::vector<CVrxPColorHexCell> CVrxPColorHexCell::BuildHoneycomb(const CRect& rectClient)
{
    const int nSide = std::min(rectClient.Width(), rectClient.Height());
    const int nSize = nSide / honeycombDivisor + 1;
    const int cx = rectClient.left + rectClient.Width() / 2;
    const int cy = rectClient.top + rectClient.Height() / 2;

    std::vector<CVrxPColorHexCell> cells;
    cells.emplace_back(RGB(255, 255, 255), cx, cy, nSize, 0);
    for (int nRing = 1; nRing <= honeycombRings; nRing++)
    {
        const double dLightness = (7 - nRing) * (1.0 / 7.0) + 0.1;
        int x = cx + nRing * nSize;
        int y = cy;
        for (int nEdge = 0; nEdge < 6; nEdge++)
        {
            for (int nCell = 0; nCell < nRing; nCell++)
            {
                const double dAngle = std::atan2(static_cast<double>(y - cy), static_cast<double>(x - cx));
                const double dHue = std::trunc(dAngle / CVrxPPainter::radiansPerDegree);
                cells.emplace_back(CVrxPPainter::ColorFromHLSDegrees(dHue, dLightness, 1.0), x, y, nSize,
                                   honeycombSnap);
                x += static_cast<int>(nSize * stepX[nEdge]);
                y += static_cast<int>(nSize * stepY[nEdge]);
            }
        }
    }
    return cells;
}

std::vector<CVrxPColorHexCell> CVrxPColorHexCell::BuildGreys(const CRect& rectClient)
{
    int nSize = std::min(rectClient.Height() / 2 - 2, rectClient.Width() / 13);
    if (nSize % 2 != 0)
        nSize++;
    const int cy = rectClient.top + rectClient.Height() / 2;
    const int nRowHeight = static_cast<int>(nSize * flankRatio * 1.5);
    const int y1 = cy - nRowHeight / 2;
    const int y2 = y1 + nRowHeight;
    const int nHalf = nSize / 2;
    const int nLeft = rectClient.left + (rectClient.Width() - 2 * nHalf - (3 * nSize + 14 * nHalf) - 2 * nSize) / 2;

    std::vector<CVrxPColorHexCell> cells;
    cells.emplace_back(RGB(255, 255, 255), nLeft + nSize, cy, 2 * nSize, 0);
    for (int k = 0; k < 15; k++)
    {
        const int nLevel = 240 - 15 * k;
        cells.emplace_back(RGB(nLevel, nLevel, nLevel), nLeft + 3 * nSize + k * nHalf, k % 2 == 0 ? y1 : y2, nSize,
                           greySnap);
    }
    cells.emplace_back(RGB(0, 0, 0), nLeft + 3 * nSize + 16 * nHalf + nSize - 1, cy, 2 * nSize, 0);
    return cells;
}

BOOL CVrxPColorHexCell::Contains(CPoint point) const
{
    HRGN hRegion = ::CreatePolygonRgn(points, 6, ALTERNATE);
    if (hRegion == NULL)
        return FALSE;
    const BOOL bInside = ::PtInRegion(hRegion, point.x, point.y);
    ::DeleteObject(hRegion);
    return bInside;
}
