// korvo's default look: its retint of the 2003 palette, its class-wide
// options, its pane captions and its auto-hide outlines. Expected colours
// were worked out by hand from the look's formulas for the test theme's
// system colours.

#include "themes/vs2005/CVrxPVisualManagerVS2005.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/VrxPBarStyles.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CPen.h"
#include "panes/CVrxPTabbedControlBar.h"

#include <gtest/gtest.h>

#include "themes/tests/LookTheme.h"

namespace
{
COLORREF PenColor(CPen& pen)
{
    LOGPEN logPen = {};
    ::GetObject(pen.GetSafeHandle(), sizeof(logPen), &logPen);
    return logPen.lopnColor;
}

COLORREF BrushColor(CBrush& brush)
{
    LOGBRUSH logBrush = {};
    ::GetObject(brush.GetSafeHandle(), sizeof(logBrush), &logBrush);
    return logBrush.lbColor;
}

class LookVS2005Test : public LookThemeTest
{
};

TEST_F(LookVS2005Test, WithoutAThemeTheClassicPaletteIsRetinted)
{
    UseTheme(L"", L"");
    CVrxPVisualManagerVS2005 look(TRUE);
    Reload(look);
    EXPECT_EQ(CVrxPVisualManager2003::schemeNone, look.vs2005Scheme);
    EXPECT_EQ(1, CVrxPVisualManager2003::keepSchemeColors) << "restored after the palette";
    EXPECT_EQ(RGB(255, 255, 255), look.chevronGradientLight);
    EXPECT_EQ(look.toolbarGradientDark, look.toolbarShadowColor) << "no scheme: the toolbar's dark end";
    EXPECT_EQ(RGB(255, 243, 210), look.imageHighlightColor);
    EXPECT_EQ(look.imageHighlightColor, look.QueryImageHighlightColor());
    EXPECT_EQ(RGB(90, 88, 80), look.pressedFrameColor);
    EXPECT_EQ(RGB(198, 195, 181), PenColor(look.separatorPen));
    EXPECT_EQ(RGB(238, 236, 222), look.toolbarColor);
    EXPECT_EQ(RGB(254, 252, 237), BrushColor(look.openMenuBrush));
    EXPECT_EQ(LookTheme::highlight, BrushColor(look.checkedItemBrush));
    EXPECT_EQ(VrxPGlobals().colorDarkShade, look.inactiveTabTextColor);
    // The test theme has no combo-box border colour.
    EXPECT_EQ(static_cast<COLORREF>(-1), look.captionBorderColor);
    EXPECT_EQ(nullptr, look.captionBorderPen.GetSafeHandle());
}

TEST_F(LookVS2005Test, WithTheThemeColourOptionOffNoOwnColourIsMade)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003::keepSchemeColors = 0;
    CVrxPVisualManagerVS2005 look(TRUE);
    Reload(look);
    CVrxPVisualManager2003::keepSchemeColors = 1;
    EXPECT_EQ(nullptr, look.openMenuBrush.GetSafeHandle());
    EXPECT_EQ(nullptr, look.checkedItemBrush.GetSafeHandle());
    EXPECT_EQ(static_cast<COLORREF>(-1), look.pressedFrameColor);
}

TEST_F(LookVS2005Test, OnlyTheSilverSchemeKeepsTheThemeColours)
{
    UseTheme(L"Luna.msstyles", L"NormalColor");
    CVrxPVisualManagerVS2005 blue(TRUE);
    Reload(blue);
    EXPECT_EQ(CVrxPVisualManager2003::schemeBlue, blue.vs2005Scheme);
    EXPECT_FALSE(blue.useThemeColors);

    UseTheme(L"Luna.msstyles", L"Metallic");
    CVrxPVisualManagerVS2005 silver(TRUE);
    Reload(silver);
    EXPECT_EQ(CVrxPVisualManager2003::schemeSilver, silver.vs2005Scheme);
    EXPECT_TRUE(silver.useThemeColors);
}

TEST_F(LookVS2005Test, AnInactiveCaptionIsFlatWithTextReadableOnIt)
{
    UseTheme(L"", L"");
    CVrxPVisualManagerVS2005 look(TRUE);
    Reload(look);
    OffscreenBitmap bitmap(100, 30, RGB(1, 2, 3));
    const COLORREF text = look.PaintBarCaption(bitmap.Dc(), nullptr, FALSE, CRect(0, 0, 100, 20), CRect());
    const COLORREF fill = RGB(207, 206, 191);
    EXPECT_EQ(fill, bitmap.At(50, 10));
    EXPECT_EQ(fill, bitmap.At(50, 18));
    // The caption grows by one row and is framed in the bar shadow.
    EXPECT_EQ(VrxPGlobals().colorBarShade, bitmap.At(50, 20));
    EXPECT_EQ(VrxPGlobals().colorBarShade, bitmap.At(0, 10));
    EXPECT_EQ(RGB(0, 0, 0), text) << "a channel of the fill is above 192";

    // Without a scheme the active caption is the caption colour.
    OffscreenBitmap active(100, 30, RGB(1, 2, 3));
    const COLORREF activeText = look.PaintBarCaption(active.Dc(), nullptr, TRUE, CRect(0, 0, 100, 20), CRect());
    EXPECT_EQ(BrushColor(VrxPGlobals().brushActiveCaption), active.At(50, 10));
    EXPECT_EQ(VrxPGlobals().colorCaptionText, activeText);
}

TEST_F(LookVS2005Test, ClassOptionsAndTabStyles)
{
    UseTheme(L"", L"");
    CVrxPVisualManagerVS2005 look(TRUE);
    EXPECT_TRUE(look.markCheckedMenuImages);
    EXPECT_FALSE(look.separatorAfterLastTab);
    EXPECT_TRUE(look.fillPlainTabs);
    EXPECT_FALSE(look.tabDarkEdge);
    EXPECT_FALSE(look.DrawsAutoHideButtonsAsTabs());
    EXPECT_EQ(1, look.QueryMdiTabsStyle());
    const int nShared = CVrxPTabbedControlBar::SharedTabStyle;
    CVrxPTabbedControlBar::SharedTabStyle = 6;
    EXPECT_EQ(0, look.QueryDockingTabsStyle());
    CVrxPTabbedControlBar::SharedTabStyle = 0;
    EXPECT_EQ(3, look.QueryDockingTabsStyle());
    CVrxPTabbedControlBar::SharedTabStyle = nShared;
}

struct OutlineCase
{
    DWORD side;
    std::vector<POINT> points;
};

bool SamePoints(const std::vector<POINT>& a, const std::vector<POINT>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i++)
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    return true;
}

TEST(LookVS2005OutlineTest, PlainOutlinesHaveSixPointsOnTheirSide)
{
    const CRect rect(10, 20, 60, 40);
    const OutlineCase cases[] = {
        {CBRS_ALIGN_TOP, {{10, 20}, {10, 37}, {12, 39}, {57, 39}, {59, 37}, {59, 20}}},
        {CBRS_ALIGN_BOTTOM, {{10, 40}, {10, 22}, {12, 20}, {57, 20}, {59, 22}, {59, 40}}},
        {CBRS_ALIGN_LEFT, {{10, 20}, {57, 20}, {59, 22}, {59, 37}, {57, 39}, {10, 39}}},
        {CBRS_ALIGN_RIGHT, {{60, 20}, {12, 20}, {10, 22}, {10, 37}, {12, 39}, {60, 39}}},
    };
    for (const OutlineCase& c : cases)
        EXPECT_TRUE(SamePoints(c.points, CVrxPVisualManagerVS2005::AutoHideOutline(rect, c.side, FALSE))) << c.side;
}
} // namespace
