// The 2003 look's slanted tabs (code 4) in rich colour, probed in an
// off-screen bitmap: which tabs are left out, the gradient they are filled
// with, their outline and inner lines, and the highlighted tab.

#include "themes/2003/CVrxPVisualManager2003.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "panes/CVrxPBaseTabWnd.h"

#include <gtest/gtest.h>

#include "themes/tests/LookTheme.h"

namespace
{
const COLORREF kBackground = RGB(1, 2, 3);

class Look2003TabsTest : public LookThemeTest
{
protected:
    void SetUp() override
    {
        LookThemeTest::SetUp();
        tabs.styleCode = 4;
        tabs.location = CVrxPBaseTabWnd::locationTop;
        tabs.tabArea = CRect(0, 0, 200, 40);
        tabs.tabAreaHeight = 40;
        for (int i = 0; i < 3; i++)
            tabs.tabs.push_back(CVrxPBaseTabWnd::Tab());
        tabs.activeTab = 2;
    }
    CVrxPBaseTabWnd tabs;
};

struct HiddenTabCase
{
    int index;
    BOOL active;
    CRect rect;
    bool drawn;
};

// A tab that would show less than 10 pixels is left out; an inactive tab
// after the first counts its slant as hidden under its neighbour.
TEST_F(Look2003TabsTest, ATabShowingLessThanTenPixelsIsNotDrawn)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    const HiddenTabCase cases[] = {
        {1, FALSE, CRect(175, 0, 260, 20), false}, // 200 < 175 + 20 + 10
        {0, FALSE, CRect(175, 0, 260, 20), true},  // the first tab has no hidden slant
        {2, TRUE, CRect(175, 0, 260, 20), true},   // nor has the active tab
        {1, FALSE, CRect(165, 0, 260, 20), true},
        {1, FALSE, CRect(-60, 0, 10, 20), false}, // its right 10 pixels lie left of the area
        {1, FALSE, CRect(-60, 0, 11, 20), true},
    };
    for (const HiddenTabCase& c : cases)
    {
        OffscreenBitmap bitmap(220, 22, kBackground);
        look.PaintTab(bitmap.Dc(), c.rect, c.index, c.active, &tabs);
        EXPECT_EQ(c.drawn, bitmap.Count(kBackground) < 220 * 22) << c.rect.left << ".." << c.rect.right;
    }
}

// A plain inactive tab at the top: the toolbar gradient, dark at the bottom,
// outlined in the bar dark shadow, the bar highlight one pixel inside its
// top edge and the bar shadow one pixel inside its right edge. A tall tab,
// so that the rows next to its edges are within a few of the gradient's 64
// bands of its end colours.
TEST_F(Look2003TabsTest, APlainTabIsTheToolbarGradientInsideItsOutline)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    const CVrxPGlobals& g = VrxPGlobals();
    OffscreenBitmap bitmap(220, 42, kBackground);
    look.PaintTab(bitmap.Dc(), CRect(10, 0, 110, 40), 0, FALSE, &tabs);
    EXPECT_TRUE(Near(look.toolbarGradientDark, bitmap.At(80, 39), 4)) << std::hex << bitmap.At(80, 39);
    EXPECT_TRUE(Near(look.toolbarGradientLight, bitmap.At(80, 2), 4)) << std::hex << bitmap.At(80, 2);
    EXPECT_EQ(g.colorBarDarkShade, bitmap.At(80, 0)) << "top edge";
    EXPECT_EQ(g.colorBarLightEdge, bitmap.At(80, 1)) << "inside the top edge";
    EXPECT_EQ(g.colorBarDarkShade, bitmap.At(110, 20)) << "right edge";
    EXPECT_EQ(g.colorBarShade, bitmap.At(109, 20)) << "inside the right edge";
    EXPECT_EQ(kBackground, bitmap.At(12, 2)) << "left of the slant";
    EXPECT_EQ(kBackground, bitmap.At(111, 20)) << "right of the tab";
}

// The highlighted tab takes the menu's hot colour at the bottom, half as
// bright again at the top, and dark inner lines; the active tab's edge
// toward the page is in its colour.
TEST_F(Look2003TabsTest, TheHighlightedTabIsInTheMenuHotColour)
{
    UseTheme(L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    ASSERT_NE(static_cast<COLORREF>(-1), look.menuHotColor);
    const CVrxPGlobals& g = VrxPGlobals();
    tabs.highlightedTab = 0;
    OffscreenBitmap bitmap(220, 42, kBackground);
    look.PaintTab(bitmap.Dc(), CRect(10, 0, 110, 40), 0, FALSE, &tabs);
    EXPECT_TRUE(Near(look.menuHotColor, bitmap.At(80, 39), 4)) << std::hex << bitmap.At(80, 39);
    const COLORREF top = CVrxPPainter::ScaleColor(look.menuHotColor, 150);
    EXPECT_TRUE(Near(top, bitmap.At(80, 2), 6)) << std::hex << bitmap.At(80, 2);
    EXPECT_EQ(g.colorBarDarkShade, bitmap.At(80, 1));

    tabs.tabs[2].color = RGB(200, 230, 255);
    OffscreenBitmap active(220, 22, kBackground);
    look.PaintTab(active.Dc(), CRect(10, 0, 110, 19), 2, TRUE, &tabs);
    EXPECT_EQ(RGB(200, 230, 255), active.At(60, 19)) << "the edge toward the page";
    EXPECT_EQ(kBackground, active.At(11, 19));
}

// Tabs at the bottom are mirrored and one pixel higher: the dark end of the
// gradient is at the top and the outline's long edge at the bottom.
TEST_F(Look2003TabsTest, BottomTabsAreMirrored)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    tabs.location = CVrxPBaseTabWnd::locationBottom;
    OffscreenBitmap bitmap(220, 22, kBackground);
    look.PaintTab(bitmap.Dc(), CRect(10, 1, 110, 21), 0, FALSE, &tabs);
    EXPECT_EQ(VrxPGlobals().colorBarDarkShade, bitmap.At(80, 20)) << "the long edge, one pixel up";
    EXPECT_EQ(kBackground, bitmap.At(80, 21));
    EXPECT_TRUE(Near(look.toolbarGradientDark, bitmap.At(80, 2), 6)) << std::hex << bitmap.At(80, 2);
    EXPECT_TRUE(Near(look.toolbarGradientLight, bitmap.At(80, 18), 6)) << std::hex << bitmap.At(80, 18);
}
} // namespace
