#pragma once

// The base of every look: the visual-styles library bound at run time, one
// theme handle per window class, and the controls painted with the current
// theme. Without the library, or with visual styles off, every paint
// answers FALSE and the looks draw with their own code.

#include "core/CObject.h"
#include "strings/CRect.h"

#include <uxtheme.h>

class CDC;
class CWnd;

class CVrxPThemeWrapper : public CObject
{
public:
    enum ThemeClass
    {
        themeWindow,
        themeToolbar,
        themeButton,
        themeStatus,
        themeRebar,
        themeComboBox,
        themeProgress,
        themeHeader,
        themeScrollBar,
        themeExplorerBar,
        themeTreeView,
        themeStartPanel,
        themeTaskBand,
        themeTaskBar,
        themeSpin,
        themeTab,
        themeTrackBar,
        themeClassCount
    };
    // The accent colour hint of the button theme.
    static constexpr int accentColorProperty = 3823;

    CVrxPThemeWrapper();
    ~CVrxPThemeWrapper() override;
    CVrxPThemeWrapper(const CVrxPThemeWrapper&) = delete;
    CVrxPThemeWrapper& operator=(const CVrxPThemeWrapper&) = delete;

    // Closes the handles and opens them again for the current theme.
    void OpenThemes();
    void CloseThemes();
    HTHEME GetThemeHandle(ThemeClass nClass) const { return m_themes[nClass]; }

    virtual BOOL PaintThemeProgress(CDC* pDC, CWnd* pBar, CRect rect, int nRange, int nPos, COLORREF colorFill,
                                    COLORREF colorFillEnd, COLORREF colorText, BOOL bShowPercent);
    virtual BOOL PaintThemeComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    virtual BOOL PaintThemeComboFrame(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    virtual BOOL PaintThemeCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, int nState, BOOL bEnabled,
                                    BOOL bPressed);
    virtual BOOL PaintThemeRadioButton(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked, BOOL bEnabled,
                                       BOOL bPressed);
    // -1 no theme, 1 to 3 the default theme's blue, olive and silver
    // schemes, 0 any other.
    virtual int DetectThemeScheme();

    // Theme states of the button parts (pure: tested directly).
    static int CheckBoxState(int nState, BOOL bEnabled, BOOL bPressed, BOOL bHighlighted);
    static int RadioButtonState(BOOL bChecked, BOOL bEnabled, BOOL bPressed, BOOL bHighlighted);
    static int ComboButtonState(BOOL bDisabled, BOOL bDropped, BOOL bHot);
    // The scheme of a theme file and colour name; nAccent is the accent
    // hint read (-1 when it could not be read).
    static int SchemeOf(LPCWSTR lpszThemeFile, LPCWSTR lpszColorName, BOOL bAccentRead, COLORREF accent);

private:
    BOOL PaintPart(ThemeClass nClass, CDC* pDC, int nPart, int nState, const RECT& rect);

    typedef HTHEME(WINAPI* OpenThemeDataFn)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* CloseThemeDataFn)(HTHEME);
    typedef HRESULT(WINAPI* DrawThemeBackgroundFn)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    typedef HRESULT(WINAPI* GetThemeColorFn)(HTHEME, int, int, int, COLORREF*);
    typedef COLORREF(WINAPI* GetThemeSysColorFn)(HTHEME, int);
    typedef HRESULT(WINAPI* GetCurrentThemeNameFn)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    typedef HTHEME(WINAPI* GetWindowThemeFn)(HWND);

    HTHEME m_themes[themeClassCount];
    HMODULE m_hThemeModule;
    OpenThemeDataFn m_pfnOpenThemeData;
    CloseThemeDataFn m_pfnCloseThemeData;
    DrawThemeBackgroundFn m_pfnDrawThemeBackground;
    GetThemeColorFn m_pfnGetThemeColor;
    GetThemeSysColorFn m_pfnGetThemeSysColor;
    GetCurrentThemeNameFn m_pfnGetCurrentThemeName;
    GetWindowThemeFn m_pfnGetWindowTheme;
};
