#include "foundation/CVrxPPainter.h"

#include <algorithm>
#include <cmath>

namespace
{
double HlsChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return m1;
}

// Single precision on purpose: these are the values the looks were tuned with.
int HlsChannelDegrees(float m1, float m2, double h)
{
    const float k = 1.0f / 60.0f;
    if (h > 360)
        h -= 360;
    else if (h < 0)
        h += 360;
    if (h < 60)
        return static_cast<int>((m1 + (m2 - m1) * h * k) * 255);
    if (h < 180)
        return static_cast<int>(m2 * 255);
    if (h < 240)
        return static_cast<int>((m1 + (m2 - m1) * (240 - h) * k) * 255);
    return static_cast<int>(m1 * 255);
}
} // namespace

COLORREF CVrxPPainter::ScaleColor(COLORREF color, int nPercent)
{
    auto scale = [nPercent](int channel) { return std::min(channel * nPercent / 100, 255); };
    return RGB(scale(GetRValue(color)), scale(GetGValue(color)), scale(GetBValue(color)));
}

int CVrxPPainter::ScaleChannel(int nChannel, double dFactor)
{
    int value = static_cast<int>(nChannel * dFactor + 0.5);
    if (nChannel == 0 && dFactor > 1.0)
        value = static_cast<int>((dFactor - 1) * 255 + 0.5);
    return std::min(value, 255);
}

COLORREF CVrxPPainter::ScaleColorChannels(COLORREF color, double dRed, double dGreen, double dBlue)
{
    return RGB(ScaleChannel(GetRValue(color), dRed), ScaleChannel(GetGValue(color), dGreen),
               ScaleChannel(GetBValue(color), dBlue));
}

COLORREF CVrxPPainter::BlendColors(COLORREF colorA, COLORREF colorB, int nPercentA)
{
    auto blend = [nPercentA](int a, int b) { return (a * nPercentA + b * (100 - nPercentA)) / 100; };
    return RGB(blend(GetRValue(colorA), GetRValue(colorB)), blend(GetGValue(colorA), GetGValue(colorB)),
               blend(GetBValue(colorA), GetBValue(colorB)));
}

void CVrxPPainter::ColorToHLS(COLORREF color, double& dHue, double& dSaturation, double& dLightness)
{
    const double r = GetRValue(color) * (1.0 / 255);
    const double g = GetGValue(color) * (1.0 / 255);
    const double b = GetBValue(color) * (1.0 / 255);
    const double dMax = std::max({r, g, b});
    const double dMin = std::min({r, g, b});
    dLightness = (dMax + dMin) / 2;
    if (dMax == dMin)
    {
        dSaturation = 0;
        dHue = 0;
        return;
    }
    const double d = dMax - dMin;
    dSaturation = dLightness < 0.5 ? d / (dMax + dMin) : d / (2 - dMax - dMin);
    if (r == dMax)
        dHue = (g - b) / d;
    else if (g == dMax)
        dHue = 2 + (b - r) / d;
    else
        dHue = 4 + (r - g) / d;
    dHue /= 6;
    if (dHue < 0)
        dHue += 1;
}

COLORREF CVrxPPainter::ColorFromHLS(double dHue, double dLightness, double dSaturation)
{
    if (dSaturation == 0)
    {
        int value = static_cast<int>(dLightness * 255);
        return RGB(value, value, value);
    }
    const double m2 = dLightness <= 0.5 ? dLightness * (1 + dSaturation)
                                        : dLightness + dSaturation - dLightness * dSaturation;
    const double m1 = 2 * dLightness - m2;
    return RGB(static_cast<int>(HlsChannel(m1, m2, dHue + 1.0 / 3) * 255),
               static_cast<int>(HlsChannel(m1, m2, dHue) * 255),
               static_cast<int>(HlsChannel(m1, m2, dHue - 1.0 / 3) * 255));
}

COLORREF CVrxPPainter::ColorFromHLSDegrees(double dHue, double dLightness, double dSaturation)
{
    const float m2 = static_cast<float>(dLightness <= 0.5 ? dLightness * (1 + dSaturation)
                                                          : dLightness + dSaturation - dLightness * dSaturation);
    const float m1 = static_cast<float>(2 * dLightness - m2);
    if (dSaturation == 0)
    {
        int value = static_cast<int>(dLightness * 255);
        return RGB(value, value, value);
    }
    return RGB(HlsChannelDegrees(m1, m2, dHue + 120), HlsChannelDegrees(m1, m2, dHue),
               HlsChannelDegrees(m1, m2, dHue - 120));
}

void CVrxPPainter::ColorToHSV(COLORREF color, double& dHue, double& dSaturation, double& dValue)
{
    const double r = GetRValue(color) / 255.0;
    const double g = GetGValue(color) / 255.0;
    const double b = GetBValue(color) / 255.0;
    const double dMax = std::max({r, g, b});
    const double dMin = std::min({r, g, b});
    dValue = dMax;
    if (dMax == 0)
    {
        dSaturation = 0;
        dHue = -1;
        return;
    }
    dSaturation = (dMax - dMin) / dMax;
    if (dMax == dMin)
    {
        dHue = 60;
        return;
    }
    const double d = dMax - dMin;
    if (r == dMax)
        dHue = 60 * ((g - b) / d);
    else if (g == dMax)
        dHue = 60 * (2 + (b - r) / d);
    else
        dHue = 60 * (4 + (r - g) / d);
    if (dHue < 0)
        dHue += 360;
}

COLORREF CVrxPPainter::ColorFromHSV(double dHue, double dSaturation, double dValue)
{
    double r, g, b;
    if (dSaturation == 0)
        r = g = b = dValue;
    else
    {
        const double h = dHue / 60;
        const int i = static_cast<int>(std::floor(h));
        const double f = h - i;
        const double p = dValue * (1 - dSaturation);
        const double q = dValue * (1 - dSaturation * f);
        const double t = dValue * (1 - dSaturation * (1 - f));
        switch (i)
        {
        case 0: r = dValue; g = t; b = p; break;
        case 1: r = q; g = dValue; b = p; break;
        case 2: r = p; g = dValue; b = t; break;
        case 3: r = p; g = q; b = dValue; break;
        case 4: r = t; g = p; b = dValue; break;
        default: r = dValue; g = p; b = q; break;
        }
    }
    auto channel = [](double value) { return static_cast<int>(value * 255 + 0.5); };
    return RGB(channel(r), channel(g), channel(b));
}

COLORREF CVrxPPainter::MixColorsHSV(COLORREF colorA, COLORREF colorB, double dLightnessRatio, int nWeightA,
                                    int nWeightB)
{
    const int nTotal = nWeightA + nWeightB;
    if (nTotal == 0)
        return 0;
    auto mix = [&](int a, int b) { return (a * nWeightA + b * nWeightB) / nTotal; };
    const COLORREF mixed = RGB(mix(GetRValue(colorA), GetRValue(colorB)), mix(GetGValue(colorA), GetGValue(colorB)),
                               mix(GetBValue(colorA), GetBValue(colorB)));
    double dHue, dSaturationMixed, dSaturationB, dValueB, dUnused;
    ColorToHSV(mixed, dHue, dSaturationMixed, dUnused);
    ColorToHSV(colorB, dUnused, dSaturationB, dValueB);
    COLORREF result =
        ColorFromHSV(dHue, (nWeightB * dSaturationB + nWeightA * dSaturationMixed) / nTotal, dValueB);
    if (dLightnessRatio != 1.0)
    {
        double h, s, l;
        ColorToHLS(result, h, s, l);
        result = ColorFromHLS(h, std::min(l * dLightnessRatio, 1.0), s);
    }
    return result;
}

HBITMAP CVrxPPainter::MakeDibSection32(int nWidth, int nHeight, void** ppBits)
{
    if (nWidth <= 0 || nHeight == 0)
        return NULL;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = std::abs(nHeight);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(nWidth * std::abs(nHeight));
    return CreateDIBSection(NULL, &info, DIB_RGB_COLORS, ppBits, NULL, 0);
}
