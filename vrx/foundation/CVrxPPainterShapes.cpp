#include "foundation/CVrxPPainter.h"

#include "foundation/VrxPPixelBuffer.h"

#include <algorithm>
#include <cmath>

namespace
{
const COLORREF noColor = static_cast<COLORREF>(-1);
const DWORD opaque = 0xFF000000;

// The buffer of a shape: transparent, for blending over what the DC holds;
// or, where per-pixel alpha cannot be blended, a copy of the area, over which
// the shape's pixels are mixed here.
class ShapeCanvas
{
public:
    ShapeCanvas(CDC* pDC, const CRect& rect, BOOL bCanBlend)
        : m_buffer(pDC, rect.Width(), rect.Height()), m_bHoldsBackground(!bCanBlend)
    {
        if (m_buffer.IsValid() && m_bHoldsBackground)
            m_buffer.CopyFrom(pDC, rect.left, rect.top);
    }

    VrxPPixelBuffer& Buffer() { return m_buffer; }

    void SetOpaque(int x, int y, COLORREF color)
    {
        if (m_buffer.Contains(x, y))
            m_buffer.Pixel(x, y) = VrxPColorToPixel(color) | opaque;
    }

    // The colour laid over the pixel with the given weight (0..1). A pixel
    // keeps the strongest coverage that reached it.
    void Cover(int x, int y, COLORREF color, double dWeight)
    {
        if (!m_buffer.Contains(x, y) || dWeight <= 0)
            return;
        dWeight = std::min(dWeight, 1.0);
        DWORD& pixel = m_buffer.Pixel(x, y);
        if (m_bHoldsBackground)
        {
            auto mix = [dWeight](int background, int channel) {
                return static_cast<int>(background * (1 - dWeight) + channel * dWeight + 0.5);
            };
            const COLORREF background = VrxPPixelToColor(pixel);
            pixel = VrxPColorToPixel(RGB(mix(GetRValue(background), GetRValue(color)),
                                         mix(GetGValue(background), GetGValue(color)),
                                         mix(GetBValue(background), GetBValue(color)))) |
                    opaque;
            return;
        }
        const DWORD alpha = static_cast<DWORD>(dWeight * 255 + 0.5);
        if (alpha < (pixel >> 24))
            return;
        auto premultiplied = [dWeight](int channel) { return static_cast<DWORD>(channel * dWeight + 0.5); };
        pixel = (alpha << 24) | (premultiplied(GetRValue(color)) << 16) | (premultiplied(GetGValue(color)) << 8) |
                premultiplied(GetBValue(color));
    }

private:
    VrxPPixelBuffer m_buffer;
    BOOL m_bHoldsBackground;
};

COLORREF Mix(COLORREF colorA, COLORREF colorB, double dWeightB)
{
    auto mix = [dWeightB](int a, int b) { return static_cast<int>(a * (1 - dWeightB) + b * dWeightB + 0.5); };
    return RGB(mix(GetRValue(colorA), GetRValue(colorB)), mix(GetGValue(colorA), GetGValue(colorB)),
               mix(GetBValue(colorA), GetBValue(colorB)));
}
} // namespace

void CVrxPPainter::StrokeLine(CRect points, COLORREF color)
{
    CRect box(std::min(points.left, points.right), std::min(points.top, points.bottom),
              std::max(points.left, points.right) + 1, std::max(points.top, points.bottom) + 1);
    ShapeCanvas canvas(m_pDC, box, CanBlendAlpha());
    if (!canvas.Buffer().IsValid())
        return;
    int x = points.left - box.left;
    int y = points.top - box.top;
    const int xEnd = points.right - box.left;
    const int yEnd = points.bottom - box.top;
    const int dx = std::abs(xEnd - x);
    const int dy = std::abs(yEnd - y);
    const int xStep = xEnd >= x ? 1 : -1;
    const int yStep = yEnd >= y ? 1 : -1;
    const BOOL bAlongX = dx >= dy;
    const int nMajor = bAlongX ? dx : dy;
    const int nMinor = bAlongX ? dy : dx;
    int nError = 2 * nMinor - nMajor;
    for (int i = 0; i <= nMajor; i++)
    {
        canvas.SetOpaque(x, y, color);
        if (nError >= 0)
        {
            if (bAlongX)
                y += yStep;
            else
                x += xStep;
            nError -= 2 * nMajor;
        }
        nError += 2 * nMinor;
        if (bAlongX)
            x += xStep;
        else
            y += yStep;
    }
    AlphaCopy(m_pDC, box, &canvas.Buffer().DC(), CRect(0, 0, box.Width(), box.Height()));
}

// The border is anti-aliased: where the exact edge falls between two pixels,
// the outer one gets the border colour with the weight of its share and the
// inner one the rest. One pass steps along x where the edge is flatter than
// 45 degrees, the other along y where it is steeper.
void CVrxPPainter::StrokeEllipse(CRect rect, COLORREF colorFill, COLORREF colorBorder)
{
    if (colorFill == noColor && colorBorder == noColor)
        return;
    if (colorBorder == noColor)
        colorBorder = colorFill;
    rect.NormalizeRect();
    if (rect.IsRectEmpty())
        return;
    ShapeCanvas canvas(m_pDC, rect, CanBlendAlpha());
    if (!canvas.Buffer().IsValid())
        return;
    const double rx = (rect.Width() - 1) / 2.0;
    const double ry = (rect.Height() - 1) / 2.0;
    const double cx = rx;
    const double cy = ry;

    if (colorFill != noColor)
    {
        const BOOL bScanX = rx >= ry;
        const double rScan = bScanX ? rx : ry;
        const double rOther = bScanX ? ry : rx;
        const double cScan = bScanX ? cx : cy;
        const double cOther = bScanX ? cy : cx;
        for (int i = static_cast<int>(std::ceil(cScan - rScan)); i <= static_cast<int>(std::floor(cScan + rScan)); i++)
        {
            const double u = rScan > 0 ? (i - cScan) / rScan : 0;
            const double s = std::sqrt(std::max(0.0, 1 - u * u)) * rOther;
            for (int j = static_cast<int>(std::ceil(cOther - s)); j <= static_cast<int>(std::floor(cOther + s)); j++)
            {
                if (bScanX)
                    canvas.SetOpaque(i, j, colorFill);
                else
                    canvas.SetOpaque(j, i, colorFill);
            }
        }
    }

    // One edge crossing at the real position p on the line of pixels; the
    // outer pixel lies towards outwardStep.
    auto crossing = [&](double p, int outwardStep, BOOL bAlongColumn, int fixed) {
        const double outer = outwardStep < 0 ? std::floor(p) : std::ceil(p);
        const double c = std::abs(p - outer);
        const int outerIndex = static_cast<int>(outer);
        const int innerIndex = outerIndex - outwardStep;
        auto put = [&](int index, COLORREF color, double weight, BOOL bInner) {
            const int x = bAlongColumn ? fixed : index;
            const int y = bAlongColumn ? index : fixed;
            if (bInner && colorFill != noColor)
                canvas.SetOpaque(x, y, Mix(colorFill, colorBorder, weight));
            else
                canvas.Cover(x, y, color, weight);
        };
        put(outerIndex, colorBorder, 1 - c, FALSE);
        if (innerIndex != outerIndex)
            put(innerIndex, colorBorder, c, TRUE);
    };

    const double a2 = rx * rx;
    const double b2 = ry * ry;
    const double diagonal = std::sqrt(a2 + b2);
    if (diagonal == 0)
    {
        canvas.SetOpaque(0, 0, colorBorder);
    }
    else
    {
        const double xLimit = a2 / diagonal;
        for (int x = static_cast<int>(std::ceil(cx - xLimit)); x <= static_cast<int>(std::floor(cx + xLimit)); x++)
        {
            const double u = rx > 0 ? (x - cx) / rx : 0;
            const double y = ry * std::sqrt(std::max(0.0, 1 - u * u));
            crossing(cy - y, -1, TRUE, x);
            crossing(cy + y, 1, TRUE, x);
        }
        const double yLimit = b2 / diagonal;
        for (int y = static_cast<int>(std::ceil(cy - yLimit)); y <= static_cast<int>(std::floor(cy + yLimit)); y++)
        {
            const double v = ry > 0 ? (y - cy) / ry : 0;
            const double x = rx * std::sqrt(std::max(0.0, 1 - v * v));
            crossing(cx - x, -1, FALSE, y);
            crossing(cx + x, 1, FALSE, y);
        }
    }
    AlphaCopy(m_pDC, rect, &canvas.Buffer().DC(), CRect(0, 0, rect.Width(), rect.Height()));
}

// Without a border colour the fill reaches the edge: the ring of pixels would
// otherwise be copied from the empty buffer as a black frame.
void CVrxPPainter::StrokeRect(CRect rect, COLORREF colorFill, COLORREF colorBorder)
{
    if (colorFill == noColor && colorBorder == noColor)
        return;
    if (colorBorder == noColor)
        colorBorder = colorFill;
    rect.NormalizeRect();
    if (rect.IsRectEmpty())
        return;
    ShapeCanvas canvas(m_pDC, rect, CanBlendAlpha());
    VrxPPixelBuffer& buffer = canvas.Buffer();
    if (!buffer.IsValid())
        return;
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();
    for (int y = 0; y < nHeight; y++)
        for (int x = 0; x < nWidth; x++)
        {
            const BOOL bEdge = x == 0 || y == 0 || x == nWidth - 1 || y == nHeight - 1;
            if (bEdge && colorBorder != noColor)
                canvas.SetOpaque(x, y, colorBorder);
            else if (!bEdge && colorFill != noColor)
                canvas.SetOpaque(x, y, colorFill);
        }
    if (colorFill == noColor)
        AlphaCopy(m_pDC, rect, &buffer.DC(), CRect(0, 0, nWidth, nHeight));
    else
        buffer.CopyTo(m_pDC, rect.left, rect.top);
}
