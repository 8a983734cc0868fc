// The control renderer painting a generated strip whose regions each have
// their own colour (see tools/make_style_strips.py), probed pixel by pixel.

#include "themes/2007/CVrxPControlRenderer.h"

#include <gtest/gtest.h>

#include "themes/2007/tests/StyleTestResources.h"
#include "themes/tests/LookTheme.h"

namespace
{

const COLORREF background = RGB(1, 2, 3);

enum Region
{
    topLeft = 1,
    top,
    topRight,
    left,
    interior,
    right,
    bottomLeft,
    bottom,
    bottomRight
};

COLORREF RegionColor(Region region, int nImage)
{
    return RGB(20 * region, 40 + 40 * nImage, 0x80);
}

CVrxPRendererInfo StripInfo()
{
    return CVrxPRendererInfo(IDB_RENDERER_TEST_STRIP, {0, 0, 20, 16}, {3, 3, 3, 4});
}

TEST(ControlRenderer, CreateCompletesTheSidesAndInteriorFromTheCorners)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo()));
    const CVrxPRendererInfo& info = renderer.GetInfo();
    EXPECT_EQ(3, info.sides.left);
    EXPECT_EQ(4, info.sides.bottom);
    EXPECT_EQ(CRect(3, 3, 17, 12), CRect(info.interior));

    ASSERT_TRUE(renderer.Create(StripInfo(), TRUE));
    EXPECT_EQ(4, renderer.GetInfo().corners.top);
    EXPECT_EQ(3, renderer.GetInfo().corners.bottom);
    EXPECT_EQ(4, renderer.GetInfo().sides.top);
    EXPECT_EQ(CRect(3, 4, 17, 13), CRect(renderer.GetInfo().interior));
}

TEST(ControlRenderer, DrawImagePlacesTheWholeImageAtItsOwnSize)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo()));
    struct Case
    {
        int horz, vert, image;
        CPoint topLeftPixel;
    };
    const Case cases[] = {{1, 1, 2, CPoint(10, 7)}, {0, 0, 1, CPoint(0, 0)}, {2, 2, 0, CPoint(20, 14)}};
    for (const Case& c : cases)
    {
        OffscreenBitmap canvas(40, 30, background);
        renderer.DrawImage(canvas.Dc(), CRect(0, 0, 40, 30), c.horz, c.vert, c.image);
        const CPoint at = c.topLeftPixel;
        EXPECT_EQ(RegionColor(topLeft, c.image), canvas.At(at.x, at.y)) << c.horz << "," << c.vert;
        EXPECT_EQ(RegionColor(interior, c.image), canvas.At(at.x + 10, at.y + 8)) << c.horz << "," << c.vert;
        EXPECT_EQ(RegionColor(bottomRight, c.image), canvas.At(at.x + 19, at.y + 15)) << c.horz << "," << c.vert;
        EXPECT_EQ(40 * 30 - 20 * 16, canvas.Count(background)) << c.horz << "," << c.vert;
    }
}

TEST(ControlRenderer, DrawsEachRegionOfTheChosenImage)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo()));
    for (int nImage = 0; nImage < 3; nImage++)
    {
        OffscreenBitmap bitmap(64, 40, background);
        renderer.Draw(bitmap.Dc(), CRect(2, 2, 62, 38), nImage);
        const struct
        {
            int x, y;
            Region region;
        } probes[] = {
            {2, 2, topLeft},   {4, 4, topLeft},     {30, 2, top},         {30, 4, top},
            {61, 2, topRight}, {59, 4, topRight},   {2, 20, left},        {4, 20, left},
            {5, 5, interior},  {30, 20, interior},  {58, 33, interior},   {61, 20, right},
            {2, 37, bottomLeft}, {4, 34, bottomLeft}, {30, 34, bottom},   {30, 37, bottom},
            {61, 37, bottomRight}, {59, 34, bottomRight},
        };
        for (const auto& probe : probes)
            EXPECT_EQ(RegionColor(probe.region, nImage), bitmap.At(probe.x, probe.y))
                << "image " << nImage << " at " << probe.x << "," << probe.y;
        EXPECT_EQ(background, bitmap.At(1, 1));
        EXPECT_EQ(background, bitmap.At(62, 38));
    }
}

TEST(ControlRenderer, PaintLeavesTheInteriorAlone)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo()));
    OffscreenBitmap bitmap(40, 30, background);
    renderer.Paint(bitmap.Dc(), CRect(0, 0, 40, 30), 1);
    EXPECT_EQ(background, bitmap.At(20, 15));
    EXPECT_EQ(RegionColor(top, 1), bitmap.At(20, 0));
    EXPECT_EQ(RegionColor(bottomRight, 1), bitmap.At(39, 29));
}

TEST(ControlRenderer, ADestinationSmallerThanTheCornersDrawsNothing)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo()));
    OffscreenBitmap bitmap(20, 20, background);
    renderer.Paint(bitmap.Dc(), CRect(0, 0, 6, 7), 0);
    EXPECT_EQ(400, bitmap.Count(background));
}

TEST(ControlRenderer, AFlippedStripPaintsItsBottomAtTheTop)
{
    CVrxPControlRenderer renderer;
    ASSERT_TRUE(renderer.Create(StripInfo(), TRUE));
    OffscreenBitmap bitmap(40, 30, background);
    renderer.Draw(bitmap.Dc(), CRect(0, 0, 40, 30), 2);
    EXPECT_EQ(RegionColor(bottomLeft, 2), bitmap.At(0, 0));
    EXPECT_EQ(RegionColor(bottomLeft, 2), bitmap.At(0, 3));
    EXPECT_EQ(RegionColor(bottom, 2), bitmap.At(20, 3));
    EXPECT_EQ(RegionColor(interior, 2), bitmap.At(20, 4));
    EXPECT_EQ(RegionColor(top, 2), bitmap.At(20, 27));
    EXPECT_EQ(RegionColor(interior, 2), bitmap.At(20, 26));
    EXPECT_EQ(RegionColor(topRight, 2), bitmap.At(39, 29));
}

TEST(ControlRenderer, AMissingStripIsReportedAndPaintsNothing)
{
    CVrxPControlRenderer renderer;
    EXPECT_FALSE(renderer.Create(CVrxPRendererInfo(IDB_MISSING_STRIP, {0, 0, 20, 16}, {3, 3, 3, 3})));
    EXPECT_FALSE(renderer.HasImages());
    OffscreenBitmap bitmap(20, 20, background);
    renderer.Draw(bitmap.Dc(), CRect(0, 0, 20, 20), 0);
    EXPECT_EQ(400, bitmap.Count(background));

    // No strip named: created, and nothing to paint.
    EXPECT_TRUE(renderer.Create(CVrxPRendererInfo(0, {0, 0, 20, 16})));
    EXPECT_FALSE(renderer.HasImages());
}

TEST(ControlRenderer, CleanUpReturnsToTheEmptyDescription)
{
    CVrxPControlRenderer renderer;
    CVrxPRendererInfo info = StripInfo();
    info.transparentColor = RGB(20, 40, 0x80);
    ASSERT_TRUE(renderer.Create(info));
    EXPECT_EQ(RGB(20, 40, 0x80), renderer.GetImages().GetTransparentColor());
    renderer.CleanUp();
    EXPECT_FALSE(renderer.HasImages());
    EXPECT_EQ(0, renderer.GetInfo().bitmapId);
    EXPECT_EQ(CVrxPRendererInfo::noTransparentColor, renderer.GetInfo().transparentColor);
    EXPECT_EQ(static_cast<COLORREF>(-1), renderer.GetImages().GetTransparentColor());
}

} // namespace
