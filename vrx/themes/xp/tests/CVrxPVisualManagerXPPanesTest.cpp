// The XP look's tabs, captions and small panes drawn into a 32-bit DIB.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/tests/TestCanvas.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "toolbars/CVrxPStatusPaneInfo.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBack = RGB(1, 2, 3);

class XPPanesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded());
        g.RefreshSysColors();
        g.bitsPerPixel = 32;
        g.highContrastBlack = g.highContrastWhite = FALSE;
        look.ReloadPalette();
        base.look2000 = TRUE;
        for (const char* label : {"", "", ""})
        {
            CVrxPBaseTabWnd::Tab tab;
            tab.label = label;
            tabs.tabs.push_back(tab);
        }
        tabs.styleCode = 0;
        tabs.location = CVrxPBaseTabWnd::locationTop;
        tabs.tabArea = CRect(0, 2, 200, 22);
        tabs.activeTab = 0;
    }
    void TearDown() override { g.RefreshSysColors(); }

    CVrxPGlobals& g = VrxPGlobals();
    CVrxPVisualManagerXP look{TRUE};
    CVrxPVisualManager base{TRUE};
    CVrxPBaseTabWnd tabs;
};

TEST_F(XPPanesTest, InactiveTabsShowTheAreaAndASeparator)
{
    TestCanvas canvas(200, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(60, 2, 120, 22), 1, FALSE, &tabs);
    EXPECT_EQ(kBack, canvas.Pixel(90, 12)) << "an inactive tab without colour is not filled";
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(120, 5)) << "separator from top + 3";
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(120, 18)) << "to bottom - 3";
    EXPECT_EQ(kBack, canvas.Pixel(120, 4));
    EXPECT_EQ(kBack, canvas.Pixel(120, 19));

    tabs.tabs[1].color = RGB(255, 200, 100);
    look.PaintTab(&canvas.DC(), CRect(60, 2, 120, 22), 1, FALSE, &tabs);
    EXPECT_EQ(RGB(255, 200, 100), canvas.Pixel(90, 12)) << "a coloured inactive tab shows its colour";
}

TEST_F(XPPanesTest, TheLastTabsSeparatorFollowsItsFlag)
{
    for (BOOL bFlag : {TRUE, FALSE})
    {
        TestCanvas canvas(200, 24, kBack);
        look.separatorAfterLastTab = bFlag;
        look.PaintTab(&canvas.DC(), CRect(120, 2, 180, 22), 2, FALSE, &tabs);
        EXPECT_EQ(bFlag ? g.colorBarShade : kBack, canvas.Pixel(180, 10)) << bFlag;
    }
    TestCanvas canvas(200, 24, kBack);
    tabs.activeTab = 2;
    look.PaintTab(&canvas.DC(), CRect(60, 2, 120, 22), 1, FALSE, &tabs);
    EXPECT_EQ(kBack, canvas.Pixel(120, 10)) << "no separator beside the active tab";
}

TEST_F(XPPanesTest, ActiveTopTabIsFilledAndOpenAtTheTop)
{
    TestCanvas canvas(200, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(0, 2, 60, 22), 0, TRUE, &tabs);
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(30, 10));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(30, 1)) << "the fill starts one pixel above";
    EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(60, 10)) << "dark right edge";
    EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(30, 22)) << "dark bottom";
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(0, 10)) << "light left edge";
}

TEST_F(XPPanesTest, FlatAndShapedStylesKeepTheBaseTabs)
{
    for (int nStyle : {1, 2, 4, 6})
    {
        tabs.styleCode = nStyle;
        tabs.location = CVrxPBaseTabWnd::locationBottom;
        TestCanvas xp(200, 24, kBack);
        TestCanvas classic(200, 24, kBack);
        look.PaintTab(&xp.DC(), CRect(60, 2, 120, 22), 1, FALSE, &tabs);
        base.PaintTab(&classic.DC(), CRect(60, 2, 120, 22), 1, FALSE, &tabs);
        int nDifferent = 0;
        int nDrawn = 0;
        for (int y = 0; y < 24; y++)
            for (int x = 0; x < 200; x++)
            {
                nDifferent += xp.Pixel(x, y) != classic.Pixel(x, y);
                nDrawn += classic.Pixel(x, y) != kBack;
            }
        EXPECT_EQ(0, nDifferent) << "style " << nStyle;
        EXPECT_GT(nDrawn, 0) << "style " << nStyle;
    }
}

TEST_F(XPPanesTest, TabAreaTakesTheTabAreaBrushUnlessPlainFace)
{
    TestCanvas canvas(40, 20, kBack);
    look.PaintTabAreaBackground(&canvas.DC(), CRect(0, 0, 40, 20), &tabs);
    LOGBRUSH logBrush = {};
    ASSERT_NE(0, look.tabAreaBrush.GetObject(sizeof(logBrush), &logBrush));
    EXPECT_EQ(logBrush.lbColor, canvas.Pixel(20, 10));
    tabs.buttonColors = TRUE;
    look.PaintTabAreaBackground(&canvas.DC(), CRect(0, 0, 40, 20), &tabs);
    EXPECT_EQ(g.colorFace, canvas.Pixel(20, 10));
}

TEST_F(XPPanesTest, CaptionButtonsByState)
{
    struct Case
    {
        BOOL pushed, highlighted, disabled;
        COLORREF fill;
        COLORREF corner;
    };
    const Case cases[] = {
        {TRUE, TRUE, FALSE, look.pressedColor, g.colorBarDarkShade},
        {FALSE, TRUE, FALSE, look.highlightColor, g.colorBarDarkShade},
        {FALSE, TRUE, TRUE, kBack, kBack},
        {FALSE, FALSE, FALSE, kBack, kBack},
    };
    for (const Case& c : cases)
    {
        CVrxPMiniFrameTitleButton button(CVrxPMiniFrameTitleButton::hitPaneClose, FALSE);
        const CRect rect = button.GetRect();
        TestCanvas canvas(rect.right + 2, rect.bottom + 2, kBack);
        button.pushed = c.pushed;
        button.highlighted = c.highlighted;
        look.PaintCaptionButton(&canvas.DC(), &button, TRUE, TRUE, FALSE, c.disabled);
        EXPECT_EQ(c.corner, canvas.Pixel(rect.left, rect.top)) << c.pushed << c.highlighted << c.disabled;
        EXPECT_EQ(c.fill, canvas.Pixel(rect.left + 1, rect.top + 1)) << c.pushed << c.highlighted << c.disabled;
    }
}

TEST_F(XPPanesTest, StatusPaneBorderIsOnePaneBorderColour)
{
    TestCanvas canvas(60, 16, kBack);
    look.PaintStatusPaneBorder(&canvas.DC(), nullptr, CRect(0, 0, 60, 16), 0, 0);
    EXPECT_EQ(look.paneBorderColor, canvas.Pixel(0, 8));
    EXPECT_EQ(look.paneBorderColor, canvas.Pixel(59, 15));
    EXPECT_EQ(kBack, canvas.Pixel(30, 8));
    TestCanvas none(60, 16, kBack);
    look.PaintStatusPaneBorder(&none.DC(), nullptr, CRect(0, 0, 60, 16), 0, CVrxPStatusPaneInfo::styleNoBorders);
    EXPECT_EQ(60 * 16, none.Count(CRect(0, 0, 60, 16), kBack));
}

TEST_F(XPPanesTest, SpinHalvesPressedHotAndPlain)
{
    TestCanvas canvas(16, 20, kBack);
    // First half pressed (low bits 1), second half hot (bit 8).
    look.PaintSpinButton(&canvas.DC(), CRect(0, 0, 16, 20), 0x1 | 0x8, FALSE, nullptr);
    EXPECT_EQ(look.pressedColor, canvas.Pixel(1, 1));
    EXPECT_EQ(look.highlightFrameColor, canvas.Pixel(0, 10));
    EXPECT_EQ(look.highlightColor, canvas.Pixel(1, 11));
    look.PaintSpinButton(&canvas.DC(), CRect(0, 0, 16, 20), 0, FALSE, nullptr);
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(0, 0));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(1, 1));
}

TEST_F(XPPanesTest, SmartDockingAndControlColours)
{
    COLORREF colorBase = 0, colorHighlight = 0;
    look.QuerySmartDockingColors(colorBase, colorHighlight);
    EXPECT_EQ(look.toolbarColor, colorBase);
    EXPECT_EQ(look.menuBorderColor, colorHighlight);
    EXPECT_EQ(RGB(GetRValue(g.colorFace) * 94 / 100, GetGValue(g.colorFace) * 94 / 100,
                  GetBValue(g.colorFace) * 94 / 100),
              look.QueryControlBackColor(nullptr));
    g.bitsPerPixel = 8;
    EXPECT_EQ(g.colorFace, look.QueryControlBackColor(nullptr));
}
} // namespace
