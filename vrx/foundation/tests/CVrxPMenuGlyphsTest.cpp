#include "foundation/CVrxPMenuGlyphs.h"

#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPLibraryResources.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace
{
const int cell = CVrxPMenuGlyphs::glyphSize;
typedef std::set<std::pair<int, int>> Shape;

// The black pixels of every glyph of a strip resource, read independently of
// the image list.
std::vector<Shape> ReadStrip(UINT nResourceId, std::set<COLORREF>* pColors = nullptr)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImage(GetModuleHandle(NULL), MAKEINTRESOURCE(nResourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    EXPECT_NE(nullptr, hBitmap);
    std::vector<Shape> glyphs(CVrxPMenuGlyphs::glyphCount);
    if (hBitmap == nullptr)
        return glyphs;
    BITMAP info = {};
    GetObject(hBitmap, sizeof(info), &info);
    EXPECT_EQ(cell * CVrxPMenuGlyphs::glyphCount, info.bmWidth);
    EXPECT_EQ(cell, info.bmHeight);
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -cell;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth * cell));
    HDC hScreen = GetDC(NULL);
    GetDIBits(hScreen, hBitmap, 0, cell, pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(NULL, hScreen);
    DeleteObject(hBitmap);
    for (int y = 0; y < cell; y++)
        for (int x = 0; x < info.bmWidth; x++)
        {
            const DWORD pixel = pixels[y * info.bmWidth + x] & 0xFFFFFF;
            if (pColors != nullptr)
                pColors->insert(pixel);
            if (pixel == 0)
                glyphs[x / cell].insert({x % cell, y});
        }
    return glyphs;
}

const std::vector<Shape>& Glyphs()
{
    static const std::vector<Shape> glyphs = ReadStrip(VrxPIdbMenuGlyphs);
    return glyphs;
}

Shape Transform(const Shape& shape, std::function<std::pair<int, int>(int, int)> map)
{
    Shape result;
    for (const auto& point : shape)
        result.insert(map(point.first, point.second));
    return result;
}

Shape MirrorX(const Shape& s) { return Transform(s, [](int x, int y) { return std::make_pair(cell - 1 - x, y); }); }
Shape MirrorY(const Shape& s) { return Transform(s, [](int x, int y) { return std::make_pair(x, cell - 1 - y); }); }
Shape Transpose(const Shape& s) { return Transform(s, [](int x, int y) { return std::make_pair(y, x); }); }

// Pixels per row (or per column) from top to bottom (left to right), only
// the lines that hold any.
std::vector<int> Runs(const Shape& shape, bool bRows)
{
    std::vector<int> counts(cell, 0);
    for (const auto& point : shape)
        counts[bRows ? point.second : point.first]++;
    counts.erase(std::remove(counts.begin(), counts.end(), 0), counts.end());
    return counts;
}

int Components(const Shape& shape)
{
    Shape left = shape;
    int nComponents = 0;
    while (!left.empty())
    {
        nComponents++;
        std::vector<std::pair<int, int>> stack{*left.begin()};
        left.erase(left.begin());
        while (!stack.empty())
        {
            auto point = stack.back();
            stack.pop_back();
            for (int dx = -1; dx <= 1; dx++)
                for (int dy = -1; dy <= 1; dy++)
                {
                    auto it = left.find({point.first + dx, point.second + dy});
                    if (it != left.end())
                    {
                        stack.push_back(*it);
                        left.erase(it);
                    }
                }
        }
    }
    return nComponents;
}

CRect Bounds(const Shape& shape)
{
    CRect bounds(cell, cell, -1, -1);
    for (const auto& point : shape)
    {
        bounds.left = std::min<LONG>(bounds.left, point.first);
        bounds.top = std::min<LONG>(bounds.top, point.second);
        bounds.right = std::max<LONG>(bounds.right, point.first + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, point.second + 1);
    }
    return bounds;
}

bool StrictlyShrinking(const std::vector<int>& runs)
{
    for (size_t i = 1; i < runs.size(); i++)
        if (runs[i] >= runs[i - 1])
            return false;
    return !runs.empty() && runs.back() == 1;
}

// A filled triangle pointing down: symmetric, each row narrower, down to one pixel.
bool PointsDown(const Shape& s) { return MirrorX(s) == s && StrictlyShrinking(Runs(s, true)); }
bool PointsUp(const Shape& s) { return PointsDown(MirrorY(s)); }
bool PointsRight(const Shape& s) { return PointsDown(Transpose(s)); }
bool PointsLeft(const Shape& s) { return PointsRight(MirrorX(s)); }

// The part of a glyph left or right of (or above or below) a line.
Shape Part(const Shape& s, std::function<bool(int, int)> keep)
{
    Shape result;
    for (const auto& point : s)
        if (keep(point.first, point.second))
            result.insert(point);
    return result;
}

TEST(MenuGlyphStrip, OnlyBlackOnMagenta)
{
    std::set<COLORREF> colors;
    ReadStrip(VrxPIdbMenuGlyphs, &colors);
    EXPECT_EQ((std::set<COLORREF>{0x000000, 0xFF00FF}), colors);
    for (const Shape& glyph : Glyphs())
        EXPECT_FALSE(glyph.empty());
}

TEST(MenuGlyphStrip, SixteenColourStripHoldsTheSameGlyphs)
{
    EXPECT_EQ(Glyphs(), ReadStrip(VrxPIdbMenuGlyphs16));
}

TEST(MenuGlyphStrip, TrianglesPointWhereTheTableSays)
{
    const auto& g = Glyphs();
    EXPECT_TRUE(PointsDown(g[0]));
    EXPECT_TRUE(PointsRight(g[1]));
    EXPECT_TRUE(PointsUp(g[7]));
    EXPECT_TRUE(PointsLeft(g[9]));
    EXPECT_TRUE(PointsDown(g[13]));
    EXPECT_TRUE(PointsRight(g[14]));
    EXPECT_TRUE(PointsLeft(g[17]));
    EXPECT_TRUE(PointsRight(g[20]));
    EXPECT_TRUE(PointsLeft(g[21]));
    EXPECT_TRUE(PointsUp(g[24]));
    // Large ones are larger than small ones; tall ones taller; the wide one wider.
    EXPECT_GT(g[13].size(), g[0].size());
    EXPECT_GT(Bounds(g[20]).Height(), Bounds(g[14]).Height());
    EXPECT_EQ(cell, Bounds(g[20]).Height());
    EXPECT_EQ(cell, Bounds(g[24]).Width());
}

TEST(MenuGlyphStrip, PairsAreMirrorImages)
{
    const auto& g = Glyphs();
    for (auto pair : {std::make_pair(1, 9), std::make_pair(18, 19), std::make_pair(20, 21), std::make_pair(22, 23),
                      std::make_pair(25, 26), std::make_pair(27, 28)})
        EXPECT_EQ(g[pair.first], MirrorX(g[pair.second])) << pair.first << " and " << pair.second;
    EXPECT_EQ(g[0], MirrorY(g[7]));
    EXPECT_EQ(Transpose(g[8]).size(), g[11].size());
}

TEST(MenuGlyphStrip, OutlinedTrianglesAreHollow)
{
    const auto& g = Glyphs();
    EXPECT_LT(g[22].size(), g[20].size());
    EXPECT_EQ(Bounds(g[22]), Bounds(g[20]));
    // Every pixel of the outline belongs to the filled triangle.
    for (const auto& point : g[22])
        EXPECT_EQ(1u, g[20].count(point));
    EXPECT_EQ(0u, g[22].count({4, 4}));
}

TEST(MenuGlyphStrip, BarsBesideTriangles)
{
    const auto& g = Glyphs();
    // 18: a bar, then a triangle pointing left to its right.
    const CRect bar18 = Bounds(Part(g[18], [](int x, int) { return x < 2; }));
    EXPECT_GE(bar18.Height(), 5);
    EXPECT_TRUE(PointsLeft(Part(g[18], [](int x, int) { return x >= 2; })));
    // 25: a triangle pointing left with a bar on its right.
    EXPECT_TRUE(PointsLeft(Part(g[25], [](int x, int) { return x < 5; })));
    EXPECT_EQ(1, Bounds(Part(g[25], [](int x, int) { return x >= 5; })).Width());
    // 29: a bar above a small triangle pointing down; 33: a thicker bar.
    EXPECT_TRUE(PointsDown(Part(g[29], [](int, int y) { return y >= 4; })));
    EXPECT_EQ(1, Bounds(Part(g[29], [](int, int y) { return y < 4; })).Height());
    EXPECT_TRUE(PointsDown(Part(g[33], [](int, int y) { return y >= 4; })));
    EXPECT_EQ(2, Bounds(Part(g[33], [](int, int y) { return y < 4; })).Height());
    // 30: a bar with a small triangle pointing right.
    EXPECT_TRUE(PointsRight(Part(g[30], [](int x, int) { return x >= 4; })));
    EXPECT_EQ(1, Bounds(Part(g[30], [](int x, int) { return x < 4; })).Width());
    // 27: an arrow: head pointing left, shaft to its right.
    EXPECT_TRUE(PointsLeft(Part(g[27], [](int x, int) { return x < 5; })));
    EXPECT_EQ(3, Bounds(Part(g[27], [](int x, int) { return x >= 5; })).Height());
}

TEST(MenuGlyphStrip, PairsOfTrianglesAndChevrons)
{
    const auto& g = Glyphs();
    EXPECT_EQ(2, Components(g[31]));
    EXPECT_TRUE(PointsRight(Part(g[31], [](int x, int) { return x < 4; })));
    EXPECT_TRUE(PointsRight(Part(g[31], [](int x, int) { return x >= 4; })));
    EXPECT_EQ(2, Components(g[32]));
    EXPECT_TRUE(PointsDown(Part(g[32], [](int, int y) { return y < 4; })));
    EXPECT_TRUE(PointsDown(Part(g[32], [](int, int y) { return y >= 4; })));
    EXPECT_EQ(2, Components(g[8]));
    EXPECT_EQ(MirrorX(g[8]), g[8]);
    EXPECT_EQ(2, Components(g[11]));
    EXPECT_EQ(MirrorY(g[11]), g[11]);
}

TEST(MenuGlyphStrip, CaptionButtonGlyphs)
{
    const auto& g = Glyphs();
    // Minimise: a bar in the lower half.
    EXPECT_GE(Bounds(g[3]).top, 5);
    EXPECT_EQ(Runs(g[3], true).size(), 2u);
    // Close crosses: symmetric; the small one inside the large one's bounds;
    // the bold one heavier.
    EXPECT_EQ(MirrorX(g[5]), g[5]);
    EXPECT_EQ(MirrorY(g[5]), g[5]);
    EXPECT_LT(Bounds(g[10]).Width(), Bounds(g[5]).Width());
    EXPECT_GT(g[34].size(), g[5].size() * 2);
    EXPECT_EQ(MirrorX(g[34]), g[34]);
    // Maximise: a window with a thick top edge and an empty inside.
    const CRect window = Bounds(g[6]);
    EXPECT_EQ(static_cast<size_t>(2 * window.Width()), Part(g[6], [&](int, int y) { return y < window.top + 2; }).size());
    EXPECT_EQ(0u, g[6].count({4, 5}));
    // Restore: two windows, one overlapping the other.
    EXPECT_EQ(cell, Bounds(g[4]).Width());
    EXPECT_GT(Part(g[4], [](int, int y) { return y < 2; }).size(), 0u);
    EXPECT_GT(Part(g[4], [](int x, int) { return x == 0; }).size(), 3u);
}

TEST(MenuGlyphStrip, MarksPinsAndCorner)
{
    const auto& g = Glyphs();
    // Check mark: its lowest point left of the middle, its right arm higher.
    const CRect check = Bounds(g[2]);
    EXPECT_TRUE(Part(g[2], [&](int x, int y) { return y == check.bottom - 1 && x < 5; }).size() > 0);
    EXPECT_TRUE(Part(g[2], [&](int x, int y) { return y == check.top && x > 5; }).size() > 0);
    // Radio dot: round and symmetric every way.
    EXPECT_EQ(MirrorX(g[12]), g[12]);
    EXPECT_EQ(MirrorY(g[12]), g[12]);
    EXPECT_EQ(Transpose(g[12]), g[12]);
    EXPECT_EQ(0u, g[12].count({Bounds(g[12]).left, Bounds(g[12]).top}));
    // Pins: lying on its side, then the same pin standing upright.
    EXPECT_GT(Bounds(g[15]).Width(), Bounds(g[15]).Height());
    EXPECT_GT(Bounds(g[16]).Height(), Bounds(g[16]).Width());
    EXPECT_EQ(g[15].size(), g[16].size());
    // Window corner: its edges along the top and left, the arrow's head at
    // the lower right.
    EXPECT_GE(Part(g[35], [](int, int y) { return y == 0; }).size(), 5u);
    EXPECT_GE(Part(g[35], [](int x, int) { return x == 0; }).size(), 5u);
    EXPECT_EQ(1u, g[35].count({Bounds(g[35]).right - 1, Bounds(g[35]).bottom - 1}));
}

// Drawing through the five lists.
class MenuGlyphsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded()); }
};

TEST_F(MenuGlyphsTest, GlyphSizeIsNineByNine)
{
    EXPECT_EQ(CSize(9, 9), CVrxPMenuGlyphs::GetImageSize());
}

TEST_F(MenuGlyphsTest, VariantsDrawTheirColours)
{
    const struct
    {
        int nVariant;
        COLORREF color;
    } cases[] = {{0, RGB(0, 0, 0)},   {1, RGB(128, 128, 128)}, {2, RGB(192, 192, 192)}, {3, RGB(255, 255, 255)},
                 {4, RGB(72, 72, 72)}, {5, RGB(255, 255, 255)}, {-1, RGB(255, 255, 255)}};
    for (const auto& c : cases)
    {
        TestCanvas canvas(20, 20, RGB(0, 0, 200));
        ASSERT_TRUE(CVrxPMenuGlyphs::DrawGlyph(&canvas.DC(), CVrxPMenuGlyphs::close, CPoint(3, 3), c.nVariant));
        EXPECT_EQ(c.color, canvas.Pixel(3 + 4, 3 + 4)) << c.nVariant;
        EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(3 + 4, 3 + 1)) << c.nVariant;
        EXPECT_EQ(static_cast<int>(Glyphs()[CVrxPMenuGlyphs::close].size()), canvas.Count(CRect(0, 0, 20, 20), c.color));
    }
}

TEST_F(MenuGlyphsTest, CentringMovesAnOddRemainderRightAndDown)
{
    const struct
    {
        int nSize;
        int nOffset;
    } cases[] = {{9, 0}, {10, 1}, {11, 1}, {12, 2}};
    for (const auto& c : cases)
    {
        TestCanvas canvas(30, 30);
        ASSERT_TRUE(CVrxPMenuGlyphs::DrawGlyphCentered(&canvas.DC(), CVrxPMenuGlyphs::radioDot,
                                                       CRect(5, 5, 5 + c.nSize, 5 + c.nSize), CVrxPMenuGlyphs::black));
        const CRect dot = Bounds(Glyphs()[CVrxPMenuGlyphs::radioDot]);
        EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(5 + c.nOffset + dot.left + 1, 5 + c.nOffset + dot.top)) << c.nSize;
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(5 + c.nOffset + dot.left - 1, 5 + c.nOffset + dot.top + 1))
            << c.nSize;
    }
}

TEST_F(MenuGlyphsTest, StretchedGlyph)
{
    TestCanvas canvas(40, 40);
    ASSERT_TRUE(CVrxPMenuGlyphs::DrawGlyph(&canvas.DC(), CVrxPMenuGlyphs::minimize, CPoint(0, 0), 0, CSize(18, 18)));
    EXPECT_EQ(4 * static_cast<int>(Glyphs()[CVrxPMenuGlyphs::minimize].size()),
              canvas.Count(CRect(0, 0, 40, 40), RGB(0, 0, 0)));
}

TEST_F(MenuGlyphsTest, RecolouredSetAndReleaseAll)
{
    CVrxPMenuGlyphs::RecolorSet(CVrxPMenuGlyphs::silver, RGB(10, 120, 30));
    TestCanvas canvas(20, 20);
    ASSERT_TRUE(CVrxPMenuGlyphs::DrawGlyph(&canvas.DC(), CVrxPMenuGlyphs::close, CPoint(0, 0), CVrxPMenuGlyphs::silver));
    EXPECT_EQ(RGB(10, 120, 30), canvas.Pixel(4, 4));

    CVrxPMenuGlyphs::ReleaseAll();
    EXPECT_EQ(0, CVrxPMenuGlyphs::List(CVrxPMenuGlyphs::black)->GetCount());
    EXPECT_EQ(0, CVrxPMenuGlyphs::List(CVrxPMenuGlyphs::silver)->GetCount());
    canvas.Fill(RGB(255, 255, 255));
    ASSERT_TRUE(CVrxPMenuGlyphs::DrawGlyph(&canvas.DC(), CVrxPMenuGlyphs::close, CPoint(0, 0), CVrxPMenuGlyphs::silver));
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(4, 4));
}
} // namespace
