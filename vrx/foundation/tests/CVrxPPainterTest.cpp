#include "foundation/CVrxPPainter.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);
const COLORREF red = RGB(255, 0, 0);

struct ColorCase
{
    const char* name;
    COLORREF result;
    COLORREF expected;
};

class ColorArithmetic : public ::testing::TestWithParam<ColorCase>
{
};

TEST_P(ColorArithmetic, GivesTheExpectedColour)
{
    EXPECT_EQ(GetParam().expected, GetParam().result) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    CVrxPPainter, ColorArithmetic,
    ::testing::Values(
        ColorCase{"ScaleColor 150", CVrxPPainter::ScaleColor(RGB(128, 128, 128), 150), RGB(192, 192, 192)},
        ColorCase{"ScaleColor caps at 255", CVrxPPainter::ScaleColor(RGB(192, 192, 192), 200), white},
        ColorCase{"ScaleColorChannels lifts black", CVrxPPainter::ScaleColorChannels(black, 1.2, 1.2, 1.2),
                  RGB(51, 51, 51)},
        ColorCase{"ScaleColorChannels rounds", CVrxPPainter::ScaleColorChannels(RGB(100, 10, 3), 0.5, 1.0, 2.0),
                  RGB(50, 10, 6)},
        ColorCase{"BlendColors half", CVrxPPainter::BlendColors(white, black, 50), RGB(127, 127, 127)},
        ColorCase{"ColorFromHLS red", CVrxPPainter::ColorFromHLS(0, 0.5, 1), red},
        ColorCase{"ColorFromHLS green", CVrxPPainter::ColorFromHLS(1.0 / 3, 0.5, 1), RGB(0, 255, 0)},
        ColorCase{"ColorFromHLS grey truncates", CVrxPPainter::ColorFromHLS(0.7, 0.5, 0), RGB(127, 127, 127)},
        ColorCase{"ColorFromHLSDegrees red", CVrxPPainter::ColorFromHLSDegrees(0, 0.5, 1), red},
        ColorCase{"ColorFromHLSDegrees blue", CVrxPPainter::ColorFromHLSDegrees(240, 0.5, 1), RGB(0, 0, 255)},
        ColorCase{"ColorFromHSV green", CVrxPPainter::ColorFromHSV(120, 1, 1), RGB(0, 255, 0)},
        ColorCase{"ColorFromHSV grey rounds", CVrxPPainter::ColorFromHSV(33, 0, 0.5), RGB(128, 128, 128)},
        ColorCase{"ColorFromHSV sector 5", CVrxPPainter::ColorFromHSV(300, 1, 1), RGB(255, 0, 255)},
        ColorCase{"MixColorsHSV without weights", CVrxPPainter::MixColorsHSV(red, white, 1.0, 0, 0), black},
        ColorCase{"MixColorsHSV takes the value of B", CVrxPPainter::MixColorsHSV(red, RGB(128, 0, 0), 1.0, 1, 1),
                  RGB(128, 0, 0)}),
    [](const ::testing::TestParamInfo<ColorCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(CVrxPPainter, HsvOfBlackAndGrey)
{
    double h, s, v;
    CVrxPPainter::ColorToHSV(black, h, s, v);
    EXPECT_EQ(-1, h);
    EXPECT_EQ(0, s);
    CVrxPPainter::ColorToHSV(RGB(128, 128, 128), h, s, v);
    EXPECT_EQ(60, h);
    EXPECT_EQ(0, s);
}

TEST(CVrxPPainter, HlsRoundTrip)
{
    for (COLORREF color : {RGB(255, 0, 0), RGB(10, 200, 30), RGB(90, 90, 200), RGB(250, 240, 10)})
    {
        double h, s, l;
        CVrxPPainter::ColorToHLS(color, h, s, l);
        const COLORREF back = CVrxPPainter::ColorFromHLS(h, l, s);
        EXPECT_NEAR(GetRValue(color), GetRValue(back), 1);
        EXPECT_NEAR(GetGValue(color), GetGValue(back), 1);
        EXPECT_NEAR(GetBValue(color), GetBValue(back), 1);
    }
}

TEST(CVrxPPainter, BandedGradientNeverReachesTheEndColour)
{
    TestCanvas canvas(64, 4, red);
    CVrxPPainter(canvas.DC()).PaintGradient(CRect(0, 0, 64, 4), black, white, FALSE);
    EXPECT_EQ(black, canvas.Pixel(0, 1));
    EXPECT_EQ(RGB(251, 251, 251), canvas.Pixel(63, 1));
    EXPECT_EQ(RGB(127, 127, 127), canvas.Pixel(32, 1));
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 64, 4), white));
}

TEST(CVrxPPainter, VerticalGradientCoversEveryRowOfALowRectangle)
{
    TestCanvas canvas(4, 10, red);
    CVrxPPainter(canvas.DC()).PaintGradient(CRect(0, 0, 4, 10), black, white, TRUE);
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 4, 10), red));
    // The start colour is at the bottom.
    for (int y = 1; y < 10; y++)
        EXPECT_GT(GetRValue(canvas.Pixel(1, y - 1)), GetRValue(canvas.Pixel(1, y)));
}

TEST(CVrxPPainter, FlatBandsAboveAHundredPercentLeaveNoGradient)
{
    TestCanvas canvas(100, 2, red);
    CVrxPPainter(canvas.DC()).PaintGradient(CRect(0, 0, 100, 2), black, white, FALSE, 60, 50);
    EXPECT_EQ(60, canvas.Count(CRect(0, 0, 100, 1), black));
    EXPECT_EQ(20, canvas.Count(CRect(0, 0, 100, 1), white));
    EXPECT_EQ(20, canvas.Count(CRect(60, 0, 80, 1), red));
}

TEST(CVrxPPainter, AlphaDrawingGivesTheSameGradient)
{
    TestCanvas plain(64, 8), buffered(64, 8);
    CVrxPPainter(plain.DC()).PaintGradient(CRect(0, 0, 64, 8), RGB(10, 20, 30), RGB(200, 100, 50), TRUE, 10, 10);
    VrxPAlphaDrawing = 1;
    CVrxPPainter(buffered.DC()).PaintGradient(CRect(64, 8, 0, 0), RGB(10, 20, 30), RGB(200, 100, 50), TRUE, 10, 10);
    VrxPAlphaDrawing = 0;
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 64; x += 7)
            EXPECT_EQ(plain.Pixel(x, y), buffered.Pixel(x, y));
}

TEST(CVrxPPainter, SplitGradientStartsEachHalfWithItsColour)
{
    TestCanvas canvas(100, 2);
    CVrxPPainter(canvas.DC()).PaintGradientSplit(CRect(0, 0, 100, 2), black, red, RGB(0, 0, 255), white, FALSE, 30);
    // The first bands of a narrow part are empty: each part starts a few
    // steps into its gradient.
    EXPECT_LT(GetRValue(canvas.Pixel(0, 0)), 10);
    EXPECT_GT(GetRValue(canvas.Pixel(29, 0)), 240);
    EXPECT_LT(GetRValue(canvas.Pixel(30, 0)), 10);
    EXPECT_GT(GetBValue(canvas.Pixel(30, 0)), 250);
    EXPECT_GT(GetRValue(canvas.Pixel(99, 0)), 240);
}

TEST(CVrxPPainter, DirectionalGradientRunsAcrossTheDiagonal)
{
    TestCanvas canvas(40, 40, red);
    CVrxPPainter(canvas.DC()).PaintDirectionalGradient(CRect(0, 0, 40, 40), black, white, 45);
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 40, 40), red));
    EXPECT_LT(GetRValue(canvas.Pixel(0, 0)), 16);
    EXPECT_GT(GetRValue(canvas.Pixel(39, 39)), 235);
    EXPECT_LT(GetRValue(canvas.Pixel(10, 10)), GetRValue(canvas.Pixel(30, 30)));
}

TEST(CVrxPPainter, RingGradientRefusesSmallRectangles)
{
    TestCanvas canvas(10, 10);
    EXPECT_FALSE(CVrxPPainter(canvas.DC()).PaintRingGradient(CRect(0, 0, 4, 10), black, white, -1));
}

// The right end of a pill lies one column past its rectangle; that point is
// dropped instead of landing on the next row of the buffer.
TEST(CVrxPPainter, RingGradientStaysInsideItsRectangle)
{
    TestCanvas canvas(60, 40);
    const COLORREF ring = RGB(0, 0, 200);
    // Starting at angle 0, the first point is that right end.
    ASSERT_TRUE(CVrxPPainter(canvas.DC()).PaintRingGradient(CRect(10, 10, 50, 30), black, white, ring, 0, 1));
    EXPECT_EQ(ring, canvas.Pixel(49, 20));
    EXPECT_EQ(white, canvas.Pixel(10, 19));
    EXPECT_EQ(0, canvas.Count(CRect(50, 0, 60, 40), ring));
    EXPECT_GT(canvas.Count(CRect(10, 10, 50, 30), ring), 60);
}

TEST(CVrxPPainter, DropShadeOfDepthZeroDrawsNothing)
{
    TestCanvas canvas(50, 50);
    EXPECT_TRUE(CVrxPPainter(canvas.DC()).PaintDropShade(CRect(10, 10, 30, 30), 0));
    EXPECT_EQ(50 * 50, canvas.Count(CRect(0, 0, 50, 50), white));
}

TEST(CVrxPPainter, DropShadeDarkensRightAndBelowOnly)
{
    TestCanvas canvas(50, 50);
    ASSERT_TRUE(CVrxPPainter(canvas.DC()).PaintDropShade(CRect(10, 10, 30, 30), 4));
    EXPECT_EQ(20 * 20, canvas.Count(CRect(10, 10, 30, 30), white));
    EXPECT_EQ(white, canvas.Pixel(31, 11));
    EXPECT_NE(white, canvas.Pixel(30, 20));
    EXPECT_NE(white, canvas.Pixel(20, 30));
    EXPECT_LT(GetRValue(canvas.Pixel(30, 20)), GetRValue(canvas.Pixel(33, 20)));
    EXPECT_EQ(white, canvas.Pixel(35, 20));
    EXPECT_EQ(white, canvas.Pixel(8, 20));
}

TEST(CVrxPPainter, DropShadeOnTheLeftIsTheMirrorImage)
{
    TestCanvas right(50, 50), left(50, 50);
    CVrxPPainter(right.DC()).PaintDropShade(CRect(10, 10, 30, 30), 4);
    CVrxPPainter(left.DC()).PaintDropShade(CRect(20, 10, 40, 30), 4, 100, 75, nullptr, nullptr, -1, FALSE);
    for (int y = 10; y < 34; y++)
        for (int i = 0; i < 24; i++)
            EXPECT_EQ(right.Pixel(10 + i, y), left.Pixel(39 - i, y));
}

TEST(CVrxPPainter, SecondDropShadeComesFromTheCaches)
{
    CBitmap bottom, side;
    TestCanvas first(60, 60), second(60, 60);
    CRect rect(10, 10, 40, 40);
    ASSERT_TRUE(CVrxPPainter(first.DC()).PaintDropShade(rect, 5, 100, 75, &bottom, &side));
    ASSERT_NE(nullptr, bottom.GetSafeHandle());
    ASSERT_NE(nullptr, side.GetSafeHandle());
    second.Fill(RGB(0, 0, 255));
    ASSERT_TRUE(CVrxPPainter(second.DC()).PaintDropShade(rect, 5, 100, 75, &bottom, &side));
    for (int y = 10; y < 45; y++)
        for (int x = 40; x < 45; x++)
            EXPECT_EQ(first.Pixel(x, y), second.Pixel(x, y));
    for (int x = 10; x < 45; x++)
        EXPECT_EQ(first.Pixel(x, 42), second.Pixel(x, 42));
}

TEST(CVrxPPainter, LightenAtAHundredChangesNothing)
{
    TestCanvas canvas(10, 10, RGB(64, 64, 64));
    EXPECT_TRUE(CVrxPPainter(canvas.DC()).LightenRect(CRect(0, 0, 10, 10), 100));
    EXPECT_EQ(100, canvas.Count(CRect(0, 0, 10, 10), RGB(64, 64, 64)));
}

TEST(CVrxPPainter, LightenSkipsTheTransparentColour)
{
    TestCanvas canvas(10, 10, RGB(64, 64, 64));
    canvas.DC().FillSolidRect(0, 0, 5, 10, RGB(255, 0, 255));
    EXPECT_TRUE(CVrxPPainter(canvas.DC()).LightenRect(CRect(0, 0, 10, 10), 150, RGB(255, 0, 255)));
    EXPECT_EQ(RGB(255, 0, 255), canvas.Pixel(1, 1));
    EXPECT_EQ(RGB(96, 96, 96), canvas.Pixel(7, 7));
}

TEST(CVrxPPainter, LightenRefusesABlendAboveAHundred)
{
    TestCanvas canvas(10, 10, RGB(64, 64, 64));
    EXPECT_FALSE(CVrxPPainter(canvas.DC()).LightenRect(CRect(0, 0, 10, 10), 120, -1, 0, white));
    EXPECT_TRUE(CVrxPPainter(canvas.DC()).LightenRect(CRect(0, 0, 10, 10), 50, -1, 0, white));
    EXPECT_EQ(RGB(160, 160, 160), canvas.Pixel(3, 3));
}

TEST(CVrxPPainter, DesaturateGreysAndMixesTowardsTheBlendColour)
{
    TestCanvas canvas(10, 10, red);
    EXPECT_TRUE(CVrxPPainter(canvas.DC()).DesaturateRect(CRect(0, 0, 10, 10), -1, -1, white));
    EXPECT_EQ(RGB(191, 191, 191), canvas.Pixel(5, 5));
}

TEST(CVrxPPainter, VerticalFlipSwapsTheRows)
{
    TestCanvas canvas(3, 4);
    const COLORREF rows[4] = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    for (int y = 0; y < 4; y++)
        canvas.DC().FillSolidRect(0, y, 3, 1, rows[y]);
    CVrxPPainter(canvas.DC()).FlipRect(CRect(0, 0, 3, 4), FALSE);
    for (int y = 0; y < 4; y++)
        EXPECT_EQ(rows[3 - y], canvas.Pixel(1, y));
}

TEST(CVrxPPainter, FlipOutsideTheClipBoxDoesNothing)
{
    TestCanvas canvas(6, 2);
    canvas.DC().FillSolidRect(0, 0, 3, 2, black);
    canvas.DC().IntersectClipRect(0, 0, 5, 2);
    CVrxPPainter(canvas.DC()).FlipRect(CRect(0, 0, 6, 2), TRUE);
    EXPECT_EQ(black, canvas.Pixel(0, 0));
    CVrxPPainter(canvas.DC()).FlipRect(CRect(0, 0, 4, 2), TRUE);
    EXPECT_EQ(black, canvas.Pixel(3, 0));
    EXPECT_EQ(white, canvas.Pixel(0, 0));
}

TEST(CVrxPPainter, LineIncludesBothEnds)
{
    TestCanvas canvas(20, 20);
    CVrxPPainter(canvas.DC()).StrokeLine(CRect(2, 2, 10, 5), red);
    EXPECT_EQ(red, canvas.Pixel(2, 2));
    EXPECT_EQ(red, canvas.Pixel(10, 5));
    EXPECT_EQ(9, canvas.Count(CRect(0, 0, 20, 20), red));
}

TEST(CVrxPPainter, RectangleWithBorderAndFill)
{
    TestCanvas canvas(20, 20);
    CVrxPPainter(canvas.DC()).StrokeRect(CRect(2, 2, 12, 8), red, black);
    EXPECT_EQ(black, canvas.Pixel(2, 2));
    EXPECT_EQ(black, canvas.Pixel(11, 7));
    EXPECT_EQ(red, canvas.Pixel(5, 5));
    EXPECT_EQ(white, canvas.Pixel(12, 8));
}

TEST(CVrxPPainter, FilledRectangleWithoutBorderHasNoFrame)
{
    TestCanvas canvas(20, 20);
    CVrxPPainter(canvas.DC()).StrokeRect(CRect(2, 2, 12, 8), red);
    EXPECT_EQ(60, canvas.Count(CRect(0, 0, 20, 20), red));
}

TEST(CVrxPPainter, EllipseFillsItsMiddleAndLeavesItsCorners)
{
    TestCanvas canvas(30, 30);
    CVrxPPainter(canvas.DC()).StrokeEllipse(CRect(0, 0, 21, 21), red, black);
    EXPECT_EQ(red, canvas.Pixel(10, 10));
    EXPECT_EQ(white, canvas.Pixel(0, 0));
    EXPECT_EQ(white, canvas.Pixel(20, 20));
    EXPECT_EQ(black, canvas.Pixel(10, 0));
    EXPECT_EQ(black, canvas.Pixel(0, 10));
    EXPECT_EQ(white, canvas.Pixel(25, 10));
}

TEST(CVrxPPainter, EllipseWithNeitherColourDrawsNothing)
{
    TestCanvas canvas(10, 10);
    CVrxPPainter(canvas.DC()).StrokeEllipse(CRect(0, 0, 10, 10), -1, -1);
    EXPECT_EQ(100, canvas.Count(CRect(0, 0, 10, 10), white));
}
} // namespace
