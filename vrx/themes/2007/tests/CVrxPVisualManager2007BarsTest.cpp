// The 2007 look with the blue test style drawing bars, menus, toolbar
// buttons, edits and combos, probed in an off-screen bitmap. The strips'
// colours are those make_style_strips.py gives each image: a 3-pixel edge
// around a middle.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "docking/VrxPBarStyles.h"
#include "foundation/CVrxPGlobals.h"
#include "panes/colours/CVrxPColorBar.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPStatusPaneInfo.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <gtest/gtest.h>

#include "Style2007Fixture.h"

namespace
{

const COLORREF kBack = RGB(1, 2, 3);
const COLORREF kNone = static_cast<COLORREF>(-1);

// Middle colours of the strips' images.
const COLORREF kMenuHighlighted = RGB(255, 231, 162);
const COLORREF kMenuHighlightedDisabled = RGB(238, 238, 238);
const COLORREF kItemBack[2] = {RGB(255, 213, 140), RGB(230, 230, 230)};
const COLORREF kMenuBarButton[2] = {RGB(255, 241, 180), RGB(255, 177, 109)};
const COLORREF kToolbarButton[5] = {RGB(235, 235, 235), RGB(255, 236, 176), RGB(254, 177, 100),
                                    RGB(255, 214, 154), RGB(255, 199, 120)};

class BarsLook : public CVrxPVisualManager2007
{
public:
    COLORREF MenuBarVert(BOOL bLight) const { return bLight ? m_clrMenuBarGradientVertLight : m_clrMenuBarGradientVertDark; }
    COLORREF MenuBarSide(BOOL bLight) const { return bLight ? m_clrMenuBarGradientLight : m_clrMenuBarGradientDark; }
    COLORREF Separator1() const { return m_clrMenuSeparator1; }
    COLORREF Separator2() const { return m_clrMenuSeparator2; }
    void Paint2003Background(CDC* pDC, CWnd* pBar, CRect rect)
    {
        CVrxPVisualManager2003::PaintBarBackground(pDC, pBar, rect, CRect());
    }
};

class Look2007BarsTest : public Style2007Test
{
protected:
    void SetUp() override
    {
        Style2007Test::SetUp();
        look.ReloadPalette();
        ASSERT_TRUE(look.IsStyleInForce());
    }
    BarsLook look;
};

TEST_F(Look2007BarsTest, TheSectionsGiveColoursAndTheirDefaults)
{
    struct Case
    {
        const char* name;
        COLORREF expected;
        COLORREF actual;
    };
    const Case cases[] = {
        {"menu light", RGB(250, 250, 250), look.menuColor},
        {"separator 1", RGB(197, 197, 197), look.Separator1()},
        {"separator 2", RGB(245, 245, 245), look.Separator2()},
        {"item border", RGB(255, 189, 105), look.highlightFrameColor},
        {"bar background", RGB(233, 238, 238), look.toolbarColor},
        // The MENU section names no Rarely colour: the band takes the bars'.
        {"rarely-used band", RGB(233, 238, 238), look.rarelyUsedColor},
        {"toolbar gradient dark", RGB(152, 186, 230), look.toolbarGradientDark},
        // No vertical gradient named: the toolbar's own.
        {"toolbar vertical dark", RGB(152, 186, 230), look.verticalGradientDark},
        {"bottom line", RGB(111, 157, 217), look.toolbarShadowColor},
        {"menu bar side light", RGB(227, 239, 255), look.MenuBarSide(TRUE)},
        {"menu bar vertical dark", RGB(191, 219, 255), look.MenuBarVert(FALSE)},
        {"disabled text", RGB(141, 141, 141), look.QueryDisabledTextColor()},
        {"active tab", RGB(21, 66, 139), look.QueryTabTextColor(nullptr, 0, TRUE)},
        {"inactive tab", RGB(62, 106, 170), look.QueryTabTextColor(nullptr, 0, FALSE)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.actual) << c.name;
    EXPECT_TRUE(look.TracksHotTabAlways());
    VrxPGlobals().bitsPerPixel = 8;
    EXPECT_FALSE(look.TracksHotTabAlways());
}

TEST_F(Look2007BarsTest, AMenuBarIsTwoGradientsAcrossItsThickness)
{
    CVrxPMenuBar top;
    top.barStyle = CBRS_ALIGN_TOP;
    OffscreenBitmap canvas(100, 40, kBack);
    look.PaintBarBackground(canvas.Dc(), &top, CRect(0, 0, 100, 40), CRect());
    // Dark at both edges, light where the halves meet.
    EXPECT_TRUE(Near(look.MenuBarVert(FALSE), canvas.At(50, 0), 3)) << std::hex << canvas.At(50, 0);
    EXPECT_TRUE(Near(look.MenuBarVert(TRUE), canvas.At(50, 19), 3)) << std::hex << canvas.At(50, 19);
    EXPECT_TRUE(Near(look.MenuBarVert(TRUE), canvas.At(50, 20), 3)) << std::hex << canvas.At(50, 20);
    EXPECT_TRUE(Near(look.MenuBarVert(FALSE), canvas.At(50, 39), 3)) << std::hex << canvas.At(50, 39);
    EXPECT_EQ(canvas.At(0, 5), canvas.At(99, 5)) << "the same along the bar";

    CVrxPMenuBar side;
    side.barStyle = CBRS_ALIGN_LEFT;
    OffscreenBitmap column(40, 100, kBack);
    look.PaintBarBackground(column.Dc(), &side, CRect(0, 0, 40, 100), CRect());
    EXPECT_TRUE(Near(look.MenuBarSide(FALSE), column.At(0, 50), 3)) << std::hex << column.At(0, 50);
    EXPECT_TRUE(Near(look.MenuBarSide(TRUE), column.At(19, 50), 3)) << std::hex << column.At(19, 50);
    EXPECT_TRUE(Near(look.MenuBarSide(FALSE), column.At(39, 50), 3)) << std::hex << column.At(39, 50);
    EXPECT_EQ(column.At(5, 0), column.At(5, 99)) << "the same along the bar";
}

TEST_F(Look2007BarsTest, APopupMenuHasAnImageColumnEndedByTwoLines)
{
    CVrxPPopupMenuBar menuBar;
    OffscreenBitmap canvas(120, 30, kBack);
    look.PaintBarBackground(canvas.Dc(), &menuBar, CRect(0, 0, 120, 30), CRect());
    int nColumn = 0;
    while (nColumn < 120 && canvas.At(nColumn, 15) == look.toolbarColor)
        nColumn++;
    EXPECT_GT(nColumn, 20);
    EXPECT_EQ(look.toolbarColor, canvas.At(0, 0)) << "full height";
    EXPECT_EQ(look.Separator1(), canvas.At(nColumn, 15));
    EXPECT_EQ(look.Separator2(), canvas.At(nColumn + 1, 15));
    EXPECT_EQ(look.menuColor, canvas.At(nColumn + 2, 15));
    EXPECT_EQ(look.menuColor, canvas.At(119, 29));

    menuBar.noImageColumn = TRUE;
    OffscreenBitmap plain(120, 30, kBack);
    look.PaintBarBackground(plain.Dc(), &menuBar, CRect(0, 0, 120, 30), CRect());
    EXPECT_EQ(120 * 30, plain.Count(look.menuColor));
}

// Bars the style does not draw: hosted in a dialog, colour bars, and any
// bar while the screen cannot show the style, all as the 2003 look draws.
TEST_F(Look2007BarsTest, BarsTheStyleLeavesAreDrawnAsThe2003Look)
{
    CVrxPMenuBar inDialog;
    inDialog.dialogParent = TRUE;
    CVrxPColorBar colorBar;
    CVrxPMenuBar menuBar;
    struct Case
    {
        const char* name;
        CWnd* bar;
        int bitsPerPixel;
    };
    const Case cases[] = {{"in a dialog", &inDialog, 32}, {"colour bar", &colorBar, 32}, {"8 bits", &menuBar, 8}};
    for (const Case& c : cases)
    {
        VrxPGlobals().bitsPerPixel = c.bitsPerPixel;
        Reload(look);
        OffscreenBitmap expected(60, 30, kBack), actual(60, 30, kBack);
        look.Paint2003Background(expected.Dc(), c.bar, CRect(0, 0, 60, 30));
        look.PaintBarBackground(actual.Dc(), c.bar, CRect(0, 0, 60, 30), CRect());
        for (int y = 0; y < 30; y += 3)
            for (int x = 0; x < 60; x += 3)
                ASSERT_EQ(expected.At(x, y), actual.At(x, y)) << c.name << " at " << x << "," << y;
    }
}

TEST_F(Look2007BarsTest, ToolbarButtonsTakeTheImageOfTheirStateOrNone)
{
    const UINT checked = CVrxPToolbarButton::styleChecked;
    const UINT pressed = CVrxPToolbarButton::stylePressed;
    const UINT disabled = CVrxPToolbarButton::styleDisabled;
    struct Case
    {
        UINT style;
        int state;
        int image;
    };
    const Case cases[] = {
        {checked | disabled, 0, 0}, {0, 2, 1}, {pressed, 0, 2}, {checked, 1, 3}, {checked, 2, 4},
        {disabled, 2, -1},          {0, 0, -1}, {0, 1, -1},     {checked, 0, -1},
    };
    CVrxPToolBar toolbar;
    for (const Case& c : cases)
    {
        CVrxPToolbarButton button;
        button.style = c.style;
        button.parent = &toolbar;
        OffscreenBitmap canvas(40, 24, kBack);
        look.PaintButtonFace(canvas.Dc(), &button, CRect(0, 0, 40, 24), c.state);
        look.PaintButtonFrame(canvas.Dc(), &button, CRect(0, 0, 40, 24), c.state);
        const COLORREF middle = c.image < 0 ? kBack : kToolbarButton[c.image];
        EXPECT_EQ(middle, canvas.At(20, 12)) << "style " << std::hex << c.style << " state " << c.state;
        if (c.image < 0)
        {
            EXPECT_EQ(40 * 24, canvas.Count(kBack)) << "style " << std::hex << c.style << " state " << c.state;
        }
    }
}

TEST_F(Look2007BarsTest, MenuButtonsTakeTheMenusStrips)
{
    CVrxPMenuBar menuBar;
    CVrxPPopupMenuBar popupBar;
    CVrxPColorBar colorBar;
    struct Case
    {
        const char* name;
        CWnd* owner;
        BOOL menuButton;
        UINT style;
        BOOL open;
        int state;
        COLORREF middle;
    };
    const UINT checked = CVrxPToolbarButton::styleChecked;
    const UINT disabled = CVrxPToolbarButton::styleDisabled;
    const Case cases[] = {
        {"menu bar, hot", &menuBar, TRUE, 0, FALSE, 2, kMenuBarButton[0]},
        {"menu bar, open", &menuBar, TRUE, 0, TRUE, 1, kMenuBarButton[1]},
        {"menu bar, idle", &menuBar, TRUE, 0, FALSE, 0, kBack},
        {"popup, hot", &popupBar, TRUE, 0, FALSE, 2, kMenuHighlighted},
        {"popup, hot and disabled", &popupBar, TRUE, disabled, FALSE, 2, kMenuHighlightedDisabled},
        {"popup, idle", &popupBar, TRUE, 0, FALSE, 0, kBack},
        {"popup, checked", &popupBar, TRUE, checked, FALSE, 0, kItemBack[0]},
        {"popup, checked and disabled", &popupBar, TRUE, checked | disabled, FALSE, 0, kItemBack[1]},
        {"colour bar, hot", &colorBar, FALSE, 0, FALSE, 2, kMenuHighlighted},
        {"colour bar, checked", &colorBar, FALSE, checked, FALSE, 0, kItemBack[0]},
    };
    for (const Case& c : cases)
    {
        CVrxPToolbarMenuButton menuButton;
        CVrxPToolbarButton plainButton;
        CVrxPToolbarButton& button = c.menuButton ? menuButton : plainButton;
        button.style = c.style;
        button.parent = c.owner;
        menuButton.popupOpen = c.open;
        OffscreenBitmap canvas(40, 24, kBack);
        look.PaintButtonFace(canvas.Dc(), &button, CRect(0, 0, 40, 24), c.state);
        EXPECT_EQ(c.middle, canvas.At(20, 12)) << c.name;
    }
}

TEST_F(Look2007BarsTest, MenuFrameAndItemHighlightComeFromTheirStrips)
{
    OffscreenBitmap frame(60, 40, kBack);
    look.PaintMenuFrame(frame.Dc(), nullptr, CRect(0, 0, 60, 40));
    EXPECT_EQ(RGB(134, 134, 134), frame.At(0, 0));
    EXPECT_EQ(RGB(134, 134, 134), frame.At(59, 39));
    EXPECT_EQ(kBack, frame.At(30, 20)) << "the border only";

    CVrxPToolbarButton item;
    OffscreenBitmap highlight(60, 20, kBack);
    COLORREF text = kBack;
    look.PaintMenuItemHighlight(highlight.Dc(), &item, CRect(0, 0, 60, 20), &text);
    EXPECT_EQ(kMenuHighlighted, highlight.At(30, 10));
    EXPECT_EQ(RGB(255, 189, 105), highlight.At(0, 0));
    item.style = CVrxPToolbarButton::styleDisabled;
    look.PaintMenuItemHighlight(highlight.Dc(), &item, CRect(0, 0, 60, 20), &text);
    EXPECT_EQ(kMenuHighlightedDisabled, highlight.At(30, 10));
}

TEST_F(Look2007BarsTest, EditAndComboBordersFollowTheirState)
{
    struct Case
    {
        const char* name;
        BOOL combo;
        BOOL disabled;
        BOOL dropped;
        BOOL hot;
        COLORREF border;
    };
    const Case cases[] = {
        {"edit", FALSE, FALSE, FALSE, FALSE, RGB(171, 193, 222)},
        {"edit, hot", FALSE, FALSE, FALSE, TRUE, RGB(101, 147, 207)},
        {"edit, disabled and hot", FALSE, TRUE, FALSE, TRUE, RGB(192, 192, 192)},
        {"combo", TRUE, FALSE, FALSE, FALSE, RGB(171, 193, 222)},
        {"combo, hot", TRUE, FALSE, FALSE, TRUE, RGB(101, 147, 207)},
        // No BorderPressed: the highlighted colour.
        {"combo, dropped", TRUE, FALSE, TRUE, FALSE, RGB(101, 147, 207)},
        {"combo, disabled", TRUE, TRUE, TRUE, TRUE, RGB(192, 192, 192)},
    };
    for (const Case& c : cases)
    {
        OffscreenBitmap canvas(50, 22, kBack);
        if (c.combo)
            look.PaintComboBorder(canvas.Dc(), CRect(0, 0, 50, 22), c.disabled, c.dropped, c.hot, nullptr);
        else
            look.PaintEditBorder(canvas.Dc(), CRect(0, 0, 50, 22), c.disabled, c.hot, nullptr);
        EXPECT_EQ(kBack, canvas.At(0, 0)) << c.name << ": one pixel in";
        EXPECT_EQ(c.border, canvas.At(1, 1)) << c.name;
        EXPECT_EQ(c.border, canvas.At(48, 20)) << c.name;
        EXPECT_EQ(kBack, canvas.At(25, 11)) << c.name << ": the inside is left alone";
    }
}

TEST_F(Look2007BarsTest, AComboDropButtonIsAFramedGradientWithAnArrow)
{
    struct Case
    {
        const char* name;
        BOOL disabled;
        BOOL dropped;
        BOOL hot;
        COLORREF border;
        COLORREF top;
        COLORREF bottom;
    };
    const COLORREF face = VrxPGlobals().colorFace;
    const Case cases[] = {
        {"idle", FALSE, FALSE, FALSE, RGB(171, 193, 222), RGB(196, 221, 255), RGB(227, 239, 255)},
        {"hot", FALSE, FALSE, TRUE, RGB(255, 189, 105), RGB(255, 231, 162), RGB(255, 251, 220)},
        {"dropped", FALSE, TRUE, TRUE, RGB(251, 140, 60), RGB(255, 208, 134), RGB(248, 181, 106)},
        // The style names no disabled border: no frame, the face colour's fill.
        {"disabled", TRUE, FALSE, FALSE, kBack, face, face},
    };
    for (const Case& c : cases)
    {
        OffscreenBitmap canvas(20, 24, kBack);
        look.PaintComboDropButton(canvas.Dc(), CRect(2, 2, 16, 22), c.disabled, c.dropped, c.hot, nullptr);
        const int nFrameTop = c.disabled ? 2 : 1;
        EXPECT_EQ(c.border, canvas.At(8, nFrameTop)) << c.name;
        EXPECT_TRUE(Near(c.top, canvas.At(4, nFrameTop + 1), 4)) << c.name << std::hex << " " << canvas.At(4, 3);
        // A disabled button's fill stops a pixel short of its frame.
        const int nFillBottom = c.disabled ? 20 : 21;
        EXPECT_TRUE(Near(c.bottom, canvas.At(4, nFillBottom), 4)) << c.name << std::hex << " " << canvas.At(4, 21);
        EXPECT_GT(canvas.Count(RGB(0, 0, 0)) + canvas.Count(RGB(128, 128, 128)), 0) << c.name << ": the arrow";
    }
}

TEST_F(Look2007BarsTest, TextColoursFollowTheOwnerAndState)
{
    CVrxPMenuBar menuBar;
    CVrxPToolBar toolbar;
    struct Case
    {
        const char* name;
        CWnd* owner;
        UINT style;
        BOOL open;
        int state;
        COLORREF expected;
    };
    const UINT disabled = CVrxPToolbarButton::styleDisabled;
    const Case cases[] = {
        // MENUBAR gives no TextNormal nor TextDisabled: the toolbar's.
        {"menu bar, idle", &menuBar, 0, FALSE, 0, RGB(21, 66, 139)},
        {"menu bar, hot", &menuBar, 0, FALSE, 2, RGB(0, 0, 0)},
        {"menu bar, open", &menuBar, 0, TRUE, 0, RGB(0, 0, 0)},
        {"menu bar, disabled", &menuBar, disabled, TRUE, 2, RGB(141, 141, 141)},
        {"toolbar, idle", &toolbar, 0, FALSE, 0, RGB(21, 66, 139)},
        {"toolbar, pressed", &toolbar, 0, FALSE, 1, RGB(0, 0, 0)},
        {"toolbar, disabled", &toolbar, disabled, FALSE, 2, RGB(141, 141, 141)},
    };
    for (const Case& c : cases)
    {
        CVrxPToolbarMenuButton button;
        button.style = c.style;
        button.parent = c.owner;
        button.popupOpen = c.open;
        EXPECT_EQ(c.expected, look.QueryButtonTextColor(&button, c.state)) << c.name;
    }
    CVrxPToolbarButton item;
    EXPECT_EQ(RGB(0, 0, 0), look.QueryMenuItemTextColor(&item));
    EXPECT_EQ(RGB(141, 141, 141), look.QueryHighlightedMenuTextColor(nullptr, &item, TRUE));
    EXPECT_EQ(RGB(0, 0, 0), look.QueryHighlightedMenuTextColor(nullptr, &item, FALSE));
    EXPECT_NE(kNone, look.QueryDisabledTextColor());
}

TEST_F(Look2007BarsTest, MenuMarksShowAllAndSplitLinesComeFromTheMenuStrips)
{
    CVrxPToolbarButton item;
    OffscreenBitmap check(40, 24, kBack);
    look.PaintMenuCheckMark(check.Dc(), &item, CRect(0, 0, 40, 24), FALSE, FALSE);
    EXPECT_EQ(RGB(120, 160, 220), check.At(20, 12));
    EXPECT_EQ(RGB(40, 80, 160), check.At(10, 4)) << "centred: the image's corner";
    EXPECT_EQ(kBack, check.At(9, 4));
    item.style = CVrxPToolbarButton::styleDisabled;
    look.PaintMenuCheckMark(check.Dc(), &item, CRect(0, 0, 40, 24), FALSE, FALSE);
    EXPECT_EQ(RGB(200, 200, 200), check.At(20, 12)) << "the disabled mark is the second image";

    EXPECT_EQ(16 + 6, look.QueryShowAllButtonHeight(0, 0));
    OffscreenBitmap showAll(40, 22, kBack);
    look.PaintShowAllButton(showAll.Dc(), CRect(0, 0, 40, 22), 0);
    EXPECT_EQ(RGB(228, 234, 242), showAll.At(20, 11));
    look.PaintShowAllButton(showAll.Dc(), CRect(0, 0, 40, 22), 2);
    EXPECT_EQ(RGB(255, 220, 160), showAll.At(20, 11));

    OffscreenBitmap split(20, 24, kBack);
    look.PaintSplitMenuSeparator(split.Dc(), &item, CRect(10, 0, 20, 24), TRUE, FALSE);
    EXPECT_EQ(RGB(255, 171, 63), split.At(9, 12));
    EXPECT_EQ(RGB(255, 171, 63), split.At(10, 12));
    EXPECT_EQ(kBack, split.At(11, 12));
    EXPECT_EQ(kBack, split.At(9, 0));
    OffscreenBitmap plainSplit(20, 24, kBack);
    look.PaintSplitMenuSeparator(plainSplit.Dc(), &item, CRect(10, 0, 20, 24), FALSE, FALSE);
    const COLORREF shade = VrxPGlobals().colorShade;
    EXPECT_EQ(shade, plainSplit.At(9, 12));
    EXPECT_EQ(kBack, plainSplit.At(10, 12));
    EXPECT_EQ(kBack, plainSplit.At(9, 3));
    EXPECT_EQ(shade, plainSplit.At(9, 4));
    EXPECT_EQ(shade, plainSplit.At(9, 19));
    EXPECT_EQ(kBack, plainSplit.At(9, 20));
}

TEST_F(Look2007BarsTest, StatusPanesTakeTheStatusColoursAndTheGripItsImage)
{
    CVrxPStatusPaneInfo pane;
    EXPECT_EQ(RGB(21, 66, 139), look.QueryStatusPaneTextColor(nullptr, &pane)) << "the menu bar's normal text";
    pane.textColor = RGB(9, 8, 7);
    EXPECT_EQ(RGB(9, 8, 7), look.QueryStatusPaneTextColor(nullptr, &pane));
    pane.style = CVrxPStatusPaneInfo::styleDisabled;
    EXPECT_EQ(RGB(141, 141, 141), look.QueryStatusPaneTextColor(nullptr, &pane));

    OffscreenBitmap grip(40, 30, kBack);
    look.PaintSizeGrip(grip.Dc(), nullptr, CRect(0, 0, 40, 30));
    EXPECT_EQ(RGB(86, 125, 176), grip.At(39, 29)) << "in the bottom-right corner";
    EXPECT_EQ(RGB(216, 228, 243), grip.At(30, 21));
    EXPECT_EQ(kBack, grip.At(19, 13));
}

TEST_F(Look2007BarsTest, BrushFillsBecomeTheirGradients)
{
    EXPECT_EQ(RGB(255, 214, 77), look.hotGradientBottom);
    EXPECT_EQ(RGB(255, 241, 200), look.hotGradientTop);
    EXPECT_EQ(look.hotGradientTop, look.pressedGradientBottom) << "the pressed gradient is the hot one turned over";
    EXPECT_EQ(look.hotGradientBottom, look.pressedGradientTop);
    OffscreenBitmap hot(20, 40, kBack);
    look.PaintBrushFill(hot.Dc(), CRect(0, 0, 20, 40), &look.highlightBrush, nullptr);
    EXPECT_TRUE(Near(look.hotGradientTop, hot.At(10, 0), 4)) << std::hex << hot.At(10, 0);
    EXPECT_TRUE(Near(look.hotGradientBottom, hot.At(10, 39), 4)) << std::hex << hot.At(10, 39);

    CBrush other(RGB(10, 200, 30));
    OffscreenBitmap plain(20, 40, kBack);
    look.PaintBrushFill(plain.Dc(), CRect(0, 0, 20, 40), &other, nullptr);
    EXPECT_EQ(RGB(10, 200, 30), plain.At(10, 20)) << "another brush fills as the 2003 look does";
}

} // namespace
