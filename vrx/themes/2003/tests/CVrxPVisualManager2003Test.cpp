// The 2003 look's colour model per scheme and colour depth, and its drawing
// probed in an off-screen bitmap. The expected colours were worked out by
// hand from the look's formulas (the painter's HSV mix and percentage
// scaling) for the system colours the test theme answers.

#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "themes/CVrxPVisualManager.h"

#include <cwchar>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

#include "themes/tests/LookTheme.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

COLORREF PenColor(CPen& pen)
{
    LOGPEN logPen = {};
    ::GetObject(pen.GetSafeHandle(), sizeof(logPen), &logPen);
    return logPen.lopnColor;
}

class Look2003Test : public LookThemeTest
{
};

TEST_F(Look2003Test, ClassicColoursGiveTheSystemColourGradients)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    CVrxPGlobals& g = VrxPGlobals();
    EXPECT_EQ(CVrxPVisualManager2003::schemeNone, look.themeScheme);
    EXPECT_FALSE(look.useThemeColors);
    // The global bar colours are the theme's button colours.
    EXPECT_EQ(LookTheme::btnFace, g.colorBarFace);
    EXPECT_EQ(LookTheme::btnShadow, g.colorBarShade);
    EXPECT_EQ(LookTheme::darkShadow, g.colorBarDarkShade);

    EXPECT_EQ(RGB(225, 220, 194), look.toolbarGradientDark);
    EXPECT_EQ(RGB(239, 237, 220), look.faceGradientDark);
    // Mixed 1 : 4 toward the window colour.
    EXPECT_EQ(RGB(255, 255, 254), look.toolbarGradientLight);
    EXPECT_EQ(look.toolbarGradientLight, look.faceGradientLight);
    EXPECT_EQ(look.toolbarGradientLight, look.verticalGradientLight);
    EXPECT_EQ(RGB(220, 215, 190), look.verticalGradientDark);
    EXPECT_EQ(RGB(168, 165, 145), look.toolbarShadowColor);
    EXPECT_EQ(LookTheme::btnShadow, look.chevronGradientDark);
    EXPECT_EQ(RGB(236, 232, 214), look.chevronGradientLight);
    EXPECT_EQ(LookTheme::btnShadow, look.frameColor);
    EXPECT_EQ(LookTheme::darkShadow, look.captionGradientDark);
    EXPECT_EQ(RGB(255, 244, 205), look.imageHighlightColor);
    EXPECT_EQ(RGB(215, 210, 191), look.specialGroupBottomColor);
    EXPECT_EQ(kNone, look.menuHotColor);
    EXPECT_EQ(kNone, look.QueryGridLineColor());
    // Hot, pressed and checked buttons keep the XP tints.
    EXPECT_EQ(look.highlightColor, look.hotGradientTop);
    EXPECT_EQ(look.pressedColor, look.hotGradientBottom);
    EXPECT_EQ(look.hotGradientBottom, look.pressedGradientBottom);
    EXPECT_EQ(RGB(255, 255, 255), PenColor(look.lightLinePen));
    EXPECT_EQ(RGB(126, 123, 108), PenColor(look.darkLinePen));
    EXPECT_EQ(CVrxPVisualManager2003::richPlannerHighlightColor, look.plannerHighlightColor);
}

struct SchemeColours
{
    const wchar_t* colorName;
    int scheme;
    COLORREF barFace;
    COLORREF barShadow;
    COLORREF toolbarGradientDark;
    COLORREF toolbarGradientLight;
    COLORREF chevronGradientLight;
    COLORREF toolbarShadow;
};

class Look2003SchemeTest : public LookThemeTest, public ::testing::WithParamInterface<SchemeColours>
{
};

TEST_P(Look2003SchemeTest, ThemeSchemesRewriteTheBarColours)
{
    const SchemeColours& c = GetParam();
    UseTheme(L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", c.colorName);
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    CVrxPGlobals& g = VrxPGlobals();
    EXPECT_EQ(c.scheme, look.themeScheme);
    EXPECT_TRUE(look.useThemeColors);
    EXPECT_EQ(c.barFace, g.colorBarFace);
    EXPECT_EQ(c.barShadow, g.colorBarShade);
    // The dark shadow becomes the chevron's dark colour in every scheme.
    EXPECT_EQ(RGB(0, 50, 136), g.colorBarDarkShade);
    EXPECT_EQ(RGB(0, 50, 136), look.chevronGradientDark);
    EXPECT_EQ(c.toolbarGradientDark, look.toolbarGradientDark);
    EXPECT_EQ(c.toolbarGradientLight, look.toolbarGradientLight);
    EXPECT_EQ(c.chevronGradientLight, look.chevronGradientLight);
    EXPECT_EQ(c.toolbarShadow, look.toolbarShadowColor);
    EXPECT_EQ(RGB(255, 233, 190), look.menuHotColor);
    EXPECT_EQ(RGB(255, 255, 255), look.hotGradientTop);
    EXPECT_EQ(RGB(254, 199, 87), look.hotGradientBottom);
    EXPECT_EQ(RGB(254, 252, 247), look.pressedGradientTop);
    EXPECT_EQ(RGB(39, 84, 157), look.menuBorderColor);
    EXPECT_EQ(CVrxPVisualManager2003::themeHeaderColor, look.headerColor);
    EXPECT_EQ(look.frameColor, look.highlightFrameColor);
    EXPECT_EQ(look.menuHotColor, look.QueryHotItemColor());
}

// The silver scheme keeps the bar shadow the face gives it (70 %); the blue
// scheme takes it from the theme's button colours.
INSTANTIATE_TEST_SUITE_P(Schemes, Look2003SchemeTest,
                         ::testing::Values(SchemeColours{L"Metallic", 3, RGB(185, 207, 242), RGB(129, 144, 169),
                                                         RGB(75, 132, 219), RGB(203, 223, 255), RGB(24, 89, 197),
                                                         RGB(60, 105, 175)},
                                           SchemeColours{L"NormalColor", 1, RGB(213, 229, 255), RGB(130, 164, 220),
                                                         RGB(134, 173, 231), RGB(227, 237, 255), RGB(117, 162, 238),
                                                         RGB(67, 86, 115)}));

TEST_F(Look2003Test, AtEightBitsThePlainColoursAndEveryPenAreMade)
{
    UseTheme(L"", L"");
    VrxPGlobals().bitsPerPixel = 8;
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    const CVrxPGlobals& g = VrxPGlobals();
    EXPECT_EQ(g.colorBarLight, look.toolbarGradientLight);
    EXPECT_EQ(g.colorBarLight, look.faceGradientLight);
    EXPECT_EQ(g.colorWindow, look.paneGradientTop);
    EXPECT_EQ(g.colorShade, look.groupBorderColor);
    EXPECT_EQ(g.colorLightEdge, look.imageHighlightColor);
    // Rich-only colours were never computed, yet are defined.
    EXPECT_EQ(g.colorBarFace, look.toolbarGradientDark);
    EXPECT_EQ(g.colorBarShade, look.frameColor);
    // Drawn in every mode: the ribbon separator's light line.
    ASSERT_NE(nullptr, look.barHiliteLinePen.GetSafeHandle());
    EXPECT_EQ(g.colorBarLightEdge, PenColor(look.barHiliteLinePen));
    ASSERT_NE(nullptr, look.toolbarShadowPen.GetSafeHandle());
    EXPECT_EQ(g.colorBarShade, PenColor(look.toolbarShadowPen)) << "the defined start colour";
}

TEST_F(Look2003Test, DarkenColorKeepsTheHueExceptWhenFullySaturated)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    EXPECT_EQ(VrxPGlobals().colorFace, look.DarkenColor(RGB(255, 255, 255)));
    EXPECT_EQ(RGB(66, 125, 186), look.DarkenColor(RGB(100, 150, 200)));
    EXPECT_EQ(RGB(77, 242, 0), look.DarkenColor(RGB(0, 255, 0))) << "hue and lightness both shift";
    EXPECT_EQ(look.DarkenColor(look.plannerHighlightColor), look.QueryBarDarkColor(nullptr));
}

TEST(Look2003GripperTest, DotsStartHalfTheSpareLengthInFourPixelsApart)
{
    const struct
    {
        int length;
        std::vector<int> offsets;
    } cases[] = {{7, {}}, {8, {2}}, {13, {2, 6}}, {16, {2, 6, 10}}, {4, {}}, {3, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(c.offsets, CVrxPVisualManager2003::GripperDotOffsets(c.length)) << c.length;
}

TEST_F(Look2003Test, GripperDotsAreDrawnWhereTheirOffsetsSay)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    const COLORREF light = VrxPGlobals().colorLightEdge;
    for (const int nLength : {7, 8, 13})
    {
        OffscreenBitmap bitmap(20, 20, RGB(1, 2, 3));
        look.PaintBarGripper(bitmap.Dc(), CRect(0, 0, 10, nLength), TRUE, nullptr);
        const std::vector<int> offsets = CVrxPVisualManager2003::GripperDotOffsets(nLength);
        EXPECT_EQ(4 * static_cast<int>(offsets.size()), bitmap.Count(look.frameColor)) << nLength;
        EXPECT_EQ(3 * static_cast<int>(offsets.size()), bitmap.Count(light)) << nLength;
        for (const int nOffset : offsets)
        {
            // The strip is the rectangle's rightmost four pixels.
            EXPECT_EQ(look.frameColor, bitmap.At(6, nOffset));
            EXPECT_EQ(look.frameColor, bitmap.At(7, nOffset + 1));
            EXPECT_EQ(light, bitmap.At(8, nOffset + 2));
        }
    }
}

TEST_F(Look2003Test, GradientBarsEndInTheirColours)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    OffscreenBitmap bitmap(100, 40, RGB(1, 2, 3));
    // An inactive pane caption: the toolbar gradient, dark at the bottom. Its
    // 64 bands share 20 rows: an end row is within a few bands of its colour.
    look.PaintBarCaption(bitmap.Dc(), nullptr, FALSE, CRect(0, 0, 100, 20), CRect());
    EXPECT_TRUE(Near(look.toolbarGradientDark, bitmap.At(50, 19), 3)) << std::hex << bitmap.At(50, 19);
    EXPECT_TRUE(Near(look.toolbarGradientLight, bitmap.At(50, 0), 3)) << std::hex << bitmap.At(50, 0);
    // A push button at rest: the face gradient.
    CRect rectButton(0, 20, 60, 40);
    look.PaintPushButtonFace(bitmap.Dc(), &rectButton, FALSE, FALSE, nullptr);
    EXPECT_TRUE(Near(look.faceGradientDark, bitmap.At(30, 39), 3)) << std::hex << bitmap.At(30, 39);
    EXPECT_TRUE(Near(look.faceGradientLight, bitmap.At(30, 21), 3)) << std::hex << bitmap.At(30, 21);
    look.PaintPushButtonFrame(bitmap.Dc(), &rectButton, FALSE, FALSE);
    EXPECT_EQ(VrxPGlobals().colorLightEdge, bitmap.At(0, 30));
    EXPECT_EQ(look.frameColor, bitmap.At(59, 30));
    EXPECT_EQ(CRect(0, 20, 60, 40), rectButton) << "the frame keeps the rectangle";
}

// The same elements in the XP and the base look are flat.
TEST_F(Look2003Test, TheXpAndBaseLooksDrawTheSameElementsFlat)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look2003(TRUE);
    Reload(look2003);
    OffscreenBitmap gradient(60, 20, RGB(1, 2, 3));
    CRect rect(0, 0, 60, 20);
    look2003.PaintPushButtonFace(gradient.Dc(), &rect, FALSE, FALSE, nullptr);
    EXPECT_NE(gradient.At(30, 0), gradient.At(30, 19));

    CVrxPVisualManager base(TRUE);
    OffscreenBitmap flat(60, 20, RGB(1, 2, 3));
    rect = CRect(0, 0, 60, 20);
    base.PaintPushButtonFace(flat.Dc(), &rect, FALSE, FALSE, nullptr);
    EXPECT_EQ(flat.At(30, 2), flat.At(30, 17));
    EXPECT_NE(flat.At(30, 17), gradient.At(30, 17));
}

TEST_F(Look2003Test, RichClassAnswersAndTooltipWordsKeptFromTheCaller)
{
    UseTheme(L"", L"");
    CVrxPVisualManager2003 look(TRUE);
    Reload(look);
    EXPECT_EQ(1, look.QueryCustomizeButtonMargin());
    EXPECT_FALSE(look.ShiftsPressedButton());
    EXPECT_TRUE(look.TracksHotTab());
    EXPECT_FALSE(look.FramesDockingTabWindows());
    COLORREF base = 0, highlight = 0;
    look.QuerySmartDockingColors(base, highlight);
    EXPECT_EQ(RGB(228, 228, 228), base);
    EXPECT_EQ(RGB(181, 181, 181), highlight);
    EXPECT_EQ(VrxPGlobals().colorActiveCaption, look.QuerySmartDockingMarkerColor()) << "no scheme";

    CVrxPToolTipOptions options;
    options.balloon = TRUE;
    options.maxDescriptionWidth = 321;
    options.gradientAngle = 77;
    options.takeFromVisualManager = TRUE;
    ASSERT_TRUE(look.QueryToolTipOptions(&options, -1));
    EXPECT_TRUE(options.balloon);
    EXPECT_EQ(321, options.maxDescriptionWidth);
    EXPECT_EQ(77, options.gradientAngle);
    EXPECT_TRUE(options.takeFromVisualManager);
    EXPECT_TRUE(options.roundedCorners);
    EXPECT_FALSE(options.drawSeparator);
    EXPECT_EQ(VrxPGlobals().colorBarFace, options.gradientColor);
}
} // namespace
