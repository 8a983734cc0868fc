// The Windows XP theme look's data: its constructor, the palette read from
// the theme, and its query answers.

#include "themes/winxp/CVrxPWinXPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPButton.h"

IMPLEMENT_DYNCREATE(CVrxPWinXPVisualManager, CVrxPVisualManagerXP)

BOOL CVrxPWinXPVisualManager::themed3DTabs = FALSE;

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
const int kExplorerNormalGroupBackground = 5;
} // namespace

CVrxPWinXPVisualManager::CVrxPWinXPVisualManager(BOOL bTemporary)
    : CVrxPVisualManagerXP(bTemporary), themeOfficeMenus(FALSE), taskGroupBackColor(kNone), taskGroupTextColor(kNone)
{
    shadeHotImages = FALSE;
    taskPaneMarginV = 12;
    taskPaneMarginH = 12;
    taskGroupSpacing = 15;
    taskGroupCaptionHeight = 25;
    taskCaptionIndentH = 13;
    taskCaptionIndentV = 7;
    taskIndentH = 12;
    taskIconTextGap = 5;
    taskSpareMetric = 4;
    spareFlag = TRUE;
    if (!bTemporary)
        VrxPGlobals().RefreshSysColors();
    CVrxPWinXPVisualManager::ReloadPalette();
}

void CVrxPWinXPVisualManager::ReloadPalette()
{
    CVrxPVisualManagerXP::ReloadPalette();
    shadeHotImages = TRUE;
    OpenThemes();
    // Hot images get no shade under a theme.
    if (IsOpen(themeWindow))
        shadeHotImages = FALSE;
    taskGroupBackColor = taskGroupTextColor = kNone;

    // A colour the theme does not supply keeps the value it had.
    CVrxPGlobals& globals = VrxPGlobals();
    ReadThemeColor(themeToolbar, 1, 0, propertyTextColor, globals.colorBarText);
    ReadThemeColor(themeToolbar, 1, 0, propertyFillColor, globals.colorBarFace);
    ReadThemeColor(themeToolbar, 1, 0, propertyEdgeLightColor, globals.colorBarLight);
    ReadThemeColor(themeToolbar, 1, 0, propertyEdgeHighlightColor, globals.colorBarLightEdge);
    ReadThemeColor(themeToolbar, 1, 0, propertyEdgeShadowColor, globals.colorBarShade);
    ReadThemeColor(themeToolbar, 1, 0, propertyEdgeDarkShadowColor, globals.colorBarDarkShade);
    ReadThemeColor(themeButton, 1, 0, propertyTextColor, globals.colorButtonText);
    ReadThemeColor(themeButton, 1, 0, propertyFillColor, globals.colorFace);
    ReadThemeColor(themeButton, 1, 0, propertyEdgeLightColor, globals.colorLight);
    ReadThemeColor(themeButton, 1, 0, propertyEdgeHighlightColor, globals.colorLightEdge);
    ReadThemeColor(themeButton, 1, 0, propertyEdgeShadowColor, globals.colorShade);
    ReadThemeColor(themeButton, 1, 0, propertyEdgeDarkShadowColor, globals.colorDarkShade);
    ReadThemeColor(themeExplorerBar, kExplorerNormalGroupBackground, 0, propertyFillColor, taskGroupBackColor);
    ReadThemeColor(themeExplorerBar, kExplorerNormalGroupBackground, 0, propertyTextColor, taskGroupTextColor);
}

BOOL CVrxPWinXPVisualManager::HasWindowTheme()
{
    return IsOpen(themeWindow);
}

BOOL CVrxPWinXPVisualManager::UsesFullWidthMenuHighlight()
{
    return themeOfficeMenus;
}

int CVrxPWinXPVisualManager::QueryDockingCaptionExtraHeight()
{
    return 3;
}

BOOL CVrxPWinXPVisualManager::TracksHotTabAlways()
{
    return IsOpen(themeTab);
}

CSize CVrxPWinXPVisualManager::QueryButtonExtraSize()
{
    return IsOpen(themeWindow) ? CSize(2, 2) : CSize(0, 0);
}

CSize CVrxPWinXPVisualManager::QueryCaptionButtonExtraSize()
{
    return IsOpen(themeWindow) ? CSize(1, 1) : CSize(0, 0);
}

BOOL CVrxPWinXPVisualManager::PaintThemedButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored)
{
    return PaintThemePushButton(pDC, rect, pButton, nIgnored);
}

BOOL CVrxPWinXPVisualManager::PaintThemedComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot)
{
    return PaintThemeComboButton(pDC, rect, bDisabled, bDropped, bHot);
}

BOOL CVrxPWinXPVisualManager::PaintThemedComboFrame(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot)
{
    return PaintThemeComboFrame(pDC, rect, bDisabled, bDropped, bHot);
}

BOOL CVrxPWinXPVisualManager::UsesThemedCloseButton(CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    return IsOpen(themeWindow) && pLibraryButton != nullptr && pLibraryButton->IsThemed() &&
           pLibraryButton->closeButton;
}

int CVrxPWinXPVisualManager::QueryMenuOffset()
{
    return themeOfficeMenus ? 0 : 1;
}

BOOL CVrxPWinXPVisualManager::ConnectsMenuToButton()
{
    return themeOfficeMenus;
}

BOOL CVrxPWinXPVisualManager::UsesTabTheme(const CVrxPBaseTabWnd* pTabWnd) const
{
    return themed3DTabs && IsOpen(themeTab) && pTabWnd != nullptr && !pTabWnd->IsFlatStyle() &&
           !pTabWnd->IsSlantedStyle();
}
