#include "toolbars/CVrxPToolbarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Buttons from a picture: 'b' a 23 x 22 button, 'w' a 100 x 22 one, 's' an
// 8-pixel separator, 'h' a hidden button.
std::vector<VrxPLaidButton> Buttons(const std::string& picture)
{
    std::vector<VrxPLaidButton> buttons;
    for (char c : picture)
    {
        VrxPLaidButton button;
        button.cx = c == 'w' ? 100 : c == 's' ? 8 : 23;
        button.cy = 22;
        button.separator = c == 's';
        button.visible = c != 'h';
        buttons.push_back(button);
    }
    return buttons;
}

// The picture with a '|' after every button that wraps.
std::string Wraps(const CVrxPToolbarLayout& layout, const std::string& picture)
{
    std::string result;
    for (size_t i = 0; i < picture.size(); i++)
    {
        result += picture[i];
        if (layout.Buttons()[i].wrap)
            result += '|';
    }
    return result;
}
} // namespace

TEST(ToolbarLayoutTest, WrapsRowsAtAWidth)
{
    const struct
    {
        const char* picture;
        int width;
        int rows;
        const char* wraps;
        int cx, cy;
    } cases[] = {
        {"bbsbb", 50, 2, "bbs|bb", 55, 49},        // a separator never starts the wrap, it ends the row
        {"bbbb", 0x7FFF, 1, "bbbb", 93, 22},       // one row, positions from 1
        {"bbbb", 0, 4, "b|b|b|b", 24, 22 * 4 + 15},
        {"w", 50, 1, "w", 101, 22},                // too wide, but alone in its row
        {"bwb", 50, 3, "b|w|b", 101, 76},
        {"bhhb", 46, 1, "bhhb", 47, 22},           // hidden buttons take no room
        {"bhb", 23, 2, "b|hb", 24, 49},            // and the wrap goes to the last shown button
        {"sbb", 46, 1, "sbb", 47, 22},             // a leading separator takes no room
        {"bsbsb", 46, 3, "bs|bs|b", 32, 76},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.picture) + " at " + std::to_string(c.width));
        CVrxPToolbarLayout layout(Buttons(c.picture), 23, 22, true);
        EXPECT_EQ(c.rows, layout.Wrap(c.width));
        EXPECT_EQ(c.wraps, Wraps(layout, c.picture));
        const CVrxPToolbarLayout::Extent extent = layout.MeasureExtent();
        EXPECT_EQ(c.cx, extent.cx);
        EXPECT_EQ(c.cy, extent.cy);
    }
}

// Rows of a docked bar stop where the dock's height ends: the second wrap
// would start a row whose top (27) and height reach past 30.
TEST(ToolbarLayoutTest, ADockedBarStopsWrappingAtItsHeightLimit)
{
    CVrxPToolbarLayout layout(Buttons("bbb"), 23, 22, true);
    EXPECT_EQ(2, layout.Wrap(23, true, 30));
    EXPECT_EQ("b|bb", Wraps(layout, "bbb"));
    EXPECT_EQ(3, layout.Wrap(23, false, 30));
}

TEST(ToolbarLayoutTest, FitsToALength)
{
    const struct
    {
        const char* picture;
        int length;
        bool byHeight;
        const char* wraps;
        int cx, cy;
    } cases[] = {
        {"bbbb", 60, false, "bb|bb", 47, 49},       // the narrowest width with two rows
        {"bbbb", 0x7FFF, false, "bbbb", 93, 22},
        {"bbbb", 10, false, "b|b|b|b", 24, 103},    // narrower than one button
        {"bbbbbb", 49, true, "bbb|bbb", 70, 49},    // three buttons a row fill two rows
        {"bbbbbb", 22, true, "bbbbbb", 139, 22},    // one row is as tall as asked
        {"bbbbbb", 1000, true, "b|b|b|b|b|b", 24, 157},
        {"", 60, false, "", 23, 22},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.picture) + (c.byHeight ? " high " : " wide ") + std::to_string(c.length));
        CVrxPToolbarLayout layout(Buttons(c.picture), 23, 22, true);
        layout.FitToLength(c.length, c.byHeight);
        EXPECT_EQ(c.wraps, Wraps(layout, c.picture));
        const CVrxPToolbarLayout::Extent extent = layout.MeasureExtent();
        EXPECT_EQ(c.cx, extent.cx);
        EXPECT_EQ(c.cy, extent.cy);
    }
}

TEST(ToolbarLayoutTest, AVerticalBarStacksItsButtons)
{
    std::vector<VrxPLaidButton> buttons = Buttons("bsb");
    buttons[2].cx = 30;
    CVrxPToolbarLayout layout(buttons, 23, 22, false);
    const CVrxPToolbarLayout::Extent extent = layout.MeasureExtent();
    EXPECT_EQ(31, extent.cx);
    EXPECT_EQ(1 + 22 + 22 + 22, extent.cy) << "a separator stands along the bar with its measured height";
}
