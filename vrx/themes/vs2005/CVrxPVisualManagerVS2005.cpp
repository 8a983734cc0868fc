// korvo's default look: its class-wide options and its palette, which
// retints the 2003 colours by the theme's colour scheme.

#include "themes/vs2005/CVrxPVisualManagerVS2005.h"

#include "themes/VrxPLookObjects.h"

#include "docking/CVrxPAutoHideButton.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "panes/CVrxPButton.h"
#include "panes/CVrxPTabbedControlBar.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManagerVS2005, CVrxPVisualManager2003)

BOOL CVrxPVisualManagerVS2005::roundedAutoHideButtons = FALSE;

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
const int kComboBoxBorderPart = 5;
const int kBorderColorProperty = 3801;

COLORREF Scale(COLORREF color, int nPercent)
{
    return CVrxPPainter::ScaleColor(color, nPercent);
}

COLORREF Mix(COLORREF a, COLORREF b, double dRatio, int wa, int wb)
{
    return CVrxPPainter::MixColorsHSV(a, b, dRatio, wa, wb);
}

} // namespace

CVrxPVisualManagerVS2005::CVrxPVisualManagerVS2005(BOOL bTemporary)
    : CVrxPVisualManager2003(bTemporary), captionBorderColor(kNone), vs2005Scheme(schemeNone)
{
    markCheckedMenuImages = TRUE;
    fillPlainTabs = TRUE;
    tabDarkEdge = FALSE;
    separatorAfterLastTab = FALSE;
    if (!bTemporary)
    {
        CVrxPAutoHideButton::labelsHidden = 0;
        CVrxPDockingControlBar::paneCaptionMenuButton = 1;
        CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::smartMarkersStyle);
    }
}

CVrxPVisualManagerVS2005::~CVrxPVisualManagerVS2005()
{
    checkedItemBrush.DeleteObject();
    openMenuBrush.DeleteObject();
    captionBorderPen.DeleteObject();
}

// Only the silver scheme keeps the 2003 theme colours; the other schemes are
// retinted here from the classic 2003 palette.
void CVrxPVisualManagerVS2005::ReloadPalette()
{
    const int nKeepSchemeColors = keepSchemeColors;
    pressedFrameColor = kNone;
    vs2005Scheme = DetectThemeScheme();
    if (vs2005Scheme != schemeSilver)
        keepSchemeColors = 0;
    CVrxPVisualManager2003::ReloadPalette();
    if (nKeepSchemeColors == 0)
    {
        keepSchemeColors = nKeepSchemeColors;
        return;
    }
    COLORREF colorOpenMenu = toolbarColor;
    COLORREF colorCheckedItem = pressedColor;
    captionBorderColor = ThemeColor(themeComboBox, kComboBoxBorderPart, 0, kBorderColorProperty, kNone);
    if (IsRichColor())
        ComputeRichRetint(colorOpenMenu, colorCheckedItem);
    RemakeBrush(openMenuBrush, colorOpenMenu);
    RemakeBrush(checkedItemBrush, colorCheckedItem);
    captionBorderPen.DeleteObject();
    if (captionBorderColor != kNone)
        captionBorderPen.CreatePen(PS_SOLID, 1, captionBorderColor);
    keepSchemeColors = nKeepSchemeColors;
    CVrxPGlobals& globals = VrxPGlobals();
    inactiveTabTextColor = globals.colorDarkShade;
    if (IsRichColor())
        RemakePen(separatorPen, Scale(globals.colorBarFace, 84));
}

void CVrxPVisualManagerVS2005::ComputeRichRetint(COLORREF& colorOpenMenu, COLORREF& colorCheckedItem)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bBlueOrOlive = vs2005Scheme == schemeBlue || vs2005Scheme == schemeOlive;
    chevronGradientLight = Mix(chevronGradientDark, globals.colorBarFace, 1.5, 1, 1);
    if (bBlueOrOlive)
    {
        toolbarGradientDark = Scale(toolbarGradientDark, 83);
        toolbarGradientLight = Mix(QueryMenuHighlightColor(), SysColor(COLOR_WINDOW), 1.0, 3, 2);
    }
    switch (vs2005Scheme)
    {
    case schemeBlue:
        chevronGradientDark = Scale(chevronGradientDark, 90);
        chevronGradientLight = Scale(chevronGradientLight, 115);
        toolbarShadowColor = Scale(toolbarShadowColor, 85);
        break;
    case schemeOlive:
        toolbarShadowColor = Scale(toolbarShadowColor, 110);
        chevronGradientDark = toolbarShadowColor;
        chevronGradientLight = Scale(chevronGradientLight, 120);
        pressedColor = globals.colorSelection;
        highlightColor = Scale(globals.colorSelection, 124);
        checkedColor = Scale(SysColor(COLOR_GRADIENTACTIVECAPTION), 98);
        RemakeBrush(pressedBrush, pressedColor);
        RemakeBrush(highlightBrush, highlightColor);
        RemakeBrush(checkedBrush, checkedColor);
        break;
    case schemeSilver:
        break;
    default:
        toolbarShadowColor = toolbarGradientDark;
        break;
    }
    colorOpenMenu = Scale(toolbarColor, 107);
    colorCheckedItem = SysColor(COLOR_HIGHLIGHT);
    if (bBlueOrOlive)
    {
        faceGradientLight = Scale(toolbarGradientLight, 95);
        faceGradientDark = Scale(faceGradientDark, 97);
    }
    imageHighlightColor = Mix(toolbarGradientDark, toolbarGradientLight, 0.92, 1, 2);
    pressedFrameColor = Mix(menuBorderColor, globals.colorBarDarkShade, 0.8, 1, 2);
    RemakePen(toolbarShadowPen, toolbarShadowColor);
}

int CVrxPVisualManagerVS2005::QueryMdiTabsStyle()
{
    return 1;
}

int CVrxPVisualManagerVS2005::QueryDockingTabsStyle()
{
    return CVrxPTabbedControlBar::SharedTabStyle == 6 ? 0 : 3;
}

BOOL CVrxPVisualManagerVS2005::DrawsAutoHideButtonsAsTabs()
{
    return roundedAutoHideButtons;
}

COLORREF CVrxPVisualManagerVS2005::QueryControlBackColor(CWnd* pControl)
{
    if (keepSchemeColors)
        return CVrxPVisualManager2003::QueryControlBackColor(pControl);
    const CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(pControl);
    return pButton != nullptr && pButton->useBarColors ? globals.colorBarLight : globals.colorLight;
}
