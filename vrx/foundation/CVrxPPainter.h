#pragma once

// Drawing effects that plain GDI does not offer, on one device context, and
// the library's colour arithmetic. A painter lives for one paint: construct
// it on the DC, call operations, let it go. Most effects read the area into a
// 32-bit buffer, change pixels there and copy it back, so they keep what is
// already drawn. Colours are COLORREF values; -1 means none.

#include "core/CObject.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

// While set (the ribbon's edit element sets it around its painting),
// gradients and images draw through 32-bit buffers with opaque alpha.
extern int VrxPAlphaDrawing;

class CVrxPPainter : public CObject
{
public:
    // The program's value of pi / 180.
    static constexpr double radiansPerDegree = 0.017453292222222222;
    static constexpr int gradientBands = 64;

    explicit CVrxPPainter(CDC& dc) : m_pDC(&dc) {}

    // Colour arithmetic.
    // Each channel x percent / 100, at most 255.
    static COLORREF ScaleColor(COLORREF color, int nPercent);
    // A factor above 1 also lifts a channel of 0.
    static int ScaleChannel(int nChannel, double dFactor);
    static COLORREF ScaleColorChannels(COLORREF color, double dRed, double dGreen, double dBlue);
    static COLORREF BlendColors(COLORREF colorA, COLORREF colorB, int nPercentA);
    // Hue as a fraction of a turn; all three 0..1.
    static void ColorToHLS(COLORREF color, double& dHue, double& dSaturation, double& dLightness);
    static COLORREF ColorFromHLS(double dHue, double dLightness, double dSaturation);
    static COLORREF ColorFromHLSDegrees(double dHue, double dLightness, double dSaturation);
    // Hue in degrees, -1 for black.
    static void ColorToHSV(COLORREF color, double& dHue, double& dSaturation, double& dValue);
    static COLORREF ColorFromHSV(double dHue, double dSaturation, double dValue);
    // The mixed hue, a weighted saturation and the value of colour B; 0 when
    // both weights are 0.
    static COLORREF MixColorsHSV(COLORREF colorA, COLORREF colorB, double dLightnessRatio, int nWeightA,
                                 int nWeightB);

    // A bottom-up 32-bit DIB section; NULL for a width of 0 or less or a
    // height of 0.
    static HBITMAP MakeDibSection32(int nWidth, int nHeight, void** ppBits);
    // Blends a source with per-pixel alpha when the platform can, else copies it.
    static void AlphaCopy(CDC* pTarget, CRect rectTarget, CDC* pSource, CRect rectSource);
    // Darkens one buffer pixel (x, y counted from the buffer's top-left) to
    // nPercent, tinted a quarter towards tint; mirrored counts x from the
    // right.
    static void ShadePixel(DWORD* pBits, CSize size, int x, int y, int nPercent, COLORREF tint, BOOL bMirrored);

    // 64 bands from the start colour to the end colour: left to right, or
    // bottom to top when vertical; flat percentages cut solid bands first.
    void PaintGradient(CRect rect, COLORREF colorStart, COLORREF colorEnd, BOOL bVertical = TRUE,
                       int nStartFlat = 0, int nEndFlat = 0);
    void PaintBandedGradient(CRect rect, COLORREF colorStart, COLORREF colorEnd, BOOL bVertical = TRUE,
                             int nStartFlat = 0, int nEndFlat = 0);
    void PaintGradientSplit(CRect rect, COLORREF color1, COLORREF color2, COLORREF color3, COLORREF color4,
                            BOOL bVertical = TRUE, int nPercent = 50);
    void PaintDirectionalGradient(CRect rect, COLORREF color1, COLORREF color2, int nAngle = 45);
    BOOL PaintRingGradient(CRect rect, COLORREF color1, COLORREF color2, COLORREF colorRing, int nStartAngle = 45,
                           int nRings = 8, COLORREF colorCentre = static_cast<COLORREF>(-1));
    // A soft shade of the given depth right of and below the rectangle (or
    // left of and below it). With both caches holding bitmaps the shade is
    // drawn from them; given caches are filled from what was drawn.
    BOOL PaintDropShade(CRect rect, int nDepth = 5, int nLightPercent = 100, int nDarkPercent = 75,
                        CBitmap* pBottomCache = nullptr, CBitmap* pSideCache = nullptr,
                        COLORREF tint = static_cast<COLORREF>(-1), BOOL bOnRight = TRUE);
    // nPercent -1 mixes towards the light-edge colour.
    BOOL LightenRect(CRect rect, int nPercent, COLORREF transparent = static_cast<COLORREF>(-1),
                     int nTolerance = 0, COLORREF blend = static_cast<COLORREF>(-1));
    BOOL DesaturateRect(CRect rect, int nPercent = -1, COLORREF transparent = static_cast<COLORREF>(-1),
                        COLORREF blend = static_cast<COLORREF>(-1));
    // Only for a rectangle wholly inside the DC's clip box.
    void FlipRect(CRect rect, BOOL bHorizontal);
    // From the rectangle's top-left corner to its bottom-right corner, both
    // included.
    void StrokeLine(CRect points, COLORREF color);
    void StrokeEllipse(CRect rect, COLORREF colorFill, COLORREF colorBorder = static_cast<COLORREF>(-1));
    void StrokeRect(CRect rect, COLORREF colorFill, COLORREF colorBorder = static_cast<COLORREF>(-1));

private:
    BOOL CanBlendAlpha() const;
    void FillSolid(const CRect& rect, COLORREF color);

    CDC* m_pDC;
};
