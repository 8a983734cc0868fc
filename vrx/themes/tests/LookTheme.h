#pragma once

// A visual-styles theme for the looks' tests, bound through the theme
// wrapper's entry points: every class opens, the theme's system colours are
// a fixed table, its name and colour scheme are what the test asks for, and
// the button and window colours the 2003 look reads are fixed too. Also an
// off-screen 32-bit bitmap to draw into and probe.

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

#include <cstdlib>
#include <cwchar>

#include <gtest/gtest.h>

namespace LookTheme
{
constexpr COLORREF window = RGB(255, 255, 255);
constexpr COLORREF btnFace = RGB(236, 233, 216);
constexpr COLORREF btnShadow = RGB(172, 168, 153);
constexpr COLORREF btnHighlight = RGB(255, 255, 255);
constexpr COLORREF darkShadow = RGB(113, 111, 100);
constexpr COLORREF light = RGB(241, 239, 226);
constexpr COLORREF menuHighlight = RGB(49, 106, 197);
constexpr COLORREF highlight = RGB(10, 36, 106);
constexpr COLORREF gradientActiveCaption = RGB(61, 149, 255);
constexpr COLORREF activeCaption = RGB(0, 84, 227);
// The class handles are their index in the wrapper's order, plus one.
constexpr INT_PTR windowClass = 1;
constexpr INT_PTR buttonClass = 3;

inline const wchar_t*& ThemeFile()
{
    static const wchar_t* s_file = L"";
    return s_file;
}
inline const wchar_t*& ColorName()
{
    static const wchar_t* s_color = L"";
    return s_color;
}

inline COLORREF SysColor(int nIndex)
{
    switch (nIndex)
    {
    case COLOR_WINDOW: return window;
    case COLOR_BTNFACE: return btnFace;
    case COLOR_BTNSHADOW: return btnShadow;
    case COLOR_BTNHIGHLIGHT: return btnHighlight;
    case COLOR_3DDKSHADOW: return darkShadow;
    case COLOR_3DLIGHT: return light;
    case COLOR_MENUHILIGHT: return menuHighlight;
    case COLOR_HIGHLIGHT: return highlight;
    case COLOR_GRADIENTACTIVECAPTION: return gradientActiveCaption;
    default: return ::GetSysColor(nIndex);
    }
}

inline HTHEME WINAPI OpenThemeData(HWND, LPCWSTR lpszClass)
{
    static const wchar_t* const names[] = {L"WINDOW", L"TOOLBAR", L"BUTTON", L"STATUS", L"REBAR", L"COMBOBOX",
                                           L"PROGRESS", L"HEADER", L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW",
                                           L"STARTPANEL", L"TASKBAND", L"TASKBAR", L"SPIN", L"TAB", L"TRACKBAR"};
    for (INT_PTR i = 0; i < 17; i++)
        if (wcscmp(names[i], lpszClass) == 0)
            return reinterpret_cast<HTHEME>(i + 1);
    return NULL;
}
inline HRESULT WINAPI CloseThemeData(HTHEME)
{
    return S_OK;
}
inline HRESULT WINAPI DrawThemeBackground(HTHEME, HDC, int, int, const RECT*, const RECT*)
{
    return S_OK;
}
// The button's accent colours, the window caption's and the button edge;
// anything else cannot be read.
inline HRESULT WINAPI GetThemeColor(HTHEME hTheme, int nPart, int nState, int nProperty, COLORREF* pColor)
{
    const INT_PTR nClass = reinterpret_cast<INT_PTR>(hTheme);
    COLORREF color = static_cast<COLORREF>(-1);
    if (nClass == buttonClass && nPart == 1 && nState == 0 && nProperty == 3823)
        color = RGB(248, 179, 48);
    else if (nClass == buttonClass && nPart == 2 && nState == 0 && nProperty == 3823)
        color = RGB(255, 207, 100);
    else if (nClass == windowClass && nPart == 18 && nState == 0 && nProperty == 3821)
        color = RGB(255, 255, 255);
    else if (nClass == buttonClass && nPart == 2 && nState == 0 && nProperty == 3822)
        color = RGB(60, 60, 60);
    else if (nClass == buttonClass && nPart == 1 && nState == 5 && nProperty == 3823)
        color = RGB(130, 150, 200);
    if (color == static_cast<COLORREF>(-1))
        return E_FAIL;
    *pColor = color;
    return S_OK;
}
inline COLORREF WINAPI GetThemeSysColor(HTHEME, int nIndex)
{
    return SysColor(nIndex);
}
inline HRESULT WINAPI GetCurrentThemeName(LPWSTR lpszFile, int nFile, LPWSTR lpszColor, int nColor, LPWSTR, int)
{
    if (ThemeFile()[0] == L'\0')
        return E_FAIL;
    wcsncpy(lpszFile, ThemeFile(), static_cast<size_t>(nFile));
    wcsncpy(lpszColor, ColorName(), static_cast<size_t>(nColor));
    return S_OK;
}
} // namespace LookTheme

// Rich colour, the theme's system colours as the library's global colours;
// the real ones come back afterwards.
class LookThemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVrxPGlobals& g = VrxPGlobals();
        g.bitsPerPixel = 32;
        g.highContrastBlack = g.highContrastWhite = FALSE;
        g.colorWindow = g.colorBarWindow = LookTheme::window;
        g.colorFace = g.colorBarFace = LookTheme::btnFace;
        g.colorShade = g.colorBarShade = LookTheme::btnShadow;
        g.colorLightEdge = g.colorBarLightEdge = LookTheme::btnHighlight;
        g.colorDarkShade = g.colorBarDarkShade = LookTheme::darkShadow;
        g.colorLight = g.colorBarLight = LookTheme::light;
        g.colorSelection = LookTheme::highlight;
        g.colorActiveCaption = LookTheme::activeCaption;
    }
    void TearDown() override { VrxPGlobals().RefreshSysColors(); }

    // Without a file name there is no current theme.
    static void UseTheme(const wchar_t* lpszFile, const wchar_t* lpszColor)
    {
        LookTheme::ThemeFile() = lpszFile;
        LookTheme::ColorName() = lpszColor;
    }
    // The test theme in place of the platform's, and the palette again.
    static void Reload(CVrxPVisualManager& look)
    {
        CVrxPThemeWrapper::EntryPoints entries;
        entries.openThemeData = LookTheme::OpenThemeData;
        entries.closeThemeData = LookTheme::CloseThemeData;
        entries.drawThemeBackground = LookTheme::DrawThemeBackground;
        entries.getThemeColor = LookTheme::GetThemeColor;
        entries.getThemeSysColor = LookTheme::GetThemeSysColor;
        entries.getCurrentThemeName = LookTheme::GetCurrentThemeName;
        look.BindEntryPoints(entries);
        look.ReloadPalette();
    }
};

inline bool Near(COLORREF expected, COLORREF actual, int nTolerance)
{
    return std::abs(GetRValue(expected) - GetRValue(actual)) <= nTolerance &&
           std::abs(GetGValue(expected) - GetGValue(actual)) <= nTolerance &&
           std::abs(GetBValue(expected) - GetBValue(actual)) <= nTolerance;
}

// A 32-bit bitmap filled with one colour, selected into its own DC.
class OffscreenBitmap
{
public:
    OffscreenBitmap(int cx, int cy, COLORREF fill) : m_cx(cx), m_cy(cy)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_hDC = ::CreateCompatibleDC(NULL);
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        CDC::FromHandle(m_hDC)->FillSolidRect(0, 0, cx, cy, fill);
    }
    ~OffscreenBitmap()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

    CDC* Dc() const { return CDC::FromHandle(m_hDC); }
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    int Count(COLORREF color) const
    {
        int nCount = 0;
        for (int y = 0; y < m_cy; y++)
            for (int x = 0; x < m_cx; x++)
                nCount += At(x, y) == color;
        return nCount;
    }

private:
    int m_cx;
    int m_cy;
    HDC m_hDC = NULL;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOld = NULL;
};
