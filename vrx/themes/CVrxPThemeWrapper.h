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

    typedef HTHEME(WINAPI* OpenThemeDataFn)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* CloseThemeDataFn)(HTHEME);
    typedef HRESULT(WINAPI* DrawThemeBackgroundFn)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    typedef HRESULT(WINAPI* GetThemeColorFn)(HTHEME, int, int, int, COLORREF*);
    typedef COLORREF(WINAPI* GetThemeSysColorFn)(HTHEME, int);
    typedef HRESULT(WINAPI* GetCurrentThemeNameFn)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    typedef HTHEME(WINAPI* GetWindowThemeFn)(HWND);
    // The visual-styles entry points, each null when missing.
    struct EntryPoints
    {
        OpenThemeDataFn openThemeData = nullptr;
        CloseThemeDataFn closeThemeData = nullptr;
        DrawThemeBackgroundFn drawThemeBackground = nullptr;
        GetThemeColorFn getThemeColor = nullptr;
        GetThemeSysColorFn getThemeSysColor = nullptr;
        GetCurrentThemeNameFn getCurrentThemeName = nullptr;
        GetWindowThemeFn getWindowTheme = nullptr;
    };

    CVrxPThemeWrapper();
    ~CVrxPThemeWrapper() override;
    CVrxPThemeWrapper(const CVrxPThemeWrapper&) = delete;
    CVrxPThemeWrapper& operator=(const CVrxPThemeWrapper&) = delete;

    // Closes the handles and opens them again for the current theme.
    void OpenThemes();
    void CloseThemes();
    HTHEME GetThemeHandle(ThemeClass nClass) const { return m_themes[nClass]; }
    const EntryPoints& GetEntryPoints() const { return m_entries; }
    // Binds other entry points (those of the loaded library by default) and
    // reopens the handles through them.
    void BindEntryPoints(const EntryPoints& entries);

    virtual BOOL PaintThemePushButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored);

    virtual BOOL PaintThemeProgress(CDC* pDC, CWnd* pBar, CRect rect, int nRange, int nPos, COLORREF colorFill,
                                    COLORREF colorFillEnd, COLORREF colorText, BOOL bShowPercent);
    virtual BOOL PaintThemeComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    virtual BOOL PaintThemeComboFrame(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    // The rebar theme across the whole frame, so that neighbouring bars show
    // one background; the bar face without a theme.
    virtual BOOL PaintThemeRebarBackground(CDC* pDC, CWnd* pWnd, CRect rect);
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
    // Push button states: 4 disabled, 3 pressed or checked, 2 hot, 5 focused, 1.
    static int PushButtonState(BOOL bEnabled, BOOL bPressedOrChecked, BOOL bHighlighted, BOOL bFocused);
    // The scheme of a theme file and colour name; nAccent is the accent
    // hint read (-1 when it could not be read).
    static int SchemeOf(LPCWSTR lpszThemeFile, LPCWSTR lpszColorName, BOOL bAccentRead, COLORREF accent);

protected:
    // DrawThemeBackground of the class's part and state; FALSE (nothing
    // drawn) when the class is not open.
    BOOL PaintPart(ThemeClass nClass, CDC* pDC, int nPart, int nState, const RECT& rect);
    // The theme's colour property of the class's part and state; FALSE, and
    // the colour left alone, when the class is not open or has none.
    BOOL ReadThemeColor(ThemeClass nClass, int nPart, int nState, int nProperty, COLORREF& color) const;

private:

    HTHEME m_themes[themeClassCount];
    HMODULE m_hThemeModule;
    EntryPoints m_entries;
};
