// The 2003 look's data: its constructor's settings, the scheme detection,
// the colour model and the colour queries the look adds to the interface.

#include "themes/2003/CVrxPVisualManager2003.h"

#include "themes/VrxPLookObjects.h"

#include "app/CWinThread.h"
#include "windows/CWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager2003, CVrxPVisualManagerXP)

int CVrxPVisualManager2003::detectSchemeAlways = 1;
int CVrxPVisualManager2003::keepSchemeColors = 1;
int CVrxPVisualManager2003::themedStatusBar = 1;

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
// Theme colour properties and parts read by the palette.
const int kAccentColor = 3823;
const int kFillColor = 3802;
const int kBorderColor = 3801;
const int kEdgeFillColor = 3822;
const int kGradientColor1 = 3810;
const int kGradientColor2 = 3811;
const int kCaptionAccent = 3821;

COLORREF Scale(COLORREF color, int nPercent)
{
    return CVrxPPainter::ScaleColor(color, nPercent);
}

COLORREF ScaleF(COLORREF color, double dFactor)
{
    return CVrxPPainter::ScaleColorChannels(color, dFactor, dFactor, dFactor);
}

COLORREF Mix(COLORREF a, COLORREF b, double dRatio, int wa, int wb)
{
    return CVrxPPainter::MixColorsHSV(a, b, dRatio, wa, wb);
}

} // namespace

// Every colour starts defined: a first palette in plain mode computes only
// some of them, and the drawing reads the others in every mode.
CVrxPVisualManager2003::CVrxPVisualManager2003(BOOL bTemporary)
    : CVrxPVisualManagerXP(bTemporary), themeScheme(schemeNone), faceGradientDark(0), faceGradientLight(0),
      toolbarGradientDark(0), toolbarGradientLight(0), imageHighlightColor(0), verticalGradientLight(0),
      verticalGradientDark(0), chevronGradientDark(0), chevronGradientLight(0), toolbarShadowColor(0),
      menuHotColor(kNone), hotGradientTop(0), hotGradientBottom(0), pressedGradientTop(0), pressedGradientBottom(0),
      checkedGradientTop(0), checkedGradientBottom(0), frameColor(0), captionGradientLight(0), captionGradientDark(0),
      paneGradientBottom(0), paneGradientTop(0), normalCaptionRightColor(0), normalCaptionLeftColor(0),
      specialGroupBottomColor(0), specialGroupTopColor(0), normalGroupTopColor(0), normalGroupBottomColor(0),
      groupBorderColor(0), headerColor(0), useThemeColors(FALSE)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    faceGradientDark = faceGradientLight = toolbarGradientDark = toolbarGradientLight = globals.colorBarFace;
    verticalGradientLight = verticalGradientDark = imageHighlightColor = globals.colorBarFace;
    chevronGradientDark = chevronGradientLight = toolbarShadowColor = frameColor = globals.colorBarShade;
    captionGradientLight = globals.colorBarShade;
    captionGradientDark = globals.colorBarDarkShade;
    hotGradientTop = hotGradientBottom = pressedGradientTop = pressedGradientBottom = highlightColor;
    checkedGradientTop = checkedGradientBottom = highlightColor;
    headerColor = highlightColor;
    menuShadeDepth = 3;
    shadeHotImages = FALSE;
    fadeInactiveImages = FALSE;
    taskPaneMarginV = 8;
    taskPaneMarginH = 8;
    taskGroupSpacing = 8;
    taskGroupCaptionHeight = 18;
    taskCaptionIndentH = 3;
    taskCaptionIndentV = 3;
    taskIndentH = 8;
    taskIconTextGap = 5;
    taskSpareMetric = 4;
    spareFlag = TRUE;
    CVrxPVisualManager2003::ReloadPalette();
}

CVrxPVisualManager2003::~CVrxPVisualManager2003()
{
    headerPen.DeleteObject();
    darkLinePen.DeleteObject();
    lightLinePen.DeleteObject();
    groupBorderPen.DeleteObject();
    barFaceBrush.DeleteObject();
    barHiliteLinePen.DeleteObject();
    toolbarShadowPen.DeleteObject();
}

BOOL CVrxPVisualManager2003::IsRichColor()
{
    const CVrxPGlobals& globals = VrxPGlobals();
    return globals.bitsPerPixel > 8 && !globals.highContrastBlack && !globals.highContrastWhite;
}

COLORREF CVrxPVisualManager2003::SysColor(int nIndex)
{
    const HTHEME hTheme = GetThemeHandle(themeWindow);
    if (hTheme != NULL && GetEntryPoints().getThemeSysColor != nullptr)
        return GetEntryPoints().getThemeSysColor(hTheme, nIndex);
    return ::GetSysColor(nIndex);
}

COLORREF CVrxPVisualManager2003::ThemeColor(ThemeClass nClass, int nPart, int nState, int nProperty,
                                            COLORREF fallback)
{
    const HTHEME hTheme = GetThemeHandle(nClass);
    COLORREF color = fallback;
    if (hTheme == NULL || GetEntryPoints().getThemeColor == nullptr ||
        FAILED(GetEntryPoints().getThemeColor(hTheme, nPart, nState, nProperty, &color)))
        return fallback;
    return color;
}

int CVrxPVisualManager2003::DetectScheme()
{
    int nScheme = schemeNone;
    if (detectSchemeAlways)
        nScheme = DetectThemeScheme();
    else
    {
        CWinThread* pThread = AfxGetThread();
        CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
        const GetWindowThemeFn getWindowTheme = GetEntryPoints().getWindowTheme;
        if (pMainWnd != nullptr && getWindowTheme != nullptr && getWindowTheme(pMainWnd->GetSafeHwnd()) != NULL)
            nScheme = DetectThemeScheme();
    }
    if (!keepSchemeColors && nScheme != schemeNone)
        nScheme = schemeOther;
    return nScheme;
}

COLORREF CVrxPVisualManager2003::QueryMenuHighlightColor()
{
    if (useThemeColors && GetThemeHandle(themeWindow) != NULL)
        return SysColor(COLOR_MENUHILIGHT);
    return VrxPGlobals().colorBarFace;
}

COLORREF CVrxPVisualManager2003::QueryMenuGutterColor()
{
    return SysColor(COLOR_WINDOW);
}

COLORREF CVrxPVisualManager2003::QueryHotItemColor()
{
    return menuHotColor;
}

COLORREF CVrxPVisualManager2003::DarkenColor(COLORREF color)
{
    if (color == RGB(255, 255, 255))
        return VrxPGlobals().colorFace;
    double dHue = 0, dSaturation = 0, dLightness = 0;
    CVrxPPainter::ColorToHLS(color, dHue, dSaturation, dLightness);
    if (dSaturation != 1.0)
        return CVrxPPainter::ColorFromHLS(dHue, 0.84 * dLightness, dSaturation);
    return CVrxPPainter::ColorFromHLS(0.84 * dHue, 0.95 * dLightness, dSaturation);
}

// The planner view carries no background colour of its own yet: every view
// answers the look's planner highlight.
COLORREF CVrxPVisualManager2003::QueryBarBaseColor(CVrxPPlannerView*)
{
    return plannerHighlightColor;
}

COLORREF CVrxPVisualManager2003::QueryBarLightColor(CVrxPPlannerView* pView)
{
    return QueryBarBaseColor(pView);
}

COLORREF CVrxPVisualManager2003::QueryBarDarkColor(CVrxPPlannerView* pView)
{
    return DarkenColor(QueryBarLightColor(pView));
}

void CVrxPVisualManager2003::ComputeBaseColors()
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (IsRichColor() && useThemeColors)
    {
        const COLORREF base = QueryMenuHighlightColor();
        COLORREF face = globals.colorBarFace;
        switch (themeScheme)
        {
        case schemeOlive:
            face = Mix(Scale(base, 120), Mix(base, SysColor(COLOR_WINDOW), 1, 2, 1), 1, 2, 1);
            break;
        case schemeSilver:
            face = Scale(Mix(Mix(base, SysColor(COLOR_BTNFACE), 0.75, 2, 1), Mix(base, SysColor(COLOR_WINDOW), 1.03, 1, 1),
                             1, 1, 1),
                         95);
            break;
        default:
            face = Mix(SysColor(COLOR_MENUHILIGHT), SysColor(COLOR_WINDOW), 1, 1, 1);
            break;
        }
        globals.colorBarFace = face;
        globals.colorBarShade = Scale(face, 70);
        globals.colorBarLightEdge = Scale(face, 130);
        globals.colorBarDarkShade = Scale(face, 50);
        globals.colorBarLight = Scale(face, 110);
    }
    else
    {
        const HTHEME hButton = GetThemeHandle(themeButton);
        const GetThemeSysColorFn getThemeSysColor = GetEntryPoints().getThemeSysColor;
        auto system = [&](int nIndex) {
            return hButton != NULL && getThemeSysColor != nullptr ? getThemeSysColor(hButton, nIndex)
                                                                  : ::GetSysColor(nIndex);
        };
        globals.colorBarFace = system(COLOR_BTNFACE);
        globals.colorBarShade = system(COLOR_BTNSHADOW);
        globals.colorBarLightEdge = system(COLOR_BTNHIGHLIGHT);
        globals.colorBarDarkShade = system(COLOR_3DDKSHADOW);
        globals.colorBarLight = system(COLOR_3DLIGHT);
    }
    RemakeBrush(globals.brushBarFace, globals.colorBarFace);
}

void CVrxPVisualManager2003::ReloadPalette()
{
    OpenThemes();
    themeScheme = DetectScheme();
    useThemeColors = themeScheme >= schemeBlue && themeScheme <= schemeSilver;
    ComputeBaseColors();
    CVrxPVisualManagerXP::ReloadPalette();
    if (!IsRichColor())
    {
        ComputePlainPalette();
        return;
    }
    const COLORREF base = QueryMenuHighlightColor();
    ComputeSchemeGradients(base);
    COLORREF colorSeparator = 0;
    COLORREF colorHeaderPen = 0;
    if (useThemeColors)
        ComputeThemeModeColors(base, colorSeparator, colorHeaderPen);
    else
        ComputeClassicModeColors(colorSeparator, colorHeaderPen);

    const CVrxPGlobals& globals = VrxPGlobals();
    pressedGradientBottom = checkedGradientTop = hotGradientBottom;
    checkedGradientBottom = Scale(pressedGradientTop, 120);
    RemakeBrush(tabAreaBrush, toolbarGradientLight);
    RemakePen(barHiliteLinePen, globals.colorBarLightEdge);
    RemakeBrush(barFaceBrush, globals.colorBarFace);
    RemakePen(separatorPen, colorSeparator);
    ribbonShadeColor = globals.colorBarFace;
    imageHighlightColor = Mix(toolbarGradientDark, toolbarGradientLight, 0.92, 1, 1);
    RemakePen(toolbarShadowPen, toolbarShadowColor);

    ComputeTasksPaneColors();
    RemakePen(groupBorderPen, groupBorderColor);
    RemakePen(lightLinePen, Scale(toolbarShadowColor, 210));
    RemakePen(darkLinePen, Scale(toolbarShadowColor, 75));
    plannerHighlightColor = richPlannerHighlightColor;
    RemakePen(headerPen, colorHeaderPen);
}

void CVrxPVisualManager2003::ComputeSchemeGradients(COLORREF base)
{
    switch (themeScheme)
    {
    case schemeOlive:
        toolbarGradientDark = Scale(base, 120);
        faceGradientDark = Mix(base, SysColor(COLOR_BTNFACE), 0.87, 1, 3);
        toolbarGradientLight = Mix(base, SysColor(COLOR_WINDOW), 1, 2, 1);
        faceGradientLight = Mix(base, SysColor(COLOR_WINDOW), 1.03, 1, 1);
        break;
    case schemeSilver:
        toolbarGradientDark = Mix(base, SysColor(COLOR_BTNFACE), 0.75, 2, 1);
        faceGradientDark = Scale(base, 120);
        toolbarGradientLight = Mix(base, SysColor(COLOR_BTNHIGHLIGHT), 0.98, 1, 1);
        faceGradientLight = Mix(base, SysColor(COLOR_WINDOW), 1.03, 1, 1);
        break;
    default:
        toolbarGradientDark = Mix(base, SysColor(COLOR_BTNFACE), 0.93, 2, 1);
        faceGradientDark = Mix(base, SysColor(COLOR_3DLIGHT), 0.99, 2, 1);
        toolbarGradientLight = themeScheme == schemeBlue ? Mix(base, SysColor(COLOR_WINDOW), 1.03, 1, 1)
                                                         : Mix(base, SysColor(COLOR_WINDOW), 1, 1, 4);
        faceGradientLight = toolbarGradientLight;
        break;
    }
    verticalGradientLight = toolbarGradientLight;
    verticalGradientDark = Scale(toolbarGradientDark, 98);
}

void CVrxPVisualManager2003::ComputeThemeModeColors(COLORREF base, COLORREF& colorSeparator,
                                                    COLORREF& colorHeaderPen)
{
    CVrxPGlobals& globals = VrxPGlobals();
    // A colour the theme cannot give keeps the bar colour it stands for.
    const COLORREF c1 = ThemeColor(themeButton, 1, 0, kAccentColor, globals.colorBarFace);
    const COLORREF c2 = ThemeColor(themeButton, 2, 0, kAccentColor, globals.colorBarFace);
    const COLORREF c3 = ThemeColor(themeWindow, 18, 0, kCaptionAccent, globals.colorWindow);
    const COLORREF c4 = ThemeColor(themeButton, 2, 0, kEdgeFillColor, globals.colorBarShade);
    const COLORREF c5 = ThemeColor(themeButton, 1, 5, kAccentColor, globals.colorBarShade);

    menuHotColor = Mix(c1, c2, 1.3, 1, 1);
    hotGradientTop = Mix(c1, c3, 1.55, 2, 1);
    hotGradientBottom = Mix(c1, c2, 1.03, 2, 1);
    pressedGradientTop = Mix(c1, c3, 1.03, 1, 2);
    RemakeBrush(floatingFrameBrush, Mix(c4, base, 0.84, 1, 4));
    if (themeScheme == schemeOlive)
    {
        chevronGradientDark = Mix(c4, base, 0.63, 1, 3);
        chevronGradientLight = Mix(c5, base, 1.2, 1, 3);
    }
    else
    {
        chevronGradientDark = Scale(globals.colorActiveCaption, 60);
        chevronGradientLight = Mix(chevronGradientDark, base, themeScheme == schemeBlue ? 1.61 : 1, 3, 1);
    }
    globals.colorBarDarkShade = chevronGradientDark;
    if (themeScheme != schemeSilver)
        globals.colorBarShade = Mix(c5, base, 1.4, 1, 3);
    toolbarShadowColor = Scale(toolbarGradientDark, themeScheme == schemeSilver ? 80 : 50);
    frameColor = Scale(verticalGradientDark, 40);
    colorSeparator = Scale(verticalGradientDark, 81);
    highlightFrameColor = frameColor;
    menuBorderColor = Scale(base, 80);
    menuColor = ScaleF(globals.colorWindow, 0.96);
    RemakeBrush(menuBrush, menuColor);
    captionGradientDark = chevronGradientDark;
    captionGradientLight = chevronGradientLight;
    headerColor = themeHeaderColor;
    colorHeaderPen = themeHeaderPenColor;
}

void CVrxPVisualManager2003::ComputeClassicModeColors(COLORREF& colorSeparator, COLORREF& colorHeaderPen)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    menuHotColor = kNone;
    hotGradientTop = highlightColor;
    hotGradientBottom = pressedColor;
    pressedGradientTop = Scale(highlightColor, 120);
    chevronGradientDark = globals.colorBarShade;
    chevronGradientLight = Mix(globals.colorBarShade, globals.colorBarFace, 1, 1, 1);
    toolbarShadowColor = Scale(toolbarGradientDark, 75);
    frameColor = captionGradientLight = colorSeparator = globals.colorBarShade;
    captionGradientDark = globals.colorBarDarkShade;
    headerColor = highlightColor;
    colorHeaderPen = highlightFrameColor;
}

void CVrxPVisualManager2003::ComputeTasksPaneColors()
{
    const HTHEME hExplorer = GetThemeHandle(themeExplorerBar);
    if (useThemeColors && hExplorer != NULL)
    {
        paneGradientTop = ThemeColor(themeExplorerBar, 0, 0, kGradientColor1, toolbarGradientLight);
        paneGradientBottom = ThemeColor(themeExplorerBar, 0, 0, kGradientColor2, faceGradientDark);
        normalCaptionRightColor = ThemeColor(themeExplorerBar, 5, 0, kFillColor, faceGradientDark);
        specialGroupBottomColor = ThemeColor(themeExplorerBar, 12, 0, kFillColor, chevronGradientDark);
        specialGroupTopColor = normalCaptionRightColor;
        normalGroupTopColor = normalGroupBottomColor = ThemeColor(themeExplorerBar, 5, 0, kFillColor,
                                                                  toolbarGradientLight);
        groupBorderColor = ThemeColor(themeExplorerBar, 5, 0, kBorderColor, toolbarGradientLight);
        normalCaptionLeftColor = groupBorderColor;
        return;
    }
    paneGradientBottom = normalCaptionRightColor = faceGradientDark;
    paneGradientTop = normalCaptionLeftColor = toolbarGradientLight;
    specialGroupBottomColor = Mix(chevronGradientDark, Scale(VrxPGlobals().colorBarShade, 125), 1, 1, 1);
    specialGroupTopColor = chevronGradientLight;
    normalGroupTopColor = normalGroupBottomColor = groupBorderColor = toolbarGradientLight;
}

// Only what plain mode gives; the other colours keep their last values. The
// bar highlight pen is made here too: the ribbon separator draws with it in
// every mode.
void CVrxPVisualManager2003::ComputePlainPalette()
{
    const CVrxPGlobals& globals = VrxPGlobals();
    paneGradientBottom = paneGradientTop = globals.colorWindow;
    normalCaptionRightColor = normalCaptionLeftColor = globals.colorBarFace;
    specialGroupBottomColor = specialGroupTopColor = globals.colorBarFace;
    normalGroupTopColor = normalGroupBottomColor = globals.colorWindow;
    groupBorderColor = globals.colorShade;
    toolbarGradientLight = faceGradientLight = globals.colorBarLight;
    RemakePen(groupBorderPen, groupBorderColor);
    RemakePen(lightLinePen, globals.colorLight);
    RemakePen(darkLinePen, globals.colorShade);
    imageHighlightColor = globals.colorLightEdge;
    RemakePen(barHiliteLinePen, globals.colorBarLightEdge);
    if (barFaceBrush.GetSafeHandle() == NULL)
        RemakeBrush(barFaceBrush, globals.colorBarFace);
    if (toolbarShadowPen.GetSafeHandle() == NULL)
        RemakePen(toolbarShadowPen, toolbarShadowColor);
    if (headerPen.GetSafeHandle() == NULL)
        RemakePen(headerPen, highlightFrameColor);
}

COLORREF CVrxPVisualManager2003::QueryImageHighlightColor()
{
    return imageHighlightColor;
}
