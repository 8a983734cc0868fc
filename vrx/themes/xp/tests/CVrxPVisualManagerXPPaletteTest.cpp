// The XP look's colour model: from chosen global colours, the tints, brushes
// and pens its formulas give, in rich colour, at 8 bits per pixel and in the
// high-contrast schemes. Expected colours were worked out by hand from the
// blend, scale and hue-lightness-saturation rules, not by this code.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

COLORREF BrushColor(const CBrush& brush)
{
    LOGBRUSH logBrush = {};
    EXPECT_NE(0, brush.GetObject(sizeof(logBrush), &logBrush));
    return logBrush.lbColor;
}

COLORREF PenColor(const CPen& pen)
{
    LOGPEN logPen = {};
    EXPECT_NE(0, pen.GetObject(sizeof(logPen), &logPen));
    return logPen.lopnColor;
}

// The global colours a palette is made from; the rest stay the system's.
struct Scheme
{
    COLORREF face;
    COLORREF window;
    COLORREF selection;
    COLORREF shadow;
};

class XPPaletteTest : public ::testing::Test
{
protected:
    void TearDown() override { g.RefreshSysColors(); }

    void Apply(const Scheme& scheme, int nBitsPerPixel = 32)
    {
        g.RefreshSysColors();
        g.colorFace = g.colorBarFace = scheme.face;
        g.colorWindow = g.colorBarWindow = scheme.window;
        g.colorSelection = scheme.selection;
        g.colorShade = g.colorBarShade = scheme.shadow;
        g.bitsPerPixel = nBitsPerPixel;
        g.highContrastBlack = g.highContrastWhite = FALSE;
    }

    CVrxPGlobals& g = VrxPGlobals();
    CVrxPVisualManagerXP look{TRUE};
};

struct RichCase
{
    const char* name;
    Scheme scheme;
    COLORREF menu, tabArea, toolbar, rarelyUsed, inactiveTabText, highlight, pressed, highlightFrame, checked,
        separator, menuBorder, floatingFrame, gripper;
};

TEST_F(XPPaletteTest, RichColoursFollowTheFormulas)
{
    const RichCase cases[] = {
        // Selection lightness 0.48: tint at 102 %, pressed 87 % of it, frame the selection itself.
        {"dark selection",
         {RGB(236, 233, 216), RGB(255, 255, 255), RGB(49, 106, 197), RGB(172, 168, 153)},
         RGB(252, 251, 249), RGB(250, 247, 230), RGB(238, 236, 222), RGB(223, 221, 208), RGB(129, 128, 118),
         RGB(193, 211, 237), RGB(167, 183, 206), RGB(49, 106, 197), RGB(218, 226, 240), RGB(203, 200, 186),
         RGB(129, 128, 118), RGB(146, 143, 130), RGB(189, 184, 168)},
        // Selection lightness 0.88: tint at 91 % and 98 %, frame 84 % of the selection.
        {"light selection",
         {RGB(212, 208, 200), RGB(255, 255, 255), RGB(200, 220, 250), RGB(128, 128, 128)},
         RGB(248, 248, 247), RGB(236, 232, 224), RGB(218, 215, 208), RGB(204, 202, 195), RGB(116, 114, 110),
         RGB(212, 217, 224), RGB(228, 234, 242), RGB(168, 184, 210), RGB(240, 243, 247), RGB(182, 179, 172),
         RGB(116, 114, 110), RGB(109, 109, 109), RGB(140, 140, 140)},
    };
    for (const RichCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Apply(c.scheme);
        look.pressedFrameColor = RGB(1, 2, 3);
        look.ReloadPalette();
        EXPECT_EQ(c.menu, look.menuColor);
        EXPECT_EQ(c.tabArea, BrushColor(look.tabAreaBrush));
        EXPECT_EQ(c.toolbar, look.toolbarColor);
        EXPECT_EQ(c.rarelyUsed, look.rarelyUsedColor);
        EXPECT_EQ(c.inactiveTabText, look.inactiveTabTextColor);
        EXPECT_EQ(c.highlight, look.highlightColor);
        EXPECT_EQ(c.pressed, look.pressedColor);
        EXPECT_EQ(c.highlightFrame, look.highlightFrameColor);
        EXPECT_EQ(c.checked, look.checkedColor);
        EXPECT_EQ(c.separator, look.separatorColor);
        EXPECT_EQ(c.scheme.shadow, look.paneBorderColor);
        EXPECT_EQ(c.menuBorder, look.menuBorderColor);
        EXPECT_EQ(c.floatingFrame, BrushColor(look.floatingFrameBrush));
        EXPECT_EQ(c.gripper, look.gripperColor);
        EXPECT_EQ(kNone, look.pressedFrameColor) << "every reload clears the pressed frame colour";
        // Brushes and pens carry the colours just computed.
        EXPECT_EQ(look.toolbarColor, BrushColor(look.toolbarBrush));
        EXPECT_EQ(look.rarelyUsedColor, BrushColor(look.rarelyUsedBrush));
        EXPECT_EQ(look.menuColor, BrushColor(look.menuBrush));
        EXPECT_EQ(look.highlightColor, BrushColor(look.highlightBrush));
        EXPECT_EQ(look.pressedColor, BrushColor(look.pressedBrush));
        EXPECT_EQ(look.checkedColor, BrushColor(look.checkedBrush));
        EXPECT_EQ(look.separatorColor, PenColor(look.separatorPen));
        EXPECT_EQ(look.highlightFrameColor, PenColor(look.highlightFramePen));
    }
}

TEST_F(XPPaletteTest, TabAreaSaturationRisesByTheFaceSaturation)
{
    struct Case
    {
        COLORREF face;
        COLORREF tabArea;
    };
    const Case cases[] = {
        {RGB(128, 128, 128), RGB(191, 191, 191)}, // saturation 0 stays 0
        {RGB(140, 128, 128), RGB(203, 185, 185)}, // 0.05 becomes 0.15
        {RGB(160, 128, 96), RGB(223, 191, 159)},  // 0.25 doubles
        {RGB(200, 40, 40), RGB(255, 120, 120)},   // 0.67 doubles, clamped to 1
    };
    for (const Case& c : cases)
    {
        Apply({c.face, RGB(255, 255, 255), RGB(49, 106, 197), RGB(128, 128, 128)});
        look.ReloadPalette();
        EXPECT_EQ(c.tabArea, BrushColor(look.tabAreaBrush)) << std::hex << c.face;
    }
}

TEST_F(XPPaletteTest, PlainColoursAtEightBitsAndInHighContrast)
{
    const Scheme scheme = {RGB(192, 192, 192), RGB(255, 255, 250), RGB(0, 0, 128), RGB(128, 128, 120)};
    struct Case
    {
        const char* name;
        int bitsPerPixel;
        BOOL highContrastBlack;
        BOOL highContrastWhite;
    };
    const Case cases[] = {{"8 bits", 8, FALSE, FALSE}, {"black", 32, TRUE, FALSE}, {"white", 32, FALSE, TRUE}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Apply(scheme, c.bitsPerPixel);
        g.colorDarkShade = RGB(10, 20, 30);
        g.colorLight = RGB(220, 221, 222);
        g.highContrastBlack = c.highContrastBlack;
        g.highContrastWhite = c.highContrastWhite;
        look.ReloadPalette();
        EXPECT_EQ(scheme.window, look.menuColor);
        EXPECT_EQ(scheme.face, look.toolbarColor);
        EXPECT_EQ(RGB(10, 20, 30), look.inactiveTabTextColor);
        EXPECT_EQ(scheme.face, BrushColor(look.tabAreaBrush));
        if (c.highContrastBlack)
        {
            EXPECT_EQ(scheme.selection, look.highlightColor);
            EXPECT_EQ(scheme.selection, look.pressedColor);
            EXPECT_EQ(scheme.selection, look.checkedColor);
            EXPECT_EQ(scheme.face, look.rarelyUsedColor);
        }
        else
        {
            EXPECT_EQ(scheme.face, look.highlightColor) << "hot buttons get the face, not a tint";
            EXPECT_EQ(scheme.face, look.pressedColor);
            EXPECT_EQ(scheme.window, look.checkedColor);
            EXPECT_EQ(RGB(220, 221, 222), look.rarelyUsedColor);
        }
        EXPECT_EQ(scheme.shadow, look.separatorColor);
        EXPECT_EQ(scheme.shadow, look.gripperColor);
        EXPECT_EQ(scheme.shadow, look.paneBorderColor);
        EXPECT_EQ(scheme.shadow, BrushColor(look.floatingFrameBrush));
        EXPECT_EQ(RGB(10, 20, 30), look.menuBorderColor);
        const BOOL bHighContrast = c.highContrastBlack || c.highContrastWhite;
        EXPECT_EQ(bHighContrast ? RGB(10, 20, 30) : scheme.selection, look.highlightFrameColor);
        EXPECT_EQ(look.highlightFrameColor, PenColor(look.highlightFramePen));
    }
}

TEST_F(XPPaletteTest, ConstructorSetsTheLooksOwnBaseMembers)
{
    EXPECT_TRUE(look.look2000);
    EXPECT_EQ(4, look.menuShadeDepth);
    EXPECT_TRUE(look.shadeHotImages);
    EXPECT_TRUE(look.fadeInactiveImages);
    EXPECT_FALSE(look.spareFlag);
    EXPECT_EQ(4, look.taskPaneMarginV);
    EXPECT_EQ(0, look.taskGroupCaptionHeight);
    EXPECT_EQ(12, look.taskIndentH);
    EXPECT_TRUE(look.ConnectsMenuToButton());
    EXPECT_EQ(1, look.QueryMenuBorderSize());
    EXPECT_TRUE(look.joinMenuToButton && look.shadeOpenMenuButton && look.separatorAfterLastTab);
    EXPECT_NE(nullptr, look.toolbarBrush.GetSafeHandle()) << "complete before the selection reloads it";
}

TEST(XPMenuJoin, TheButtonGrowsTowardsItsPopup)
{
    const CRect button(100, 10, 140, 30);
    struct Case
    {
        CRect popup;
        int direction;
        int extension;
        CRect grown;
    };
    const Case cases[] = {
        {CRect(100, 30, 300, 200), CVrxPVisualManagerXP::dropBelow, 4, CRect(100, 10, 140, 34)},
        {CRect(100, 30, 130, 200), CVrxPVisualManagerXP::dropBelow, 1, CRect(100, 10, 140, 31)},
        {CRect(100, -200, 300, 10), CVrxPVisualManagerXP::dropAbove, 4, CRect(100, 6, 140, 30)},
        {CRect(140, 10, 300, 200), CVrxPVisualManagerXP::dropRight, 4, CRect(100, 10, 144, 30)},
        {CRect(0, 15, 100, 25), CVrxPVisualManagerXP::dropLeft, 1, CRect(99, 10, 140, 30)},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.direction, CVrxPVisualManagerXP::DropDirectionOf(button, c.popup));
        CRect rect = button;
        EXPECT_EQ(c.extension, CVrxPVisualManagerXP::JoinExtension(c.popup, c.direction, &rect));
        EXPECT_EQ(c.grown, rect) << c.direction;
    }
    CRect rect = button;
    EXPECT_EQ(4, CVrxPVisualManagerXP::JoinExtension(CRect(0, 0, 10, 10), 0, &rect));
    EXPECT_EQ(button, rect) << "an unknown direction changes nothing";
}

TEST(XPMenuJoin, AButtonWithoutOpenPopupKeepsItsRectangle)
{
    CVrxPVisualManagerXP look(TRUE);
    CVrxPToolbarMenuButton button(1, NULL, -1, "File");
    CRect rect(5, 5, 40, 25);
    EXPECT_EQ(0, look.ComputeMenuJoinRect(&button, &rect));
    EXPECT_EQ(CRect(5, 5, 40, 25), rect);
    button.popupOpen = TRUE;
    EXPECT_EQ(0, look.ComputeMenuJoinRect(&button, &rect)) << "open, but no popup window exists";
    EXPECT_EQ(CRect(5, 5, 40, 25), rect);
}

TEST(XPCaptionGlyph, ColourSetFollowsTheBackgroundUnderIt)
{
    CVrxPVisualManagerXP look(TRUE);
    look.highlightColor = RGB(200, 200, 200);
    look.pressedColor = RGB(100, 150, 192);
    struct Case
    {
        BOOL highlighted, pushed, active, disabled;
        COLORREF glyphColor;
        int variant;
    };
    const Case cases[] = {
        {TRUE, TRUE, FALSE, TRUE, kNone, CVrxPMenuGlyphs::grey},
        {TRUE, FALSE, FALSE, FALSE, kNone, CVrxPMenuGlyphs::black},  // light highlight
        {TRUE, TRUE, FALSE, FALSE, kNone, CVrxPMenuGlyphs::white},   // dark pressed tint
        {FALSE, TRUE, FALSE, FALSE, kNone, CVrxPMenuGlyphs::white},  // pressed alone
        {FALSE, FALSE, TRUE, FALSE, kNone, CVrxPMenuGlyphs::white},  // no own colour, active
        {FALSE, FALSE, FALSE, FALSE, kNone, CVrxPMenuGlyphs::black}, // no own colour, inactive
        {FALSE, FALSE, FALSE, FALSE, RGB(250, 250, 193), CVrxPMenuGlyphs::white},
        {FALSE, FALSE, TRUE, FALSE, RGB(250, 250, 192), CVrxPMenuGlyphs::black},
    };
    for (const Case& c : cases)
    {
        CVrxPMiniFrameTitleButton button(CVrxPMiniFrameTitleButton::hitPaneClose, FALSE);
        button.highlighted = c.highlighted;
        button.pushed = c.pushed;
        button.glyphColor = c.glyphColor;
        EXPECT_EQ(c.variant, look.CaptionGlyphVariant(&button, c.active, c.disabled))
            << c.highlighted << c.pushed << c.active << c.disabled << std::hex << c.glyphColor;
    }
}
} // namespace
