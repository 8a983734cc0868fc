// The base look drawn into a 32-bit DIB: pixels whose colour and place the
// look's own rules give.

#include "themes/CVrxPVisualManager.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/tests/TestCanvas.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPHeaderCtrl.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
const COLORREF kBack = RGB(1, 2, 3);
const COLORREF kGlyphBlack = RGB(0, 0, 0);

class BaseLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPGlobals().RefreshSysColors();
        ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded());
    }
    CVrxPGlobals& g = VrxPGlobals();
    CVrxPVisualManager look{TRUE};
};

class StandInBar : public CVrxPBaseControlBar
{
public:
    BOOL CanFloat() const override { return canFloat; }
    BOOL canFloat = TRUE;
};

int CountIn(const TestCanvas& canvas, const CRect& area, COLORREF color)
{
    return canvas.Count(area, color);
}

TEST_F(BaseLookTest, ClassicGripperLinesStartAtThreeAndSeven)
{
    TestCanvas canvas(10, 20, kBack);
    StandInBar bar;
    look.PaintBarGripper(&canvas.DC(), CRect(0, 0, 10, 20), TRUE, &bar);
    const int y = 10;
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(3, y));
    EXPECT_EQ(kBack, canvas.Pixel(4, y)) << "a line is a 3-pixel raised box";
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(5, y));
    EXPECT_EQ(kBack, canvas.Pixel(6, y));
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(7, y));
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(9, y));
    EXPECT_EQ(kBack, canvas.Pixel(3, 1)) << "deflated by 2 at the top";
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(3, 2));
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(4, 17)) << "the raised box's dark bottom row";
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(3, 17)) << "the classic form's extra light pixel";
}

TEST_F(BaseLookTest, Look2000GripperIsOneCentredLine)
{
    TestCanvas canvas(10, 20, kBack);
    look.look2000 = TRUE;
    look.PaintBarGripper(&canvas.DC(), CRect(0, 0, 10, 20), TRUE, nullptr);
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(4, 10));
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(6, 10));
    EXPECT_EQ(0, CountIn(canvas, CRect(7, 0, 10, 20), g.colorBarLightEdge));
    EXPECT_EQ(kBack, canvas.Pixel(4, 2)) << "deflated by 3";
}

TEST_F(BaseLookTest, ADialogBarsGripperUsesTheButtonColours)
{
    TestCanvas canvas(10, 20, kBack);
    StandInBar bar;
    bar.dialogParent = TRUE;
    look.PaintBarGripper(&canvas.DC(), CRect(0, 0, 10, 20), TRUE, &bar);
    EXPECT_EQ(g.colorLightEdge, canvas.Pixel(3, 10));
    EXPECT_EQ(g.colorShade, canvas.Pixel(5, 10));
}

TEST_F(BaseLookTest, BorderBitsDrawTheirLinesAndShrinkTheRectangle)
{
    struct Case
    {
        DWORD style;
        BOOL canFloat;
        CRect shrunk;
    };
    const Case cases[] = {{0x800, FALSE, CRect(0, 0, 40, 19)},
                          {0xF00, TRUE, CRect(1, 1, 39, 19)},
                          {0x000, FALSE, CRect(0, 0, 40, 20)}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(40, 20, kBack);
        StandInBar bar;
        bar.barStyle = c.style;
        bar.canFloat = c.canFloat;
        CRect rect(0, 0, 40, 20);
        look.PaintBarBorder(&canvas.DC(), &bar, rect);
        EXPECT_EQ(c.shrunk, rect) << std::hex << c.style;
        if (c.style == 0x800)
        {
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(10, 19)) << "dark bottom row";
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(10, 0)) << "etched top: dark";
            EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(10, 1)) << "etched top: light";
            EXPECT_EQ(kBack, canvas.Pixel(0, 10)) << "no left line";
        }
        if (c.style == 0xF00)
        {
            EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(0, 10));
            EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(10, 0));
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(39, 10));
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(10, 19));
        }
        if (c.style == 0)
        {
            EXPECT_EQ(40 * 20, CountIn(canvas, CRect(0, 0, 40, 20), kBack));
        }
    }
}

TEST_F(BaseLookTest, SeparatorIsATwoPixelSunkenLineAcrossTheMiddle)
{
    TestCanvas canvas(8, 20, kBack);
    look.PaintSeparator(&canvas.DC(), nullptr, CRect(0, 0, 8, 20), TRUE);
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(3, 10));
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(4, 10));
    EXPECT_EQ(kBack, canvas.Pixel(2, 10));
    EXPECT_EQ(kBack, canvas.Pixel(5, 10));
}

TEST_F(BaseLookTest, StatusProgressFillsByPositionAndRangeZeroDrawsNothing)
{
    TestCanvas canvas(100, 16, kBack);
    const COLORREF fill = RGB(0, 0, 200);
    look.PaintStatusProgress(&canvas.DC(), nullptr, CRect(0, 0, 100, 16), 0, 50, fill, static_cast<COLORREF>(-1),
                             static_cast<COLORREF>(-1), TRUE);
    EXPECT_EQ(100 * 16, CountIn(canvas, CRect(0, 0, 100, 16), kBack)) << "range 0: not even the text";

    look.PaintStatusProgress(&canvas.DC(), nullptr, CRect(0, 0, 100, 16), 200, 50, fill, static_cast<COLORREF>(-1),
                             static_cast<COLORREF>(-1), FALSE);
    EXPECT_EQ(fill, canvas.Pixel(0, 8));
    EXPECT_EQ(fill, canvas.Pixel(24, 8));
    EXPECT_EQ(kBack, canvas.Pixel(25, 8)) << "a quarter filled";
}

TEST_F(BaseLookTest, StatusProgressGradientRunsFromFillToFillEnd)
{
    TestCanvas canvas(128, 8, kBack);
    const COLORREF start = RGB(255, 0, 0);
    const COLORREF end = RGB(0, 0, 255);
    look.PaintStatusProgress(&canvas.DC(), nullptr, CRect(0, 0, 128, 8), 100, 100, start, end,
                             static_cast<COLORREF>(-1), FALSE);
    const COLORREF left = canvas.Pixel(0, 4);
    const COLORREF right = canvas.Pixel(127, 4);
    EXPECT_GE(GetRValue(left), 250);
    EXPECT_LE(GetBValue(left), 5);
    EXPECT_LE(GetRValue(right), 5);
    EXPECT_GE(GetBValue(right), 250);
}

TEST_F(BaseLookTest, CaptionButtonsByState)
{
    // The record's standard size with the base look: 15 x 17.
    for (int nCase = 0; nCase < 4; nCase++)
    {
        TestCanvas canvas(15, 17, kBack);
        CVrxPMiniFrameTitleButton button(CVrxPMiniFrameTitleButton::hitPaneClose, FALSE);
        button.pushed = TRUE;
        button.highlighted = TRUE;
        look.look2000 = FALSE;
        BOOL bDisabled = FALSE;
        switch (nCase)
        {
        case 0:
            bDisabled = TRUE;
            break;
        case 2:
            button.pushed = FALSE;
            break;
        case 3:
            button.pushed = FALSE;
            button.highlighted = FALSE;
            look.look2000 = TRUE;
            break;
        }
        look.PaintCaptionButton(&canvas.DC(), &button, FALSE, TRUE, FALSE, bDisabled);
        const CRect inside(3, 3, 12, 14);
        switch (nCase)
        {
        case 0:
            EXPECT_EQ(kBack, canvas.Pixel(0, 0)) << "disabled: no frame even when pressed";
            EXPECT_EQ(kBack, canvas.Pixel(14, 16));
            EXPECT_GT(CountIn(canvas, inside, CVrxPMenuGlyphs::greyColor), 0);
            EXPECT_EQ(0, CountIn(canvas, inside, kGlyphBlack));
            break;
        case 1:
            EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(0, 0)) << "pressed: sunken";
            EXPECT_EQ(g.colorBarLight, canvas.Pixel(14, 16));
            EXPECT_GT(CountIn(canvas, inside, kGlyphBlack), 0);
            break;
        case 2:
            EXPECT_EQ(g.colorBarLight, canvas.Pixel(0, 0)) << "raised";
            EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(14, 16));
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(13, 15));
            break;
        case 3:
            EXPECT_EQ(kBack, canvas.Pixel(0, 0)) << "look 2000: flat until touched";
            break;
        }
    }
}

TEST_F(BaseLookTest, PinGlyphFollowsTheAutoHideState)
{
    // State 0: pinned; any other: hidden at its side.
    CVrxPMiniFrameTitleButton pin(CVrxPMiniFrameTitleButton::hitPin, FALSE);
    TestCanvas in(15, 17, kBack);
    look.PaintCaptionButton(&in.DC(), &pin, FALSE, TRUE, 0, FALSE);
    TestCanvas out(15, 17, kBack);
    look.PaintCaptionButton(&out.DC(), &pin, FALSE, TRUE, 1, FALSE);
    const CRect inside(2, 2, 13, 15);
    EXPECT_GT(CountIn(in, inside, kGlyphBlack), 4);
    EXPECT_GT(CountIn(out, inside, kGlyphBlack), 4);
    int nDifferent = 0;
    for (int y = 2; y < 15; y++)
        for (int x = 2; x < 13; x++)
            nDifferent += in.Pixel(x, y) != out.Pixel(x, y);
    EXPECT_GT(nDifferent, 4) << "pinned and hidden pins differ";
}

TEST_F(BaseLookTest, MdiControlButtonsDrawOnlyTheirThreeCommands)
{
    TestCanvas canvas(16, 14, kBack);
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_MAXIMIZE, 0, FALSE);
    EXPECT_EQ(16 * 14, CountIn(canvas, CRect(0, 0, 16, 14), kBack));
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_CLOSE, 0, FALSE);
    EXPECT_LT(CountIn(canvas, CRect(0, 0, 16, 14), kBack), 16 * 14);
}

TEST_F(BaseLookTest, MiniFrameBorderRingShowsThePendingDock)
{
    struct Case
    {
        int mode;
        COLORREF ring;
    };
    const Case cases[] = {{0, g.colorBarFace}, {1, RGB(127, 0, 0)}, {2, RGB(0, 0, 127)}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(30, 30, kBack);
        CVrxPMiniFrameWnd frame;
        frame.pendingDockMode = c.mode;
        look.PaintMiniFrameBorder(&canvas.DC(), &frame, CRect(0, 0, 30, 30), CRect(4, 4, 4, 4));
        EXPECT_EQ(c.ring, canvas.Pixel(0, 10)) << "mode " << c.mode;
        EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(29, 10));
        EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(1, 10));
        EXPECT_EQ(c.mode == 0 ? g.colorBarShade : c.ring, canvas.Pixel(28, 10));
        EXPECT_EQ(g.colorBarFace, canvas.Pixel(2, 10)) << "the rest of the border is face";
        EXPECT_EQ(g.colorBarFace, canvas.Pixel(3, 10));
        EXPECT_EQ(kBack, canvas.Pixel(4, 10));
    }
}

TEST_F(BaseLookTest, CheckBoxStates)
{
    struct Case
    {
        int state;
        BOOL enabled;
        BOOL glass;
    };
    const Case cases[] = {{0, TRUE, FALSE}, {1, TRUE, FALSE}, {2, TRUE, FALSE}, {0, FALSE, FALSE}, {2, TRUE, TRUE}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(15, 15, kBack);
        VrxPAlphaDrawing = c.glass;
        look.PaintCheckBox(&canvas.DC(), CRect(0, 0, 15, 15), c.state, FALSE, FALSE, c.enabled);
        VrxPAlphaDrawing = 0;
        const CRect inner(3, 3, 12, 12);
        const COLORREF fill = c.enabled ? g.colorWindow : g.colorBarFace;
        if (c.glass)
        {
            EXPECT_EQ(g.colorBarShade, canvas.Pixel(1, 7)) << "glass: one alpha frame";
            EXPECT_EQ(0, CountIn(canvas, inner, g.colorButtonText)) << "glass: no hatch";
            continue;
        }
        EXPECT_EQ(kBack, canvas.Pixel(0, 7));
        EXPECT_EQ(g.colorBarDarkShade, canvas.Pixel(1, 7));
        EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(13, 7));
        EXPECT_EQ(g.colorBarShade, canvas.Pixel(2, 7));
        EXPECT_EQ(g.colorBarLight, canvas.Pixel(12, 7));
        const int nFill = CountIn(canvas, inner, fill);
        switch (c.state)
        {
        case 0:
            EXPECT_EQ(inner.Width() * inner.Height(), nFill);
            break;
        case 1:
            EXPECT_GT(CountIn(canvas, inner, kGlyphBlack), 4) << "check mark";
            break;
        case 2:
            EXPECT_GT(CountIn(canvas, CRect(4, 4, 11, 11), g.colorButtonText), 4) << "hatch";
            EXPECT_GT(CountIn(canvas, CRect(4, 4, 11, 11), fill), 4) << "a hatch, not a solid mark";
            break;
        }
    }
}

TEST_F(BaseLookTest, SpinFlagsPressAHalfAndGreyTheArrows)
{
    struct Case
    {
        UINT flags;
        BOOL firstSunken;
        BOOL grey;
    };
    const Case cases[] = {{0x0, FALSE, FALSE}, {0x3, FALSE, FALSE}, {0x11, TRUE, TRUE}, {0x2, FALSE, FALSE}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(15, 20, kBack);
        look.PaintSpinButton(&canvas.DC(), CRect(0, 0, 15, 20), c.flags, FALSE, nullptr);
        // Deflated (1, 1, 14, 19): the first half is (1, 1, 14, 10), the
        // second (1, 11, 14, 19).
        EXPECT_EQ(c.firstSunken ? g.colorBarShade : g.colorBarLightEdge, canvas.Pixel(1, 5)) << c.flags;
        EXPECT_EQ(c.firstSunken ? g.colorBarLightEdge : g.colorBarShade, canvas.Pixel(13, 5)) << c.flags;
        const BOOL bSecondSunken = c.flags == 0x2;
        EXPECT_EQ(bSecondSunken ? g.colorBarShade : g.colorBarLightEdge, canvas.Pixel(1, 15)) << c.flags;
        EXPECT_EQ(g.colorBarFace, canvas.Pixel(7, 10)) << "one row between the halves stays uncovered";
        const int nBlack = CountIn(canvas, CRect(2, 2, 13, 9), kGlyphBlack) + CountIn(canvas, CRect(2, 12, 13, 18), kGlyphBlack);
        const int nGrey = CountIn(canvas, CRect(2, 2, 13, 9), CVrxPMenuGlyphs::greyColor) +
                          CountIn(canvas, CRect(2, 12, 13, 18), CVrxPMenuGlyphs::greyColor);
        if (c.grey)
        {
            EXPECT_EQ(0, nBlack);
            EXPECT_GT(nGrey, 4);
        }
        else
        {
            EXPECT_GT(nBlack, 4);
        }
    }
}

TEST_F(BaseLookTest, PushButtonFrameShrinksByTheRingsDrawn)
{
    struct Case
    {
        BOOL highlighted;
        BOOL pushed;
        int shrink;
        COLORREF corner;
    };
    const Case cases[] = {{TRUE, TRUE, 2, g.colorBarDarkShade},
                          {FALSE, FALSE, 1, g.colorBarLightEdge},
                          {TRUE, FALSE, 2, g.colorBarFace},
                          {FALSE, TRUE, 2, g.colorBarFace}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(20, 20, kBack);
        CRect rect(0, 0, 20, 20);
        look.PaintPushButtonFrame(&canvas.DC(), &rect, c.highlighted, c.pushed);
        EXPECT_EQ(CRect(c.shrink, c.shrink, 20 - c.shrink, 20 - c.shrink), rect);
        EXPECT_EQ(c.corner, canvas.Pixel(0, 0));
    }
}

TEST_F(BaseLookTest, CheckedButtonsGetTheHalftoneOnlyWhereTheRulesSay)
{
    CVrxPToolBar toolbar;
    CVrxPPopupMenuBar popup;
    CVrxPToolbarButton plain(1, -1);
    plain.parent = &toolbar;
    plain.style = CVrxPToolbarButton::styleChecked;
    CVrxPToolbarMenuButton item;
    item.parent = &popup;
    item.style = CVrxPToolbarButton::styleChecked;
    struct Case
    {
        CVrxPToolbarButton* button;
        int state;
        BOOL halftoneChecked;
        BOOL customize;
        BOOL filled;
    };
    const Case cases[] = {{&plain, 0, TRUE, FALSE, TRUE},  {&plain, CVrxPVisualManager::stateHighlighted, TRUE, FALSE, FALSE},
                          {&plain, 0, TRUE, TRUE, FALSE},  {&plain, 0, FALSE, FALSE, FALSE},
                          {&item, 0, FALSE, FALSE, TRUE}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(20, 20, kBack);
        look.halftoneCheckedButtons = c.halftoneChecked;
        CVrxPToolBar::customizeMode = c.customize;
        look.PaintButtonFace(&canvas.DC(), c.button, CRect(0, 0, 20, 20), c.state);
        CVrxPToolBar::customizeMode = FALSE;
        EXPECT_EQ(kBack, canvas.Pixel(1, 1)) << "deflated by two borders";
        EXPECT_EQ(c.filled, canvas.Pixel(10, 10) != kBack);
    }
}

TEST_F(BaseLookTest, SortArrowEdgesAreSolid)
{
    TestCanvas canvas(12, 10, kBack);
    CVrxPHeaderCtrl header;
    CRect rect(0, 0, 10, 8);
    look.PaintHeaderSortArrow(&header, &canvas.DC(), &rect, TRUE);
    EXPECT_EQ(10, CountIn(canvas, CRect(0, 8, 10, 9), g.colorBarLightEdge)) << "no dash gaps";
    EXPECT_GT(CountIn(canvas, CRect(0, 0, 5, 8), g.colorBarDarkShade), 4) << "the dark left edge";
    EXPECT_EQ(0, CountIn(canvas, CRect(6, 0, 12, 8), g.colorBarDarkShade));
}

class TabLookTest : public BaseLookTest
{
protected:
    void SetUp() override
    {
        BaseLookTest::SetUp();
        tabs.styleCode = 0;
        tabs.location = CVrxPBaseTabWnd::locationTop;
        tabs.tabArea = CRect(0, 0, 100, 20);
        tabs.tabAreaHeight = 20;
        tabs.tabs.resize(2);
        tabs.activeTab = 0;
    }
    CVrxPBaseTabWnd tabs;
};

TEST_F(TabLookTest, ThreeDTabThatShowsLessThanTenPixelsIsNotDrawn)
{
    TestCanvas canvas(160, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(95, 0, 140, 20), 1, FALSE, &tabs);
    EXPECT_EQ(160 * 24, CountIn(canvas, CRect(0, 0, 160, 24), kBack));
    look.PaintTab(&canvas.DC(), CRect(50, 0, 95, 20), 1, FALSE, &tabs);
    EXPECT_LT(CountIn(canvas, CRect(0, 0, 160, 24), kBack), 160 * 24);
}

TEST_F(TabLookTest, ActiveTopTabOutlineReachesTheBottomAndJoinsThePage)
{
    TestCanvas active(60, 24, kBack);
    look.PaintTab(&active.DC(), CRect(10, 2, 50, 20), 0, TRUE, &tabs);
    TestCanvas inactive(60, 24, kBack);
    look.PaintTab(&inactive.DC(), CRect(10, 2, 50, 20), 1, FALSE, &tabs);
    EXPECT_EQ(g.colorBarDarkShade, active.Pixel(50, 20));
    EXPECT_EQ(g.colorBarDarkShade, inactive.Pixel(50, 19));
    EXPECT_EQ(kBack, inactive.Pixel(50, 20)) << "an inactive tab stops one pixel above";
    EXPECT_EQ(g.colorBarShade, active.Pixel(49, 10)) << "the second, shadow line inside the dark edge";
    EXPECT_EQ(g.colorBarLightEdge, active.Pixel(10, 10)) << "highlight on the left";
    EXPECT_EQ(g.colorBarLightEdge, active.Pixel(30, 2)) << "and along the top";
    EXPECT_EQ(g.colorBarFace, active.Pixel(30, 21)) << "the band under the active tab";
    EXPECT_EQ(kBack, inactive.Pixel(30, 21));
    EXPECT_EQ(kBack, active.Pixel(30, 10)) << "no fill without a colour or fillPlainTabs";
}

TEST_F(TabLookTest, ColouredTabsFillTheirInteriorAndTheAreaFill)
{
    tabs.tabs[0].color = RGB(10, 200, 30);
    TestCanvas canvas(60, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(10, 2, 50, 20), 0, TRUE, &tabs);
    EXPECT_EQ(RGB(10, 200, 30), canvas.Pixel(30, 10));
    EXPECT_EQ(RGB(10, 200, 30), canvas.Pixel(30, 21)) << "the band takes the tab's colour";
    EXPECT_TRUE(look.PaintTabAreaColorFill(&canvas.DC(), CRect(0, 0, 5, 5), &tabs));
    tabs.activeTab = 1;
    EXPECT_FALSE(look.PaintTabAreaColorFill(&canvas.DC(), CRect(0, 0, 5, 5), &tabs));
}

TEST_F(TabLookTest, TabColoursFollowTheWindowsColourSet)
{
    COLORREF shadow, text, highlight, face, dark, light;
    CBrush* pFace = nullptr;
    CBrush* pDark = nullptr;
    tabs.styleCode = 5;
    look.QueryTabColors(&tabs, &shadow, &text, &highlight, &face, &dark, &light, &pFace, &pDark);
    EXPECT_EQ(g.colorBarShade, highlight) << "code 5 highlights in the shadow colour";
    EXPECT_EQ(&g.brushBarFace, pFace);
    tabs.styleCode = 4;
    tabs.buttonColors = TRUE;
    tabs.tabs[0].color = RGB(9, 9, 9);
    look.QueryTabColors(&tabs, &shadow, &text, &highlight, &face, &dark, &light, &pFace, &pDark);
    EXPECT_EQ(RGB(9, 9, 9), face);
    EXPECT_EQ(g.colorLightEdge, highlight);
    EXPECT_EQ(&g.brushFace, pFace);
    EXPECT_EQ(&g.brushDarkShade, pDark);
}

TEST_F(TabLookTest, LabelNarrowerThanTheImageAndMarginsIsNotDrawn)
{
    tabs.tabs[0].label = "MMMM";
    tabs.tabs[0].icon = ::LoadIcon(NULL, IDI_APPLICATION);
    tabs.imageSize = CSize(16, 16);
    TestCanvas canvas(60, 24, kBack);
    look.PaintTabLabel(&canvas.DC(), CRect(0, 0, 16 + 2 * CVrxPBaseTabWnd::tabImageMargin - 1, 20), 0, TRUE, &tabs,
                       kGlyphBlack);
    EXPECT_EQ(60 * 24, CountIn(canvas, CRect(0, 0, 60, 24), kBack));
}
TEST_F(TabLookTest, SlantedTabFillsItsPolygonAndEdgesItsTop)
{
    // Code 5 at the top, rect (10, 0, 110, 20): the slant runs from (12, 20)
    // to (30, 2), the top edge from (34, 0) to (108, 0).
    tabs.styleCode = 5;
    tabs.tabArea = CRect(0, 0, 200, 20);
    TestCanvas active(200, 24, kBack);
    look.PaintTab(&active.DC(), CRect(10, 0, 110, 20), 0, TRUE, &tabs);
    EXPECT_EQ(g.colorWindow, active.Pixel(60, 10)) << "an active slanted tab without a colour is window-coloured";
    EXPECT_EQ(kBack, active.Pixel(14, 8)) << "left of the slant";
    EXPECT_EQ(RGB(0, 0, 0), active.Pixel(60, 0)) << "the outline in the DC's pen";
    EXPECT_EQ(g.colorBarLightEdge, active.Pixel(60, 1)) << "the highlight inside the top edge";
    EXPECT_EQ(g.colorWindow, active.Pixel(60, 21)) << "the band joins the page";
    EXPECT_EQ(kBack, active.Pixel(12, 21)) << "code 5's band starts 3 pixels in";

    tabs.tabs[1].color = RGB(10, 200, 30);
    TestCanvas inactive(200, 24, kBack);
    look.PaintTab(&inactive.DC(), CRect(10, 0, 110, 20), 1, FALSE, &tabs);
    EXPECT_EQ(RGB(10, 200, 30), inactive.Pixel(60, 10));
    EXPECT_EQ(kBack, inactive.Pixel(60, 21)) << "no band under an inactive tab";
}

TEST_F(TabLookTest, SlantedBottomTabIsMirroredAndItsFootLiesUnderItsNeighbour)
{
    // Code 4 at the bottom: y := top + bottom - y - 1, so the far edge is row 19.
    tabs.styleCode = 4;
    tabs.location = CVrxPBaseTabWnd::locationBottom;
    tabs.tabArea = CRect(0, 0, 200, 20);
    TestCanvas canvas(200, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(10, 0, 110, 20), 1, FALSE, &tabs);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(60, 19));
    EXPECT_EQ(g.colorBarLightEdge, canvas.Pixel(60, 18));
    EXPECT_EQ(g.colorFace, canvas.Pixel(60, 10)) << "slanted tabs are always filled";
    // The outline left of p4.x - 10 = 24 is covered by the previous tab.
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 24, 20), RGB(0, 0, 0)));
    EXPECT_GT(canvas.Count(CRect(24, 0, 34, 20), RGB(0, 0, 0)), 3);
    TestCanvas first(200, 24, kBack);
    look.PaintTab(&first.DC(), CRect(10, 0, 110, 20), 0, FALSE, &tabs);
    EXPECT_GT(first.Count(CRect(0, 0, 24, 20), RGB(0, 0, 0)), 3) << "the first shown tab shows its foot";
}

TEST_F(TabLookTest, CodeFourTabNeedsItsFootsWidthMoreToBeDrawn)
{
    tabs.styleCode = 4;
    tabs.tabArea = CRect(0, 0, 200, 20);
    // 200 < 175 + 20 + 10: an inactive later tab is left out, the first is not.
    TestCanvas canvas(300, 24, kBack);
    look.PaintTab(&canvas.DC(), CRect(175, 0, 275, 20), 1, FALSE, &tabs);
    EXPECT_EQ(300 * 24, canvas.Count(CRect(0, 0, 300, 24), kBack));
    look.PaintTab(&canvas.DC(), CRect(175, 0, 275, 20), 0, FALSE, &tabs);
    EXPECT_LT(canvas.Count(CRect(0, 0, 300, 24), kBack), 300 * 24);
    EXPECT_EQ(0, canvas.Count(CRect(201, 0, 300, 24), RGB(0, 0, 0))) << "clipped at the tab area";
}

TEST_F(TabLookTest, SteppedTabOutlinesItsStepsInTheShadowColour)
{
    // Code 6, tabs at the bottom, rect (10, 0, 70, 20): the sides step in
    // one pixel per two rows, the far edge lies at the rect's bottom.
    tabs.styleCode = 6;
    tabs.location = CVrxPBaseTabWnd::locationBottom;
    TestCanvas inactive(80, 24, kBack);
    look.PaintTab(&inactive.DC(), CRect(10, 0, 70, 20), 1, FALSE, &tabs);
    EXPECT_EQ(g.colorBarShade, inactive.Pixel(40, 20)) << "the far edge";
    EXPECT_EQ(g.colorBarShade, inactive.Pixel(10, 1)) << "the left side starts at the rect's left";
    EXPECT_EQ(g.colorBarShade, inactive.Pixel(13, 7)) << "three steps in by row 7";
    EXPECT_EQ(kBack, inactive.Pixel(12, 7)) << "outside the step";
    EXPECT_EQ(g.colorFace, inactive.Pixel(40, 10)) << "an inactive plain tab in the button face";
    TestCanvas active(80, 24, kBack);
    look.PaintTab(&active.DC(), CRect(10, 0, 70, 20), 0, TRUE, &tabs);
    EXPECT_EQ(g.colorWindow, active.Pixel(40, 10)) << "the active one in the window colour";

    tabs.styleCode = 7;
    tabs.location = CVrxPBaseTabWnd::locationTop;
    TestCanvas top(80, 24, kBack);
    look.PaintTab(&top.DC(), CRect(10, 0, 70, 20), 1, FALSE, &tabs);
    EXPECT_EQ(g.colorBarShade, top.Pixel(40, 0)) << "mirrored: the far edge at the top";
    EXPECT_EQ(g.colorBarShade, top.Pixel(13, 13)) << "y := top + bottom - y";
    EXPECT_EQ(g.colorFace, top.Pixel(40, 10));
}
} // namespace
