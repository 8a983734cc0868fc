#include "docking/frames/CVrxPCaptionBarLayout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{
using Layout = CVrxPCaptionBarLayout;
const int left = Layout::alignLeft;
const int right = Layout::alignRight;
const int center = Layout::alignCenter;

struct Box
{
    int l;
    int t;
    int r;
    int b;
};

bool operator==(const RECT& rect, const Box& box)
{
    return rect.left == box.l && rect.top == box.t && rect.right == box.r && rect.bottom == box.b;
}

std::string Show(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom) + ")";
}

// A 400 x 24 client area with the default margin and spacing of 4.
Layout::Input Bar()
{
    Layout::Input input = {};
    input.client = {0, 0, 400, 24};
    input.margin = 4;
    input.spacing = 4;
    input.imageAlign = left;
    input.buttonAlign = left;
    input.textAlign = left;
    return input;
}

Layout::Input& WithImage(Layout::Input& input, int nAlign, int cx = 16, int cy = 16)
{
    input.hasImage = TRUE;
    input.imageSize = {cx, cy};
    input.imageAlign = nAlign;
    return input;
}

Layout::Input& WithButton(Layout::Input& input, int nAlign, int nLabelWidth, BOOL bArrow)
{
    input.hasButton = TRUE;
    input.buttonLabelWidth = nLabelWidth;
    input.buttonArrow = bArrow;
    input.buttonAlign = nAlign;
    return input;
}

Layout::Input& WithText(Layout::Input& input, int nAlign, int cx, int cy = 13)
{
    input.hasText = TRUE;
    input.textSize = {cx, cy};
    input.textAlign = nAlign;
    return input;
}

TEST(CaptionBarLayout, HeightFollowsTheFontAndTheImageUnlessFixed)
{
    struct Case
    {
        int fixed;
        int textHeight;
        int imageHeight;
        int expected;
    };
    const Case cases[] = {
        {-1, 13, 0, 4 + 2 * 4 + 13 + 2},
        {-1, 13, 32, 4 + 2 * 4 + 32},
        {-1, 16, 18, 4 + 2 * 4 + 18},
        {40, 13, 32, 40},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Layout::BarHeight(c.fixed, 4, 4, c.textHeight, c.imageHeight))
            << c.fixed << " " << c.textHeight << " " << c.imageHeight;
}

TEST(CaptionBarLayout, PlacesItemsByTheirAlignment)
{
    struct Case
    {
        const char* name;
        Layout::Input input;
        Box image;
        Box button;
        Box text;
    };
    Layout::Input imageAndText = Bar();
    WithText(WithImage(imageAndText, left), left, 100);
    Layout::Input leadingButton = Bar();
    WithText(WithButton(leadingButton, left, 40, FALSE), left, 100);
    Layout::Input trailingButton = Bar();
    WithButton(trailingButton, right, 40, TRUE);
    Layout::Input cutMessage = Bar();
    WithText(WithButton(WithImage(cutMessage, left), right, 40, FALSE), center, 500);
    Layout::Input allCentred = Bar();
    WithText(WithButton(WithImage(allCentred, center), center, 40, FALSE), center, 100);
    Layout::Input rightAligned = Bar();
    WithText(WithImage(rightAligned, right), right, 100);
    Layout::Input stretched = Bar();
    stretched.client = {0, 0, 400, 40};
    stretched.stretchImage = TRUE;
    WithImage(stretched, left);
    Layout::Input unknownButtonAlign = Bar();
    WithText(WithButton(WithImage(unknownButtonAlign, left), 0, 40, FALSE), left, 100);
    const Case cases[] = {
        {"image then message", imageAndText, {4, 4, 20, 20}, {0, 0, 0, 0}, {24, 6, 124, 19}},
        {"a first left button starts at the edge", leadingButton, {0, 0, 0, 0}, {0, 0, 48, 24}, {52, 6, 152, 19}},
        {"a last right button ends at the edge, arrow strip included",
         trailingButton,
         {0, 0, 0, 0},
         {342, 0, 400, 24},
         {0, 0, 0, 0}},
        {"a centred message keeps its spacing from the image and the button",
         cutMessage,
         {4, 4, 20, 20},
         {352, 0, 400, 24},
         {24, 6, 348, 19}},
        {"centred items in a group", allCentred, {118, 4, 134, 20}, {138, 0, 186, 24}, {190, 6, 290, 19}},
        {"right-aligned items from the right", rightAligned, {380, 4, 396, 20}, {0, 0, 0, 0}, {276, 6, 376, 19}},
        {"a stretched image fills the height less the margins", stretched, {4, 12, 20, 36}, {0, 0, 0, 0},
         {0, 0, 0, 0}},
        {"an unknown alignment ends the layout", unknownButtonAlign, {4, 4, 20, 20}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        const Layout::Result result = Layout::Arrange(c.input);
        EXPECT_TRUE(result.image == c.image) << c.name << ": image " << Show(result.image);
        EXPECT_TRUE(result.button == c.button) << c.name << ": button " << Show(result.button);
        EXPECT_TRUE(result.text == c.text) << c.name << ": text " << Show(result.text);
    }
}

TEST(CaptionBarLayout, AnEmptyClientAreaPlacesNothing)
{
    Layout::Input input = Bar();
    input.client = {0, 0, 0, 0};
    WithText(WithImage(input, left), left, 100);
    const Layout::Result result = Layout::Arrange(input);
    EXPECT_TRUE((result.image == Box{0, 0, 0, 0}));
    EXPECT_TRUE((result.text == Box{0, 0, 0, 0}));
}

TEST(CaptionBarLayout, KeepsARectangleOnItsSideOfAnother)
{
    struct Case
    {
        const char* name;
        RECT rect;
        RECT other;
        BOOL before;
        Box expected;
    };
    const RECT middle = {40, 0, 60, 10};
    const Case cases[] = {
        {"inside the widened other", {10, 0, 20, 10}, {8, 0, 30, 10}, FALSE, {10, 0, 10, 10}},
        {"spanning, kept before", {0, 0, 100, 10}, middle, TRUE, {0, 0, 36, 10}},
        {"spanning, kept after", {0, 0, 100, 10}, middle, FALSE, {64, 0, 100, 10}},
        {"left edge inside", {50, 0, 100, 10}, middle, FALSE, {64, 0, 100, 10}},
        {"right edge inside", {0, 0, 50, 10}, middle, TRUE, {0, 0, 36, 10}},
        {"wholly before where it must lie after", {0, 0, 20, 10}, middle, FALSE, {0, 0, 0, 10}},
        {"wholly after where it must lie before", {80, 0, 100, 10}, middle, TRUE, {80, 0, 80, 10}},
        {"on its side already", {80, 0, 100, 10}, middle, FALSE, {80, 0, 100, 10}},
        {"an empty other changes nothing", {0, 0, 100, 10}, {40, 0, 40, 10}, TRUE, {0, 0, 100, 10}},
    };
    for (const Case& c : cases)
    {
        RECT rect = c.rect;
        Layout::KeepOnOneSide(rect, c.other, c.before, 4);
        EXPECT_TRUE(rect == c.expected) << c.name << ": " << Show(rect);
    }
}
} // namespace
