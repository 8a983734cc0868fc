// The XP look's bars, buttons and menus drawn into a 32-bit DIB, beside the
// base look where the two differ: fills in the tints the palette computed,
// one-pixel frames, pattern grippers, the menu's image column.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "docking/CVrxPBaseControlBar.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/tests/TestCanvas.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBack = RGB(1, 2, 3);

class XPLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded());
        // The system's colours with the rich palette, whatever the screen.
        g.RefreshSysColors();
        g.bitsPerPixel = 32;
        g.highContrastBlack = g.highContrastWhite = FALSE;
        look.ReloadPalette();
        ASSERT_NE(look.highlightColor, look.pressedColor);
        ASSERT_NE(look.checkedColor, look.pressedColor);
    }
    void TearDown() override { g.RefreshSysColors(); }

    CVrxPGlobals& g = VrxPGlobals();
    CVrxPVisualManagerXP look{TRUE};
    CVrxPVisualManager base{TRUE};
};

TEST_F(XPLookTest, ToolbarButtonsFillWithTheTintOfTheirState)
{
    struct Case
    {
        const char* name;
        UINT style;
        int state;
        COLORREF inside;
        BOOL shrunk;
    };
    const Case cases[] = {
        {"hot", 0, CVrxPVisualManager::stateHighlighted, look.highlightColor, TRUE},
        {"pressed", CVrxPToolbarButton::stylePressed, CVrxPVisualManager::statePressed, look.pressedColor, TRUE},
        {"checked", CVrxPToolbarButton::styleChecked, CVrxPVisualManager::statePressed, look.checkedColor, FALSE},
        {"hot checked", CVrxPToolbarButton::styleChecked, CVrxPVisualManager::stateHighlighted, look.pressedColor,
         FALSE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(30, 24, kBack);
        CVrxPToolbarButton button;
        button.style = c.style;
        look.PaintButtonFace(&canvas.DC(), &button, CRect(2, 2, 28, 22), c.state);
        EXPECT_EQ(c.inside, canvas.Pixel(15, 12));
        EXPECT_EQ(c.shrunk ? kBack : c.inside, canvas.Pixel(2, 2)) << "unchecked buttons shrink by one pixel";
        EXPECT_EQ(kBack, canvas.Pixel(1, 12));
        look.PaintButtonFrame(&canvas.DC(), &button, CRect(2, 2, 28, 22), c.state);
        EXPECT_EQ(look.highlightFrameColor, canvas.Pixel(2, 12));
        EXPECT_EQ(look.highlightFrameColor, canvas.Pixel(27, 21)) << "one colour all round";
        EXPECT_EQ(c.inside, canvas.Pixel(3, 12));
    }
}

TEST_F(XPLookTest, AHotCheckedButtonInTheBaseLookHasNoFill)
{
    TestCanvas canvas(30, 24, kBack);
    CVrxPToolbarButton button;
    button.style = CVrxPToolbarButton::styleChecked;
    base.PaintButtonFace(&canvas.DC(), &button, CRect(2, 2, 28, 22), CVrxPVisualManager::stateHighlighted);
    EXPECT_EQ(kBack, canvas.Pixel(15, 12));
    look.PaintButtonFace(&canvas.DC(), &button, CRect(2, 2, 28, 22), CVrxPVisualManager::stateHighlighted);
    EXPECT_EQ(look.pressedColor, canvas.Pixel(15, 12));
}

TEST_F(XPLookTest, PlainButtonsAndOtherStatesDrawNothing)
{
    TestCanvas canvas(30, 24, kBack);
    CVrxPToolbarButton button;
    button.style = CVrxPToolbarButton::styleChecked;
    look.PaintButtonFace(&canvas.DC(), &button, CRect(2, 2, 28, 22), 0);
    look.PaintButtonFrame(&canvas.DC(), &button, CRect(2, 2, 28, 22), 0);
    EXPECT_EQ(30 * 24, canvas.Count(CRect(0, 0, 30, 24), kBack));
    look.halftoneCheckedButtons = FALSE;
    look.PaintButtonFace(&canvas.DC(), &button, CRect(2, 2, 28, 22), CVrxPVisualManager::stateHighlighted);
    EXPECT_EQ(30 * 24, canvas.Count(CRect(0, 0, 30, 24), kBack)) << "bar buttons need the halftone option";
}

TEST_F(XPLookTest, ToolbarGripperIsAThreePixelRowPattern)
{
    TestCanvas canvas(10, 40, kBack);
    CVrxPBaseControlBar bar;
    look.PaintBarGripper(&canvas.DC(), CRect(0, 0, 10, 40), TRUE, &bar);
    // Centre 5: columns 4 to 6, from y 5 to 34; rows alternate the two colours.
    EXPECT_EQ(kBack, canvas.Pixel(3, 20));
    EXPECT_EQ(kBack, canvas.Pixel(7, 20));
    EXPECT_EQ(kBack, canvas.Pixel(5, 4));
    EXPECT_EQ(kBack, canvas.Pixel(5, 35));
    for (int y = 5; y < 35; y++)
        for (int x = 4; x < 7; x++)
            ASSERT_EQ(y % 2 == 0 ? look.toolbarColor : look.gripperColor, canvas.Pixel(x, y)) << x << "," << y;

    TestCanvas vertical(40, 10, kBack);
    look.PaintBarGripper(&vertical.DC(), CRect(0, 0, 40, 10), FALSE, &bar);
    // A vertical bar: rows 4 to 6, columns alternate.
    EXPECT_EQ(look.toolbarColor, vertical.Pixel(10, 5));
    EXPECT_EQ(look.gripperColor, vertical.Pixel(11, 5));
    EXPECT_EQ(kBack, vertical.Pixel(11, 3));
}

TEST_F(XPLookTest, ToolbarsTakeTheToolbarColourAndDialogBarsTheBaseLook)
{
    CVrxPToolBar toolbar;
    TestCanvas canvas(40, 20, kBack);
    look.PaintBarBackground(&canvas.DC(), &toolbar, CRect(0, 0, 40, 20), CRect());
    EXPECT_EQ(look.toolbarColor, canvas.Pixel(20, 10));
    base.PaintBarBackground(&canvas.DC(), &toolbar, CRect(0, 0, 40, 20), CRect());
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(20, 10));

    CVrxPBaseControlBar bar;
    bar.dialogParent = TRUE;
    TestCanvas gripper(10, 40, kBack);
    look.PaintBarGripper(&gripper.DC(), CRect(0, 0, 10, 40), TRUE, &bar);
    EXPECT_EQ(0, gripper.Count(CRect(0, 0, 10, 40), look.gripperColor));
    EXPECT_GT(gripper.Count(CRect(0, 0, 10, 40), g.colorLightEdge), 0) << "the base look's raised line";
    TestCanvas separator(8, 20, kBack);
    look.PaintSeparator(&separator.DC(), &bar, CRect(0, 0, 8, 20), TRUE);
    EXPECT_EQ(0, separator.Count(CRect(0, 0, 8, 20), look.separatorColor));
    EXPECT_EQ(g.colorShade, separator.Pixel(3, 10));
}

TEST_F(XPLookTest, BorderLinesAreBarFaceAndShrinkTheRectangle)
{
    TestCanvas canvas(40, 20, kBack);
    CVrxPBaseControlBar bar;
    bar.barStyle = CVrxPBaseControlBar::borderAny;
    CRect rect(0, 0, 40, 20);
    look.PaintBarBorder(&canvas.DC(), &bar, rect);
    EXPECT_EQ(CRect(1, 1, 39, 19), rect);
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(0, 10));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(10, 0));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(39, 10));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(10, 19));
    EXPECT_EQ(kBack, canvas.Pixel(20, 10));

    TestCanvas left(40, 20, kBack);
    bar.barStyle = CVrxPBaseControlBar::borderLeft;
    rect = CRect(0, 0, 40, 20);
    look.PaintBarBorder(&left.DC(), &bar, rect);
    EXPECT_EQ(CRect(1, 0, 40, 20), rect);
    EXPECT_EQ(g.colorBarFace, left.Pixel(0, 18));
    EXPECT_EQ(kBack, left.Pixel(0, 19)) << "the left line is one pixel short";
}

TEST_F(XPLookTest, PopupMenuBarShowsTheImageColumn)
{
    CVrxPPopupMenuBar menuBar;
    TestCanvas canvas(80, 30, kBack);
    look.PaintBarBackground(&canvas.DC(), &menuBar, CRect(0, 0, 80, 30), CRect());
    // Image width 16 + two margins of 3 + 2.
    const int nColumn = CVrxPVisualManagerXP::MenuImageWidth() + 2 * 3 + 2;
    EXPECT_EQ(look.toolbarColor, canvas.Pixel(0, 10));
    EXPECT_EQ(look.toolbarColor, canvas.Pixel(nColumn - 1, 10));
    EXPECT_EQ(look.menuColor, canvas.Pixel(nColumn, 10));
    EXPECT_EQ(look.menuColor, canvas.Pixel(5, 0)) << "the column stops a pixel short at the top";
    EXPECT_EQ(look.menuColor, canvas.Pixel(5, 29));
    menuBar.noImageColumn = TRUE;
    look.PaintBarBackground(&canvas.DC(), &menuBar, CRect(0, 0, 80, 30), CRect());
    EXPECT_EQ(look.menuColor, canvas.Pixel(5, 10));
}

TEST_F(XPLookTest, MenuFrameAndHighlightedItem)
{
    TestCanvas canvas(60, 40, kBack);
    look.PaintMenuFrame(&canvas.DC(), nullptr, CRect(0, 0, 60, 40));
    EXPECT_EQ(look.menuBorderColor, canvas.Pixel(30, 0));
    EXPECT_EQ(look.menuBorderColor, canvas.Pixel(59, 20));
    EXPECT_EQ(look.menuColor, canvas.Pixel(30, 1));
    EXPECT_EQ(look.toolbarColor, canvas.Pixel(1, 20)) << "the image column reaches the border";

    TestCanvas item(40, 18, kBack);
    COLORREF text = kBack;
    look.PaintMenuItemHighlight(&item.DC(), nullptr, CRect(0, 0, 40, 18), &text);
    EXPECT_EQ(kBack, item.Pixel(0, 9)) << "one pixel in on the left";
    EXPECT_EQ(look.highlightFrameColor, item.Pixel(1, 9));
    EXPECT_EQ(look.highlightFrameColor, item.Pixel(20, 0));
    EXPECT_EQ(look.highlightColor, item.Pixel(20, 9));
    EXPECT_EQ(look.highlightFrameColor, item.Pixel(38, 9));
    EXPECT_EQ(kBack, item.Pixel(39, 9));
    EXPECT_EQ(RGB(0, 0, 0), text) << "a light tint takes black text";

    base.PaintMenuItemHighlight(&item.DC(), nullptr, CRect(0, 0, 40, 18), &text);
    EXPECT_EQ(g.colorSelection, item.Pixel(0, 9)) << "the base look fills the whole item with the selection";
}

TEST_F(XPLookTest, SeparatorIsOnePixelAcrossTheMiddle)
{
    TestCanvas canvas(8, 20, kBack);
    look.PaintSeparator(&canvas.DC(), nullptr, CRect(0, 0, 8, 20), TRUE);
    EXPECT_EQ(look.separatorColor, canvas.Pixel(4, 0));
    EXPECT_EQ(look.separatorColor, canvas.Pixel(4, 18));
    EXPECT_EQ(kBack, canvas.Pixel(4, 19)) << "ends one pixel short";
    EXPECT_EQ(kBack, canvas.Pixel(3, 10));
    EXPECT_EQ(kBack, canvas.Pixel(5, 10));
}

TEST_F(XPLookTest, MdiButtonsOnlyForTheirThreeCommands)
{
    TestCanvas canvas(16, 14, kBack);
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_MAXIMIZE, 0, TRUE);
    EXPECT_EQ(16 * 14, canvas.Count(CRect(0, 0, 16, 14), kBack));
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_CLOSE, CVrxPToolbarButton::stylePressed, TRUE);
    EXPECT_EQ(look.highlightFrameColor, canvas.Pixel(0, 0));
    EXPECT_EQ(look.pressedColor, canvas.Pixel(1, 1));
    EXPECT_GT(canvas.Count(CRect(1, 1, 15, 13), RGB(255, 255, 255)), 4) << "the close glyph in white";
}

TEST_F(XPLookTest, ComboDropButtonIdleAndHot)
{
    TestCanvas canvas(14, 16, kBack);
    look.PaintComboDropButton(&canvas.DC(), CRect(0, 0, 14, 16), FALSE, FALSE, FALSE, nullptr);
    EXPECT_EQ(g.colorWindow, canvas.Pixel(0, 0));
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(1, 1));
    look.PaintComboDropButton(&canvas.DC(), CRect(0, 0, 14, 16), FALSE, FALSE, TRUE, nullptr);
    EXPECT_EQ(look.highlightFrameColor, canvas.Pixel(0, 8));
    EXPECT_EQ(look.highlightColor, canvas.Pixel(1, 1));
    EXPECT_EQ(look.highlightColor, canvas.Pixel(13, 0)) << "no frame but the left line";
}
} // namespace
