#include "foundation/CVrxPPainter.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPPixelBuffer.h"
#include "gdi/CBrush.h"

#include <algorithm>
#include <cmath>

int VrxPAlphaDrawing = 0;

namespace
{
const COLORREF noColor = static_cast<COLORREF>(-1);
const double fullTurn = 6.2831852;
const int ringSteps = 360;
const int halfRingSteps = ringSteps / 2;

int Channel(DWORD pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

DWORD MakePixel(int red, int green, int blue, int alpha)
{
    return (static_cast<DWORD>(alpha) << 24) | (static_cast<DWORD>(red) << 16) | (static_cast<DWORD>(green) << 8) |
           static_cast<DWORD>(blue);
}

COLORREF BandColor(COLORREF colorStart, COLORREF colorEnd, int nBand)
{
    auto mix = [nBand](int start, int end) { return (start * (64 - nBand) + end * nBand) >> 6; };
    return RGB(mix(GetRValue(colorStart), GetRValue(colorEnd)), mix(GetGValue(colorStart), GetGValue(colorEnd)),
               mix(GetBValue(colorStart), GetBValue(colorEnd)));
}
} // namespace

BOOL CVrxPPainter::CanBlendAlpha() const
{
    return !VrxPGlobals().isWin9x && CVrxPToolbarImageList::AlphaBlendEntry() != nullptr;
}

void CVrxPPainter::FillSolid(const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    m_pDC->FillRect(&rect, &brush);
}

void CVrxPPainter::AlphaCopy(CDC* pTarget, CRect rectTarget, CDC* pSource, CRect rectSource)
{
    const BOOL bWin9x = VrxPGlobals().isWin9x;
    CVrxPToolbarImageList::AlphaBlendProc pfnAlphaBlend = CVrxPToolbarImageList::AlphaBlendEntry();
    if (pfnAlphaBlend != nullptr && !bWin9x)
    {
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        pfnAlphaBlend(pTarget->GetSafeHdc(), rectTarget.left, rectTarget.top, rectTarget.Width(),
                      rectTarget.Height(), pSource->GetSafeHdc(), rectSource.left, rectSource.top,
                      rectSource.Width(), rectSource.Height(), blend);
    }
    else if (rectTarget.Size() == rectSource.Size())
        pTarget->BitBlt(rectTarget.left, rectTarget.top, rectTarget.Width(), rectTarget.Height(), pSource,
                        rectSource.left, rectSource.top, SRCCOPY);
    else
        pTarget->StretchBlt(rectTarget.left, rectTarget.top, rectTarget.Width(), rectTarget.Height(), pSource,
                            rectSource.left, rectSource.top, rectSource.Width(), rectSource.Height(), SRCCOPY);
}

void CVrxPPainter::ShadePixel(DWORD* pBits, CSize size, int x, int y, int nPercent, COLORREF tint, BOOL bMirrored)
{
    if (bMirrored)
        x = size.cx - 1 - x;
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return;
    DWORD& pixel = pBits[(size.cy - 1 - y) * size.cx + x];
    COLORREF shaded = ScaleColor(VrxPPixelToColor(pixel), nPercent);
    if (tint != noColor)
    {
        auto tinted = [](int channel, int tintChannel) { return std::min((3 * channel + tintChannel) / 4, 255); };
        shaded = RGB(tinted(GetRValue(shaded), GetRValue(tint)), tinted(GetGValue(shaded), GetGValue(tint)),
                     tinted(GetBValue(shaded), GetBValue(tint)));
    }
    pixel = VrxPColorToPixel(shaded);
}

void CVrxPPainter::PaintBandedGradient(CRect rect, COLORREF colorStart, COLORREF colorEnd, BOOL bVertical,
                                       int nStartFlat, int nEndFlat)
{
    if (colorStart == colorEnd)
    {
        FillSolid(rect, colorStart);
        return;
    }
    if (nStartFlat > 0)
    {
        if (!bVertical)
        {
            int nWidth = rect.Width() * nStartFlat / 100;
            FillSolid(CRect(rect.left, rect.top, rect.left + nWidth, rect.bottom), colorStart);
            rect.left += nWidth;
        }
        else
        {
            int nHeight = rect.Height() * nStartFlat / 100;
            FillSolid(CRect(rect.left, rect.top, rect.right, rect.top + nHeight), colorEnd);
            rect.top += nHeight;
        }
    }
    if (nEndFlat > 0)
    {
        if (!bVertical)
        {
            int nWidth = rect.Width() * nEndFlat / 100;
            FillSolid(CRect(rect.right - nWidth, rect.top, rect.right, rect.bottom), colorEnd);
            rect.right -= nWidth;
        }
        else
        {
            int nHeight = rect.Height() * nEndFlat / 100;
            FillSolid(CRect(rect.left, rect.bottom - nHeight, rect.right, rect.bottom), colorStart);
            rect.bottom -= nHeight;
        }
    }
    if (nStartFlat + nEndFlat > 100)
        return;
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();
    for (int i = 0; i < gradientBands; i++)
    {
        CRect band = rect;
        if (!bVertical)
        {
            band.left = rect.left + ((nWidth * i) >> 6);
            band.right = rect.left + ((nWidth * (i + 1)) >> 6);
        }
        else
        {
            band.top = rect.bottom - ((nHeight * (i + 1)) >> 6);
            band.bottom = rect.bottom - ((nHeight * i) >> 6);
        }
        if (band.Width() == 0 || band.Height() == 0)
            continue;
        FillSolid(band, BandColor(colorStart, colorEnd, i));
    }
}

void CVrxPPainter::PaintGradient(CRect rect, COLORREF colorStart, COLORREF colorEnd, BOOL bVertical,
                                 int nStartFlat, int nEndFlat)
{
    if (VrxPAlphaDrawing == 0)
    {
        PaintBandedGradient(rect, colorStart, colorEnd, bVertical, nStartFlat, nEndFlat);
        return;
    }
    rect.NormalizeRect();
    if (rect.IsRectEmpty())
        return;
    VrxPPixelBuffer buffer(m_pDC, rect.Width(), rect.Height());
    if (!buffer.IsValid())
        return;
    CVrxPPainter(buffer.DC()).PaintBandedGradient(CRect(0, 0, rect.Width(), rect.Height()), colorStart, colorEnd,
                                                  bVertical, nStartFlat, nEndFlat);
    GdiFlush();
    DWORD* pBits = buffer.Bits();
    for (int i = 0; i < rect.Width() * rect.Height(); i++)
        pBits[i] |= 0xFF000000;
    buffer.CopyTo(m_pDC, rect.left, rect.top);
}

void CVrxPPainter::PaintGradientSplit(CRect rect, COLORREF color1, COLORREF color2, COLORREF color3,
                                      COLORREF color4, BOOL bVertical, int nPercent)
{
    if (!bVertical)
    {
        int x = rect.left + rect.Width() * nPercent / 100;
        PaintGradient(CRect(rect.left, rect.top, x, rect.bottom), color1, color2, FALSE);
        PaintGradient(CRect(x, rect.top, rect.right, rect.bottom), color3, color4, FALSE);
    }
    else
    {
        int y = rect.top + rect.Height() * nPercent / 100;
        PaintGradient(CRect(rect.left, rect.top, rect.right, y), color1, color2, TRUE);
        PaintGradient(CRect(rect.left, y, rect.right, rect.bottom), color3, color4, TRUE);
    }
}

void CVrxPPainter::PaintDirectionalGradient(CRect rect, COLORREF color1, COLORREF color2, int nAngle)
{
    if (color1 == color2)
    {
        FillSolid(rect, color1);
        return;
    }
    switch (nAngle)
    {
    case 0:
    case 360:
        PaintGradient(rect, color1, color2, FALSE);
        return;
    case 90:
        PaintGradient(rect, color1, color2, TRUE);
        return;
    case 180:
        PaintGradient(rect, color2, color1, FALSE);
        return;
    case 270:
        PaintGradient(rect, color2, color1, TRUE);
        return;
    }
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();
    CDC memoryDC;
    CBitmap bitmap;
    if (!memoryDC.CreateCompatibleDC(m_pDC) || !bitmap.CreateCompatibleBitmap(m_pDC, nWidth, nHeight))
        return;
    CBitmap* pOldBitmap = memoryDC.SelectObject(&bitmap);
    CGdiObject* pOldPen = memoryDC.SelectStockObject(NULL_PEN);
    const int dx = static_cast<int>(std::cos((nAngle + 180) * radiansPerDegree) * nHeight);
    const int nSpan = std::abs(dx) + nWidth;
    const int x0 = dx > 0 ? -dx : 0;
    for (int i = 0; i < gradientBands; i++)
    {
        const int a = x0 + ((i * nSpan) >> 6);
        const int b = x0 + (((i + 1) * nSpan) >> 6);
        if (a == b)
            continue;
        CBrush brush(BandColor(color1, color2, i));
        CBrush* pOldBrush = memoryDC.SelectObject(&brush);
        POINT corners[4] = {{a, 0}, {b, 0}, {b + dx, nHeight}, {a + dx, nHeight}};
        memoryDC.Polygon(corners, 4);
        memoryDC.SelectObject(pOldBrush);
    }
    m_pDC->BitBlt(rect.left, rect.top, nWidth, nHeight, &memoryDC, 0, 0, SRCCOPY);
    memoryDC.SelectObject(pOldPen);
    memoryDC.SelectObject(pOldBitmap);
}

// Each ring is drawn point by point around a circle, or around a pill shape
// when the rectangle is not square, the colour running from colour 1 to
// colour 2 over half a turn and back.
BOOL CVrxPPainter::PaintRingGradient(CRect rect, COLORREF color1, COLORREF color2, COLORREF colorRing,
                                     int nStartAngle, int nRings, COLORREF colorCentre)
{
    if (rect.Width() < 5 || rect.Height() < 5)
        return FALSE;
    VrxPPixelBuffer buffer(m_pDC, rect.Width(), rect.Height());
    if (!buffer.IsValid())
        return FALSE;
    buffer.CopyFrom(m_pDC, rect.left, rect.top);
    const CPoint origin = rect.TopLeft();
    rect.OffsetRect(-origin.x, -origin.y);

    const double a0 = nStartAngle * radiansPerDegree;
    const double a1 = a0 + fullTurn;
    const double aMiddle = (a0 + a1) / 2;
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const double stepRed = (GetRValue(color2) + 0.5 - GetRValue(color1)) / halfRingSteps;
    const double stepGreen = (GetGValue(color2) + 0.5 - GetGValue(color1)) / halfRingSteps;
    const double stepBlue = (GetBValue(color2) + 0.5 - GetBValue(color1)) / halfRingSteps;
    auto channel = [](int start, double step, int index) {
        return static_cast<int>(std::clamp(start + index * step + 0.5, 0.0, 255.0));
    };
    auto setPixel = [&buffer](int x, int y, DWORD pixel) {
        if (buffer.Contains(x, y))
            buffer.Pixel(x, y) = pixel;
    };

    for (int nRing = 0; nRing < nRings; nRing++, rect.DeflateRect(1, 1))
    {
        const int nRadius = std::min(rect.Width(), rect.Height()) / 2;
        const int nStraight = rect.Width() - rect.Height();
        if (nRing == 0 && colorCentre != noColor)
        {
            CDC& dc = buffer.DC();
            CBrush brush(colorCentre);
            CBrush* pOldBrush = dc.SelectObject(&brush);
            CGdiObject* pOldPen = dc.SelectStockObject(NULL_PEN);
            if (nStraight == 0)
                dc.Ellipse(&rect);
            else if (nStraight > 0)
            {
                const int d = rect.Height();
                dc.Ellipse(rect.left, rect.top, rect.left + d, rect.bottom);
                dc.Ellipse(rect.right - d, rect.top, rect.right, rect.bottom);
                dc.Rectangle(rect.left + d / 2, rect.top, rect.right - d / 2, rect.bottom);
            }
            else
            {
                const int d = rect.Width();
                dc.Ellipse(rect.left, rect.top, rect.right, rect.top + d);
                dc.Ellipse(rect.left, rect.bottom - d, rect.right, rect.bottom);
                dc.Rectangle(rect.left, rect.top + d / 2, rect.right, rect.bottom - d / 2);
            }
            dc.SelectObject(pOldPen);
            dc.SelectObject(pOldBrush);
            GdiFlush();
        }
        BOOL bHavePrevious = FALSE;
        int xPrevious = 0;
        int yPrevious = 0;
        int nStep = 0;
        for (double angle = a0; angle < a1; angle += radiansPerDegree, nStep++)
        {
            DWORD pixel;
            if (nRing == 0 && colorRing != noColor)
                pixel = VrxPColorToPixel(colorRing);
            else
            {
                const int index = angle <= aMiddle ? nStep : ringSteps - nStep;
                pixel = MakePixel(channel(GetRValue(color1), stepRed, index),
                                  channel(GetGValue(color1), stepGreen, index),
                                  channel(GetBValue(color1), stepBlue, index), 0);
            }
            int x = static_cast<int>(std::cos(angle) * nRadius) + cx;
            int y = static_cast<int>(std::sin(angle) * nRadius) + cy;
            if (nStraight > 0)
            {
                x += x < cx ? -nStraight / 2 : nStraight / 2;
                if (bHavePrevious && (xPrevious < cx) != (x < cx))
                    for (int xRun = std::min(xPrevious, x) + 1; xRun < std::max(xPrevious, x); xRun++)
                        setPixel(xRun, y, pixel);
            }
            else if (nStraight < 0)
            {
                y += y < cy ? nStraight / 2 : -nStraight / 2;
                if (bHavePrevious && (yPrevious < cy) != (y < cy))
                    for (int yRun = std::min(yPrevious, y) + 1; yRun < std::max(yPrevious, y); yRun++)
                        setPixel(x, yRun, pixel);
            }
            setPixel(x, y, pixel);
            bHavePrevious = TRUE;
            xPrevious = x;
            yPrevious = y;
        }
    }
    buffer.CopyTo(m_pDC, origin.x, origin.y);
    return TRUE;
}

BOOL CVrxPPainter::PaintDropShade(CRect rect, int nDepth, int nLightPercent, int nDarkPercent,
                                  CBitmap* pBottomCache, CBitmap* pSideCache, COLORREF tint, BOOL bOnRight)
{
    const int d = nDepth;
    if (d <= 0 || rect.IsRectEmpty())
        return TRUE;
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();
    const int xSide = bOnRight ? rect.right : rect.left - d;
    const int x0 = bOnRight ? rect.left : rect.left - d;
    if (pBottomCache != nullptr && pSideCache != nullptr && pBottomCache->GetSafeHandle() != nullptr &&
        pSideCache->GetSafeHandle() != nullptr)
    {
        m_pDC->DrawState(CPoint(xSide, rect.top), CSize(d, nHeight + d), pSideCache, DST_BITMAP);
        m_pDC->DrawState(CPoint(x0, rect.bottom), CSize(nWidth + d, d), pBottomCache, DST_BITMAP);
        return TRUE;
    }

    const CSize size(nWidth + d, nHeight + d);
    VrxPPixelBuffer buffer(m_pDC, size.cx, size.cy);
    if (!buffer.IsValid())
        return FALSE;
    buffer.CopyFrom(m_pDC, x0, rect.top);
    DWORD* pBits = buffer.Bits();
    const int nStep = (nDarkPercent - nLightPercent) / d;
    const BOOL bMirrored = !bOnRight;
    for (int k = 0; k < d; k++)
    {
        const int p1 = nDarkPercent - nStep * (d - k);
        const int p2 = nDarkPercent - nStep * k;
        for (int y = nHeight; y <= nHeight + d - k - 1; y++)
            ShadePixel(pBits, size, d + k, y, p1, tint, bMirrored);
        for (int x = 2 * d - k; x <= nWidth + k - 1; x++)
            ShadePixel(pBits, size, x, nHeight + k, p2, tint, bMirrored);
        for (int y = 2 * d - k; y <= nHeight + k; y++)
            ShadePixel(pBits, size, nWidth + k, y, p2, tint, bMirrored);
        for (int x = nWidth; x <= nWidth + d - k - 1; x++)
            ShadePixel(pBits, size, x, d + k, p1, tint, bMirrored);
    }
    buffer.CopyTo(m_pDC, x0, rect.top);

    CDC stripDC;
    if ((pSideCache != nullptr || pBottomCache != nullptr) && stripDC.CreateCompatibleDC(m_pDC))
    {
        if (pSideCache != nullptr)
        {
            pSideCache->DeleteObject();
            if (pSideCache->CreateCompatibleBitmap(m_pDC, d + 1, nHeight + d))
            {
                CBitmap* pOld = stripDC.SelectObject(pSideCache);
                stripDC.BitBlt(0, 0, d, nHeight + d, m_pDC, xSide, rect.top, SRCCOPY);
                stripDC.SelectObject(pOld);
            }
        }
        if (pBottomCache != nullptr)
        {
            pBottomCache->DeleteObject();
            if (pBottomCache->CreateCompatibleBitmap(m_pDC, nWidth + d, d + 1))
            {
                CBitmap* pOld = stripDC.SelectObject(pBottomCache);
                stripDC.BitBlt(0, 0, nWidth + d, d, m_pDC, x0, rect.bottom, SRCCOPY);
                stripDC.SelectObject(pOld);
            }
        }
    }
    return TRUE;
}

BOOL CVrxPPainter::LightenRect(CRect rect, int nPercent, COLORREF transparent, int nTolerance, COLORREF blend)
{
    if (nPercent == 100 || rect.IsRectEmpty())
        return TRUE;
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.bitsPerPixel <= 8)
    {
        m_pDC->FillRect(&rect, &globals.brushHalftone);
        return TRUE;
    }
    if (blend != noColor && nPercent > 100)
        return FALSE;
    VrxPPixelBuffer buffer(m_pDC, rect.Width(), rect.Height());
    if (!buffer.IsValid())
        return FALSE;
    buffer.CopyFrom(m_pDC, rect.left, rect.top);
    const DWORD key = VrxPColorToPixel(transparent);
    const COLORREF lightEdge = globals.colorLightEdge;
    DWORD* pBits = buffer.Bits();
    for (int i = 0; i < rect.Width() * rect.Height(); i++)
    {
        const DWORD pixel = pBits[i] & 0xFFFFFF;
        if (transparent != noColor)
        {
            if (nTolerance <= 0 && pixel == key)
                continue;
            if (nTolerance > 0 && std::abs(Channel(pixel, 16) - Channel(key, 16)) < nTolerance &&
                std::abs(Channel(pixel, 8) - Channel(key, 8)) < nTolerance &&
                std::abs(Channel(pixel, 0) - Channel(key, 0)) < nTolerance)
                continue;
        }
        const COLORREF color = VrxPPixelToColor(pixel);
        COLORREF result;
        if (nPercent == -1)
        {
            auto mix = [](int edge, int channel) { return std::min((edge + 2 * channel) / 3, 255); };
            result = RGB(mix(GetRValue(lightEdge), GetRValue(color)), mix(GetGValue(lightEdge), GetGValue(color)),
                         mix(GetBValue(lightEdge), GetBValue(color)));
        }
        else if (blend == noColor)
            result = ScaleColorChannels(color, nPercent * 0.01, nPercent * 0.01, nPercent * 0.01);
        else
        {
            auto mix = [nPercent](int channel, int target) {
                return std::min(channel + MulDiv(target - channel, nPercent, 100), 255);
            };
            result = RGB(mix(GetRValue(color), GetRValue(blend)), mix(GetGValue(color), GetGValue(blend)),
                         mix(GetBValue(color), GetBValue(blend)));
        }
        pBits[i] = VrxPColorToPixel(result) | 0xFF000000;
    }
    buffer.CopyTo(m_pDC, rect.left, rect.top);
    return TRUE;
}

BOOL CVrxPPainter::DesaturateRect(CRect rect, int nPercent, COLORREF transparent, COLORREF blend)
{
    if (rect.IsRectEmpty())
        return TRUE;
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.bitsPerPixel <= 8)
    {
        m_pDC->FillRect(&rect, &globals.brushHalftone);
        return TRUE;
    }
    if (blend == noColor)
        blend = globals.colorLightEdge;
    VrxPPixelBuffer buffer(m_pDC, rect.Width(), rect.Height());
    if (!buffer.IsValid())
        return FALSE;
    buffer.CopyFrom(m_pDC, rect.left, rect.top);
    const DWORD key = VrxPColorToPixel(transparent);
    DWORD* pBits = buffer.Bits();
    for (int i = 0; i < rect.Width() * rect.Height(); i++)
    {
        const DWORD pixel = pBits[i] & 0xFFFFFF;
        if (transparent != noColor && pixel == key)
            continue;
        double h, s, l;
        ColorToHLS(VrxPPixelToColor(pixel), h, s, l);
        const COLORREF grey = ColorFromHLS(h, l, 0);
        COLORREF result;
        if (nPercent == -1)
        {
            auto mix = [](int channel, int target) { return std::min(channel + (target - channel) / 2, 255); };
            result = RGB(mix(GetRValue(grey), GetRValue(blend)), mix(GetGValue(grey), GetGValue(blend)),
                         mix(GetBValue(grey), GetBValue(blend)));
        }
        else
            result = ScaleColorChannels(grey, nPercent * 0.01, nPercent * 0.01, nPercent * 0.01);
        pBits[i] = VrxPColorToPixel(result) | 0xFF000000;
    }
    buffer.CopyTo(m_pDC, rect.left, rect.top);
    return TRUE;
}

void CVrxPPainter::FlipRect(CRect rect, BOOL bHorizontal)
{
    if (rect.IsRectEmpty())
        return;
    CRect clip;
    m_pDC->GetClipBox(&clip);
    CRect united;
    united.UnionRect(&clip, &rect);
    if (united != clip)
        return;
    VrxPPixelBuffer buffer(m_pDC, rect.Width(), rect.Height());
    if (!buffer.IsValid())
        return;
    buffer.CopyFrom(m_pDC, rect.left, rect.top);
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();
    if (bHorizontal)
    {
        for (int y = 0; y < nHeight; y++)
            for (int x = 0; x < nWidth / 2; x++)
                std::swap(buffer.Pixel(x, y), buffer.Pixel(nWidth - 1 - x, y));
    }
    else
    {
        for (int y = 0; y < nHeight / 2; y++)
            std::swap_ranges(&buffer.Pixel(0, y), &buffer.Pixel(0, y) + nWidth, &buffer.Pixel(0, nHeight - 1 - y));
    }
    buffer.CopyTo(m_pDC, rect.left, rect.top);
}
