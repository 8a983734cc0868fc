// The 2007 look's bars and menus in a program without a style, as in
// korvo: everything gated draws as the 2003 look; the menu title, the
// rarely-used band and the colour queries answer without the gate.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "docking/VrxPBarStyles.h"
#include "foundation/CVrxPGlobals.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <gtest/gtest.h>

#include "themes/tests/LookTheme.h"

namespace
{

const COLORREF kBack = RGB(1, 2, 3);

class Look2007FallbackTest : public LookThemeTest
{
protected:
    void SetUp() override
    {
        LookThemeTest::SetUp();
        VrxPGlobals().layeredWindowsAvailable = TRUE;
        VrxPGlobals().isWin9x = FALSE;
        Reload(plain);
        Reload(look);
    }
    CVrxPVisualManager2003 plain;
    CVrxPVisualManager2007 look;
};

void ExpectSamePixels(const OffscreenBitmap& expected, const OffscreenBitmap& actual, int cx, int cy,
                      const char* lpszName)
{
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            ASSERT_EQ(expected.At(x, y), actual.At(x, y)) << lpszName << " at " << x << "," << y;
}

TEST_F(Look2007FallbackTest, BarsAndButtonsAreDrawnPixelForPixelAsThe2003Look)
{
    CVrxPMenuBar menuBar;
    menuBar.barStyle = CBRS_ALIGN_TOP;
    CVrxPPopupMenuBar popupBar;
    CVrxPToolBar toolbar;
    toolbar.barStyle = CBRS_ALIGN_TOP;
    struct Case
    {
        const char* name;
        void (*paint)(CVrxPVisualManager& look, CDC* pDC, CWnd* pBar);
        CWnd* bar;
    };
    const Case cases[] = {
        {"menu bar", [](CVrxPVisualManager& l, CDC* pDC, CWnd* pBar) {
             l.PaintBarBackground(pDC, pBar, CRect(0, 0, 60, 30), CRect());
         }, &menuBar},
        {"popup menu", [](CVrxPVisualManager& l, CDC* pDC, CWnd* pBar) {
             l.PaintBarBackground(pDC, pBar, CRect(0, 0, 60, 30), CRect());
         }, &popupBar},
        {"toolbar", [](CVrxPVisualManager& l, CDC* pDC, CWnd* pBar) {
             l.PaintBarBackground(pDC, pBar, CRect(0, 0, 60, 30), CRect());
         }, &toolbar},
        {"hot button", [](CVrxPVisualManager& l, CDC* pDC, CWnd* pBar) {
             CVrxPToolbarButton button;
             button.parent = pBar;
             l.PaintButtonFace(pDC, &button, CRect(2, 2, 40, 26), 2);
             l.PaintButtonFrame(pDC, &button, CRect(2, 2, 40, 26), 2);
         }, &toolbar},
        {"menu frame", [](CVrxPVisualManager& l, CDC* pDC, CWnd*) {
             l.PaintMenuFrame(pDC, nullptr, CRect(0, 0, 60, 30));
         }, nullptr},
        {"combo", [](CVrxPVisualManager& l, CDC* pDC, CWnd*) {
             l.PaintComboBorder(pDC, CRect(0, 0, 60, 30), FALSE, FALSE, TRUE, nullptr);
             l.PaintComboDropButton(pDC, CRect(44, 2, 58, 28), FALSE, TRUE, TRUE, nullptr);
         }, nullptr},
        {"edit", [](CVrxPVisualManager& l, CDC* pDC, CWnd*) {
             l.PaintEditBorder(pDC, CRect(0, 0, 60, 30), FALSE, TRUE, nullptr);
         }, nullptr},
        {"separator", [](CVrxPVisualManager& l, CDC* pDC, CWnd* pBar) {
             l.PaintSeparator(pDC, dynamic_cast<CVrxPBaseControlBar*>(pBar), CRect(0, 0, 8, 30), TRUE);
         }, &toolbar},
    };
    for (const Case& c : cases)
    {
        OffscreenBitmap expected(60, 30, kBack), actual(60, 30, kBack);
        c.paint(plain, expected.Dc(), c.bar);
        c.paint(look, actual.Dc(), c.bar);
        ExpectSamePixels(expected, actual, 60, 30, c.name);
    }
}

TEST_F(Look2007FallbackTest, AMenuTitleIsFilledAndUnderlinedWithoutAStyle)
{
    OffscreenBitmap canvas(60, 20, kBack);
    const COLORREF text = look.PaintMenuTitle(canvas.Dc(), CRect(0, 0, 58, 20));
    const CVrxPGlobals& globals = VrxPGlobals();
    EXPECT_EQ(globals.colorBarText, text);
    EXPECT_EQ(look.toolbarColor, canvas.At(20, 5));
    EXPECT_EQ(globals.colorBarShade, canvas.At(20, 18)) << "the line's upper half";
    EXPECT_EQ(globals.colorBarLightEdge, canvas.At(20, 19)) << "the line's lower half";
    EXPECT_EQ(globals.colorBarLightEdge, canvas.At(59, 19)) << "two pixels past the right";
}

TEST_F(Look2007FallbackTest, TheRarelyUsedBandIsWidenedOverTheImageColumn)
{
    OffscreenBitmap expected(80, 20, kBack), actual(80, 20, kBack);
    plain.PaintRarelyUsedBand(expected.Dc(), CRect(10, 0, 30, 20));
    look.PaintRarelyUsedBand(actual.Dc(), CRect(10, 0, 30, 20));
    EXPECT_EQ(kBack, actual.At(8, 10));
    EXPECT_EQ(look.rarelyUsedColor, actual.At(9, 10)) << "a pixel left of the given rectangle";
    int nRight = 9;
    while (nRight < 80 && actual.At(nRight, 10) == look.rarelyUsedColor)
        nRight++;
    EXPECT_GT(nRight, 30);
    EXPECT_EQ(kBack, actual.At(nRight, 10));
    EXPECT_NE(expected.At(20, 10), actual.At(20, 10)) << "the band's flat fill over the 2003 gradient";
}

// A tab label colour the style never gave must not reach the tab as a
// colour: -1 lets the tab keep its own.
TEST_F(Look2007FallbackTest, ColourQueriesWithoutAStyle)
{
    EXPECT_FALSE(look.TracksHotTabAlways());
    EXPECT_EQ(static_cast<COLORREF>(-1), look.QueryTabTextColor(nullptr, 0, TRUE));
    EXPECT_EQ(static_cast<COLORREF>(-1), look.QueryTabTextColor(nullptr, 0, FALSE));
    EXPECT_EQ(plain.QueryDisabledTextColor(), look.QueryDisabledTextColor());
}

} // namespace
