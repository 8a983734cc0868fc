#include "toolbars/CVrxPPopupMenuLayout.h"

#include <gtest/gtest.h>

namespace
{
VrxPMenuItemMetrics Item(int cx, int cy = 20)
{
    VrxPMenuItemMetrics item;
    item.cx = cx;
    item.cy = cy;
    return item;
}

VrxPMenuItemMetrics Separator()
{
    VrxPMenuItemMetrics item;
    item.separator = true;
    item.selectable = false;
    return item;
}

VrxPMenuItemMetrics Break(VrxPMenuItemMetrics item)
{
    item.columnBreak = true;
    return item;
}

VrxPMenuItemMetrics Unselectable(VrxPMenuItemMetrics item)
{
    item.selectable = false;
    return item;
}

void ExpectRect(const RECT& rect, int left, int top, int right, int bottom)
{
    EXPECT_EQ(left, rect.left);
    EXPECT_EQ(top, rect.top);
    EXPECT_EQ(right, rect.right);
    EXPECT_EQ(bottom, rect.bottom);
}
} // namespace

TEST(CVrxPPopupMenuLayout, EmptyMenuMeasuresFiftyTwoByTwentyTwo)
{
    CVrxPPopupMenuLayout layout({}, false);
    const SIZE size = layout.Measure(-1);
    EXPECT_EQ(52, size.cx);
    EXPECT_EQ(22, size.cy);
}

TEST(CVrxPPopupMenuLayout, OneColumnWithSeparatorAndAccelerator)
{
    VrxPMenuItemMetrics save = Item(90);
    save.accelerator = true;
    CVrxPPopupMenuLayout layout({Item(80), Separator(), save}, false);
    const SIZE size = layout.Measure(-1);
    EXPECT_EQ(100 + 2, size.cx);
    EXPECT_EQ(20 + 8 + 20 + 2, size.cy);

    const std::vector<RECT> rects = layout.Place(size.cx, 20, 0, 12, 9);
    ASSERT_EQ(3u, rects.size());
    ExpectRect(rects[0], 0, 1, 102, 21);
    ExpectRect(rects[1], 12, 21, 102 - 9, 29);
    ExpectRect(rects[2], 0, 29, 102, 49);

    // Scrolled by two rows, everything moves up by forty pixels.
    const std::vector<RECT> scrolled = layout.Place(size.cx, 20, 2, 12, 9);
    EXPECT_EQ(1 - 40, scrolled[0].top);
}

TEST(CVrxPPopupMenuLayout, MenuBreakStartsAColumnRightOfThePrevious)
{
    CVrxPPopupMenuLayout layout({Item(60), Item(70), Break(Item(40)), Item(30)}, false);
    const SIZE size = layout.Measure(-1);
    ASSERT_EQ(2u, layout.ColumnEdges().size());
    EXPECT_EQ(71, layout.ColumnEdges()[0]);
    EXPECT_EQ(71 + 40 + 2, size.cx);
    EXPECT_EQ(42, size.cy);

    const std::vector<RECT> rects = layout.Place(size.cx, 20, 0, 0, 0);
    ExpectRect(rects[1], 0, 21, 71, 41);
    ExpectRect(rects[2], 72, 1, 113, 21);
    ExpectRect(rects[3], 72, 21, 113, 41);

    // While customising, breaks start no column.
    CVrxPPopupMenuLayout customizing({Item(60), Item(70), Break(Item(40))}, true);
    EXPECT_EQ(62, customizing.Measure(-1).cy);
}

TEST(CVrxPPopupMenuLayout, WideItemsDrawShortenedUnderAMaximumWidth)
{
    CVrxPPopupMenuLayout layout({Item(50), Item(99), Item(98)}, false);
    const SIZE size = layout.Measure(100);
    EXPECT_EQ(100, size.cx);
    EXPECT_TRUE(layout.TextFits(0));
    EXPECT_FALSE(layout.TextFits(1));
    EXPECT_TRUE(layout.TextFits(2));
}

TEST(CVrxPPopupMenuLayout, KeyboardWalkSkipsWhatCannotBeChosen)
{
    using L = CVrxPPopupMenuLayout;
    // 0 item, 1 separator, 2 label, 3 item, 4 item, 5 separator
    CVrxPPopupMenuLayout layout({Item(1), Separator(), Unselectable(Item(1)), Item(1), Item(1), Separator()}, false);
    struct Case
    {
        int current;
        L::Key key;
        bool list;
        int next;
    };
    const Case cases[] = {
        {0, L::keyDown, false, 3},  {3, L::keyUp, false, 0},   {4, L::keyDown, false, 0}, {0, L::keyUp, false, 4},
        {4, L::keyDown, true, 4},   {0, L::keyUp, true, 0},    {3, L::keyHome, false, 0}, {0, L::keyEnd, false, 4},
        {-1, L::keyDown, false, 0}, {-1, L::keyUp, false, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.next, layout.NextIndex(c.current, c.key, c.list)) << c.current << " key " << c.key;

    CVrxPPopupMenuLayout nothing({Separator(), Unselectable(Item(1))}, false);
    EXPECT_EQ(-1, nothing.NextIndex(-1, L::keyDown, false));
    CVrxPPopupMenuLayout single({Item(1), Separator()}, false);
    EXPECT_EQ(0, single.NextIndex(0, L::keyDown, false)) << "the search comes back to its start";
}
