#include "TooltipLayout.h"
#include <gtest/gtest.h>

namespace {

TEST(TooltipPagesTest, ACarriageReturnMakesTwoPaddedPages)
{
  TooltipPages pages = split_tooltip_pages("first\rsecond");
  EXPECT_TRUE(pages.two_pages);
  EXPECT_EQ("first  ", pages.page[0]);
  EXPECT_EQ("  second", pages.page[1]);
}

TEST(TooltipPagesTest, OnlyTheFirstCarriageReturnSplits)
{
  TooltipPages pages = split_tooltip_pages("a\rb\rc");
  EXPECT_EQ("a  ", pages.page[0]);
  EXPECT_EQ("  b\rc", pages.page[1]);
}

TEST(TooltipPagesTest, ATextWithoutCarriageReturnIsOnePageAsItStands)
{
  TooltipPages pages = split_tooltip_pages("one line\nand another");
  EXPECT_FALSE(pages.two_pages);
  EXPECT_EQ("one line\nand another", pages.page[0]);
  EXPECT_EQ("", pages.page[1]);
}

struct PlacementCase {
  const char* name;
  POINT point;
  RECT expected;
};

class TooltipPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(TooltipPlacementTest, KeepsTheTipOnTheScreen)
{
  const SIZE size = {100, 40};
  const SIZE screen = {800, 600};
  const int control_top = 500;
  RECT placed = place_tooltip_rect(size, GetParam().point, screen, control_top);
  EXPECT_EQ(GetParam().expected.left, placed.left);
  EXPECT_EQ(GetParam().expected.top, placed.top);
  EXPECT_EQ(GetParam().expected.right, placed.right);
  EXPECT_EQ(GetParam().expected.bottom, placed.bottom);
}

INSTANTIATE_TEST_SUITE_P(
  Cases, TooltipPlacementTest,
  ::testing::Values(PlacementCase{"AtThePoint", {10, 20}, {10, 20, 110, 60}},
                    PlacementCase{"NearTheRightEdgeEndsAtIt", {750, 20}, {700, 20, 800, 60}},
                    PlacementCase{"LeftOfTheScreenStartsAtZero", {-30, 20}, {0, 20, 100, 60}},
                    PlacementCase{"NearTheBottomGoesAboveTheControl", {10, 580}, {10, 460, 110, 500}},
                    PlacementCase{"InTheBottomRightCorner", {790, 590}, {700, 460, 800, 500}}),
  [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(NthTokenTest, PicksPiecesBetweenSeparators)
{
  EXPECT_EQ("Pelkor", get_nth_token("Pelkor,Vatri,,Orbex", 0, ','));
  EXPECT_EQ("Vatri", get_nth_token("Pelkor,Vatri,,Orbex", 1, ','));
  EXPECT_EQ("", get_nth_token("Pelkor,Vatri,,Orbex", 2, ','));
  EXPECT_EQ("Orbex", get_nth_token("Pelkor,Vatri,,Orbex", 3, ','));
  EXPECT_EQ("", get_nth_token("Pelkor,Vatri,,Orbex", 4, ','));
}

}
