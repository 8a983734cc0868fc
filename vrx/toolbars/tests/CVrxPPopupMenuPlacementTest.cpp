#include "toolbars/CVrxPPopupMenuPlacement.h"

#include <gtest/gtest.h>

namespace
{
RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

void ExpectAt(const CVrxPPopupMenuPlacement& placement, int x, int y)
{
    EXPECT_EQ(x, placement.position.x);
    EXPECT_EQ(y, placement.position.y);
}

using Placement = CVrxPPopupMenuPlacement;

Placement Below(RECT button, SIZE size)
{
    Placement placement;
    placement.workArea = Rect(0, 0, 1000, 700);
    placement.hasOpeningButton = TRUE;
    placement.buttonOnHorizontalBar = TRUE;
    placement.buttonRect = button;
    placement.position = POINT{button.left, button.bottom - 1};
    placement.size = size;
    placement.direction = Placement::directionBelow;
    return placement;
}

Placement Submenu(RECT owner, int itemTop, SIZE size)
{
    Placement placement;
    placement.workArea = Rect(0, 0, 1000, 700);
    placement.isSubmenu = TRUE;
    placement.ownerRect = owner;
    placement.position = POINT{owner.right, itemTop - 2};
    placement.size = size;
    placement.direction = Placement::directionRight;
    placement.rowHeight = 20;
    placement.border = 2;
    return placement;
}
} // namespace

TEST(CVrxPPopupMenuPlacement, StaysBelowItsButtonWhenItFits)
{
    Placement placement = Below(Rect(10, 0, 50, 20), SIZE{200, 300});
    placement.Place();
    ExpectAt(placement, 10, 19);
    EXPECT_EQ(200, placement.size.cx);
    EXPECT_EQ(300, placement.size.cy);
    EXPECT_EQ(Placement::directionBelow, placement.direction);
    EXPECT_FALSE(placement.scrolling);
}

TEST(CVrxPPopupMenuPlacement, PushedBackFromTheRightEdge)
{
    Placement placement = Below(Rect(900, 0, 950, 20), SIZE{200, 300});
    placement.Place();
    EXPECT_EQ(1000 - 200 - 1, placement.position.x);
    EXPECT_EQ(Placement::directionFree, placement.direction);
    EXPECT_FALSE(placement.animateFromLeft);
}

TEST(CVrxPPopupMenuPlacement, OpensAboveAButtonAtTheBottom)
{
    Placement placement = Below(Rect(10, 650, 50, 670), SIZE{200, 300});
    placement.position.y = 669;
    placement.gripperHeight = 12;
    placement.size.cy += 12;
    placement.Place();
    EXPECT_EQ(650 - 300, placement.position.y);
    EXPECT_EQ(300, placement.size.cy);
    EXPECT_TRUE(placement.gripperDropped);
    EXPECT_EQ(Placement::directionAbove, placement.direction);
    EXPECT_FALSE(placement.animateFromTop);
}

TEST(CVrxPPopupMenuPlacement, TakesTheRoomierSideAndScrollsWhenNeitherFits)
{
    Placement low = Below(Rect(10, 500, 50, 520), SIZE{200, 600});
    low.position.y = 519;
    low.Place();
    EXPECT_EQ(0, low.position.y);
    EXPECT_EQ(500, low.size.cy);
    EXPECT_TRUE(low.scrolling);

    Placement high = Below(Rect(10, 100, 50, 120), SIZE{200, 900});
    high.position.y = 119;
    high.Place();
    EXPECT_EQ(119, high.position.y);
    EXPECT_EQ(700 - 119, high.size.cy);
    EXPECT_TRUE(high.scrolling);
    EXPECT_TRUE(high.animateFromTop);
}

TEST(CVrxPPopupMenuPlacement, SubmenuFlipsToTheLeftOfItsOwnerAndUpFromTheBottom)
{
    Placement placement = Submenu(Rect(700, 500, 900, 690), 660, SIZE{200, 100});
    placement.Place();
    EXPECT_EQ(700 - 200, placement.position.x);
    EXPECT_EQ(Placement::directionLeft, placement.direction);
    // Its bottom comes up to the item's row: y - height + row + 2 borders.
    EXPECT_EQ(658 - 100 + 20 + 4, placement.position.y);
    EXPECT_LE(placement.position.y + placement.size.cy, 700);

    Placement fits = Submenu(Rect(100, 100, 300, 300), 120, SIZE{200, 100});
    fits.Place();
    ExpectAt(fits, 300, 118);
    EXPECT_EQ(Placement::directionRight, fits.direction);
}

TEST(CVrxPPopupMenuPlacement, TallerThanTheWorkAreaIsCutAndScrolls)
{
    Placement placement;
    placement.workArea = Rect(0, 40, 1000, 700);
    placement.position = POINT{300, 10};
    placement.size = SIZE{200, 2000};
    placement.Place();
    EXPECT_EQ(40, placement.position.y);
    EXPECT_EQ(660, placement.size.cy);
    EXPECT_TRUE(placement.scrolling);
}

TEST(CVrxPPopupMenuPlacement, RightToLeftFlipsTheOtherWay)
{
    Placement placement = Submenu(Rect(20, 100, 220, 300), 120, SIZE{200, 100});
    placement.rightToLeft = TRUE;
    placement.position.x = placement.ownerRect.left;
    placement.Place();
    EXPECT_EQ(220 + 200, placement.position.x);
    EXPECT_EQ(Placement::directionRight, placement.direction);
}
