#include "panes/colours/CVrxPColorHexCell.h"

#include <gtest/gtest.h>

#include <set>

TEST(ColorHexCell, ChannelsSnapToTheNearbyLevels)
{
    struct Case
    {
        int value;
        int tolerance;
        int expected;
    };
    const Case cases[] = {{15, 16, 0},    {16, 16, 16},   {240, 16, 255}, {239, 16, 239}, {140, 16, 128},
                          {112, 16, 112}, {113, 16, 128}, {180, 16, 192}, {207, 16, 192}, {100, 16, 100},
                          {6, 7, 0},      {250, 7, 255}, {247, 7, 247},  {3, 0, 3},      {254, 0, 254}};
    for (const Case& c : cases)
        EXPECT_EQ(CVrxPColorHexCell::SnapChannel(c.value, c.tolerance), c.expected)
            << c.value << " within " << c.tolerance;
    EXPECT_EQ(CVrxPColorHexCell::SnapColor(RGB(10, 130, 200), 16), RGB(0, 128, 192));
}

TEST(ColorHexCell, HexagonIsPointedAtTopAndBottom)
{
    POINT points[6];
    CVrxPColorHexCell::HexagonPoints(50, 40, 11, points);
    // Half 5, flank trunc(11 x 0.577) / 2 = 3.
    const POINT expected[6] = {{45, 37}, {50, 35}, {55, 37}, {55, 43}, {50, 45}, {45, 43}};
    for (int i = 0; i < 6; i++)
    {
        EXPECT_EQ(points[i].x, expected[i].x) << i;
        EXPECT_EQ(points[i].y, expected[i].y) << i;
    }
}

TEST(ColorHexCell, HoneycombHasAWhiteCentreAndSixRings)
{
    const auto cells = CVrxPColorHexCell::BuildHoneycomb(CRect(0, 0, 130, 130));
    ASSERT_EQ(cells.size(), 127u);
    EXPECT_EQ(cells[0].color, RGB(255, 255, 255));
    EXPECT_EQ(cells[0].x, 65);
    EXPECT_EQ(cells[0].y, 65);
    std::set<std::pair<int, int>> centres;
    for (const CVrxPColorHexCell& cell : cells)
    {
        EXPECT_EQ(cell.size, 11);
        centres.insert({cell.x, cell.y});
    }
    // No two cells share a place.
    EXPECT_EQ(centres.size(), cells.size());
    // The first ring starts right of the centre: hue 0, the lightest ring.
    EXPECT_EQ(cells[1].x, 76);
    EXPECT_EQ(cells[1].y, 65);
    EXPECT_EQ(GetRValue(cells[1].color), 255);
    EXPECT_GT(GetGValue(cells[1].color), 192);
    // The outermost ring is dark: no channel of its first cell is 255.
    const CVrxPColorHexCell& outer = cells[1 + 6 * (1 + 2 + 3 + 4 + 5)];
    EXPECT_EQ(outer.x, 65 + 6 * 11);
    EXPECT_LT(GetRValue(outer.color), 255);
    // A wider area keeps the cells square-sized from its shorter side.
    const auto wide = CVrxPColorHexCell::BuildHoneycomb(CRect(0, 0, 300, 130));
    EXPECT_EQ(wide[0].x, 150);
    EXPECT_EQ(wide[0].size, 11);
}

TEST(ColorHexCell, GreyRowRunsFromWhiteToBlack)
{
    const auto cells = CVrxPColorHexCell::BuildGreys(CRect(0, 0, 260, 40));
    ASSERT_EQ(cells.size(), 17u);
    // s = min(40 / 2 - 2, 260 / 13) = 18; left offset (260 - 18 - 180 - 36) / 2 = 13.
    EXPECT_EQ(cells[0].color, RGB(255, 255, 255));
    EXPECT_EQ(cells[0].size, 36);
    EXPECT_EQ(cells[0].x, 13 + 18);
    EXPECT_EQ(cells[16].color, RGB(0, 0, 0));
    EXPECT_EQ(cells[16].x, 13 + 54 + 16 * 9 + 17);
    for (int k = 0; k < 15; k++)
    {
        const int nLevel = 240 - 15 * k;
        const int nSnapped = CVrxPColorHexCell::SnapChannel(nLevel, CVrxPColorHexCell::greySnap);
        EXPECT_EQ(cells[1 + k].color, RGB(nSnapped, nSnapped, nSnapped)) << k;
        EXPECT_EQ(cells[1 + k].x, 13 + 54 + k * 9) << k;
        EXPECT_EQ(cells[1 + k].size, 18);
    }
    // The greys alternate between two lines around the middle.
    EXPECT_LT(cells[1].y, 20);
    EXPECT_GT(cells[2].y, 20);
    EXPECT_EQ(cells[1].y, cells[3].y);
}
