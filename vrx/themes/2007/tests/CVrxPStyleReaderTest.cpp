// The style markup reader on its own: element extraction with nesting, and
// each value parser's accepted forms and failures.

#include "themes/2007/CVrxPStyleReader.h"

#include <cstring>

#include <gtest/gtest.h>

namespace
{

TEST(StyleReader, NestedElementOfTheSameNameStaysInsideItsOuterElement)
{
    CVrxPStyleReader reader("<A>x<A>inner</A>y</A><B>2</B>");
    CString value;
    ASSERT_TRUE(reader.ExtractTag("A", value));
    EXPECT_STREQ("x<A>inner</A>y", value);
    EXPECT_STREQ("<B>2</B>", reader.GetText());

    CVrxPStyleReader inner(value);
    ASSERT_TRUE(inner.ExtractTag("A", value));
    EXPECT_STREQ("inner", value);
    EXPECT_STREQ("xy", inner.GetText());
}

TEST(StyleReader, RepeatedNameYieldsEachElementInTurnThenFails)
{
    CVrxPStyleReader reader("<N> first </N> <M>m</M> <N>second</N>");
    CString value = "kept";
    ASSERT_TRUE(reader.ExtractTag("N", value));
    EXPECT_STREQ("first", value);
    ASSERT_TRUE(reader.ExtractTag("N", value));
    EXPECT_STREQ("second", value);
    EXPECT_FALSE(reader.ExtractTag("N", value));
    EXPECT_STREQ("second", value);
}

TEST(StyleReader, ASectionBecomesAReaderOfItsOwnAndLeavesTheText)
{
    CVrxPStyleReader reader("<MENU><Light>1, 2, 3</Light></MENU><BARS>b</BARS>");
    CVrxPStyleReader section("untouched");
    EXPECT_FALSE(reader.ReadSection("EDIT", section));
    EXPECT_STREQ("untouched", section.GetText());
    ASSERT_TRUE(reader.ReadSection("MENU", section));
    COLORREF light = 0;
    EXPECT_TRUE(section.ReadColor("Light", light));
    EXPECT_EQ(RGB(1, 2, 3), light);
    EXPECT_STREQ("<BARS>b</BARS>", reader.GetText());
    EXPECT_FALSE(reader.ReadSection("MENU", section)) << "read once";
}

TEST(StyleReader, MalformedMarkupFailsAndLeavesTheTextAlone)
{
    struct Case
    {
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {"<A>no close", "A"},
        {"<A>inner <A>x</A> but the outer never closes", "A"},
        {"<A>wrong</a>", "A"},
        {"<style>x</style>", "STYLE"},
        {"< A>x</ A>", "A"},
        {"", "A"},
        {"<A>", "A"},
        {"</A><A>", "A"},
    };
    for (const Case& c : cases)
    {
        CVrxPStyleReader reader(c.text);
        CString value = "kept";
        EXPECT_FALSE(reader.ExtractTag(c.name, value)) << c.text;
        EXPECT_STREQ("kept", value) << c.text;
        EXPECT_STREQ(c.text, reader.GetText()) << c.text;
    }
}

TEST(StyleReader, UnescapeDropsQuotesAndReplacesSequences)
{
    CVrxPStyleReader reader("<T>\"a\\tb\\nLT AMP GT\"</T>");
    CString value;
    ASSERT_TRUE(reader.ExtractTag("T", value, TRUE));
    EXPECT_STREQ("a\tb\n< & >", value);
}

TEST(StyleReader, ColoursInEveryFormAndTheirFailures)
{
    const COLORREF kept = 0x123456;
    struct Case
    {
        const char* text;
        BOOL ok;
        COLORREF expected;
    };
    const Case cases[] = {
        {"255, 0, 0", TRUE, 0x0000FF},
        {"<R>255</R><G>0</G><B>0</B>", TRUE, 0x0000FF},
        {"<B> 16 </B><R>1</R><G>2</G>", TRUE, 0x100201},
        {"16711680", TRUE, 0xFF0000},
        {"-1", TRUE, 0xFFFFFFFF},
        {"300,0,-1", TRUE, 0xFF002C},
        {"1,2", FALSE, kept},
        {"1,2,3,4", FALSE, kept},
        {"<A>10</A><R>1</R><G>2</G><B>3</B>", FALSE, kept},
        {"<A>10</A>1,2,3", FALSE, kept},
        {",,", TRUE, 0},
        {"red", TRUE, 0},
    };
    for (const Case& c : cases)
    {
        COLORREF color = kept;
        EXPECT_EQ(c.ok, CVrxPStyleReader::ParseColor(c.text, color)) << c.text;
        EXPECT_EQ(c.expected, color) << c.text;
    }
}

TEST(StyleReader, PointsSizesAndRectanglesInEveryFormAndTheirFailures)
{
    SIZE size = {7, 7};
    EXPECT_TRUE(CVrxPStyleReader::ParseSize("10, 20", size));
    EXPECT_EQ(10, size.cx);
    EXPECT_EQ(20, size.cy);
    EXPECT_TRUE(CVrxPStyleReader::ParseSize("<HEIGHT>4</HEIGHT><WIDTH>3</WIDTH>", size));
    EXPECT_EQ(3, size.cx);
    EXPECT_EQ(4, size.cy);
    for (const char* bad : {"10", "1,2,3", "", "<WIDTH>3</WIDTH>"})
    {
        SIZE untouched = {7, 8};
        EXPECT_FALSE(CVrxPStyleReader::ParseSize(bad, untouched)) << bad;
        EXPECT_EQ(7, untouched.cx);
        EXPECT_EQ(8, untouched.cy);
    }
    POINT point = {};
    EXPECT_TRUE(CVrxPStyleReader::ParsePoint("<X>-3</X><Y>9</Y>", point));
    EXPECT_EQ(-3, point.x);
    EXPECT_EQ(9, point.y);

    struct Case
    {
        const char* text;
        BOOL ok;
        RECT expected;
    };
    const RECT kept = {9, 9, 9, 9};
    const Case cases[] = {
        {"1, 2, 3, 4", TRUE, {1, 2, 3, 4}},
        {"<LEFTTOP>1,2</LEFTTOP><RIGHTBOTTOM>3,4</RIGHTBOTTOM>", TRUE, {1, 2, 3, 4}},
        {"<OFFSET>1,2</OFFSET><SIZE>10,20</SIZE>", TRUE, {1, 2, 11, 22}},
        {"<LEFT>5</LEFT><TOP>6</TOP><RIGHT>7</RIGHT><BOTTOM>8</BOTTOM>", TRUE, {5, 6, 7, 8}},
        {"<OFFSET>1,2</OFFSET>", FALSE, kept},
        {"<LEFTTOP>1,2</LEFTTOP><RIGHTBOTTOM>3</RIGHTBOTTOM>", FALSE, kept},
        {"1,2,3", FALSE, kept},
        {"1,2,3,4,5", FALSE, kept},
    };
    for (const Case& c : cases)
    {
        RECT rect = kept;
        EXPECT_EQ(c.ok, CVrxPStyleReader::ParseRect(c.text, rect)) << c.text;
        EXPECT_EQ(c.expected.left, rect.left) << c.text;
        EXPECT_EQ(c.expected.top, rect.top) << c.text;
        EXPECT_EQ(c.expected.right, rect.right) << c.text;
        EXPECT_EQ(c.expected.bottom, rect.bottom) << c.text;
    }
}

TEST(StyleReader, NumbersReadAsTheMarkupWritesThem)
{
    EXPECT_EQ(42, CVrxPStyleReader::ToNumber("  42abc"));
    EXPECT_EQ(-7, CVrxPStyleReader::ToNumber("-7"));
    EXPECT_EQ(0, CVrxPStyleReader::ToNumber("abc"));
    EXPECT_EQ(2147483647, CVrxPStyleReader::ToNumber("99999999999"));
    EXPECT_EQ(-2147483647 - 1, CVrxPStyleReader::ToNumber("-99999999999"));
}

TEST(StyleReader, BoolsAndIntsKeepTheirOutputWhenMissing)
{
    CVrxPStyleReader reader("<B1>true</B1><B2>yes</B2><I> 12 </I>");
    int value = 5;
    EXPECT_TRUE(reader.ReadBool("B1", value));
    EXPECT_EQ(1, value);
    EXPECT_TRUE(reader.ReadBool("B2", value));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(reader.ReadInt("I", value));
    EXPECT_EQ(12, value);
    value = 5;
    EXPECT_FALSE(reader.ReadBool("B1", value));
    EXPECT_FALSE(reader.ReadInt("missing", value));
    EXPECT_EQ(5, value);
}

TEST(StyleReader, SplitStringTrimsAndKeepsEmptyPartsOnRequest)
{
    CStringArray parts;
    ASSERT_TRUE(CVrxPStyleReader::SplitString(" a , ,b ", ",", parts, TRUE, FALSE));
    ASSERT_EQ(2, parts.GetSize());
    EXPECT_STREQ("a", parts[0]);
    EXPECT_STREQ("b", parts[1]);
    ASSERT_TRUE(CVrxPStyleReader::SplitString("a,,b,", ",", parts, FALSE, TRUE));
    ASSERT_EQ(4, parts.GetSize());
    EXPECT_STREQ("", parts[1]);
    EXPECT_STREQ("", parts[3]);
    EXPECT_FALSE(CVrxPStyleReader::SplitString("no separator", ",", parts, TRUE, FALSE));
    EXPECT_EQ(0, parts.GetSize());
    EXPECT_FALSE(CVrxPStyleReader::SplitString("a,b", "", parts, TRUE, FALSE));
    EXPECT_FALSE(CVrxPStyleReader::SplitString("   ", ",", parts, TRUE, FALSE));
}

TEST(StyleReader, FontsChangeOnlyTheNamedFields)
{
    LOGFONT font = {};
    font.lfWidth = 3;
    font.lfWeight = 123;
    font.lfQuality = 1;
    std::strcpy(font.lfFaceName, "Old");
    EXPECT_TRUE(CVrxPStyleReader::ParseFont("<HEIGHT>-11</HEIGHT><WIDTH>8</WIDTH><WEIGHT>sideways</WEIGHT>"
                                            "<QUALITY>nonsense</QUALITY><FACENAME></FACENAME>",
                                            font));
    EXPECT_EQ(-11, font.lfHeight);
    EXPECT_EQ(3, font.lfWidth);
    EXPECT_EQ(123, font.lfWeight);
    EXPECT_EQ(1, font.lfQuality);
    EXPECT_STREQ("Old", font.lfFaceName);

    EXPECT_TRUE(CVrxPStyleReader::ParseFont("<HEIGHT>14</HEIGHT><WIDTH>8</WIDTH><WEIGHT>demibold</WEIGHT>"
                                            "<QUALITY>ANTIALIASED</QUALITY><FACENAME> Sample Sans </FACENAME>",
                                            font));
    EXPECT_EQ(14, font.lfHeight);
    EXPECT_EQ(8, font.lfWidth);
    EXPECT_EQ(600, font.lfWeight);
    EXPECT_EQ(4, font.lfQuality);
    EXPECT_STREQ("Sample Sans", font.lfFaceName);

    // A face name too long for the record is cut and stays terminated.
    std::memset(font.lfFaceName, 'x', sizeof(font.lfFaceName));
    EXPECT_TRUE(CVrxPStyleReader::ParseFont("<FACENAME>ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd</FACENAME>", font));
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", font.lfFaceName);
}

TEST(StyleReader, RendererInfoNeedsAPartAndKeepsItsBitmap)
{
    CVrxPRendererInfo info;
    info.bitmapId = 18058;
    info.premultiplyCheck = 0;
    ASSERT_TRUE(CVrxPStyleReader::ParseRendererInfo(
        "<SIZE>20,16</SIZE><CORNERS>3,3,3,3</CORNERS><TRANSPARENT>255,0,255</TRANSPARENT>", info));
    EXPECT_EQ(18058, info.bitmapId);
    EXPECT_EQ(20, info.partRect.right);
    EXPECT_EQ(16, info.partRect.bottom);
    EXPECT_EQ(3, info.corners.bottom);
    EXPECT_EQ(0, info.sides.left);
    EXPECT_EQ(0xFF00FFu, info.transparentColor);
    EXPECT_EQ(1, info.premultiplyCheck);

    ASSERT_TRUE(CVrxPStyleReader::ParseRendererInfo("<RECT>0,16,20,32</RECT><SIZE>5,5</SIZE>", info));
    EXPECT_EQ(16, info.partRect.top);
    EXPECT_EQ(CVrxPRendererInfo::noTransparentColor, info.transparentColor);

    for (const char* bad : {"", "<SIZE>0,16</SIZE>", "<RECT>5,5,5,9</RECT>", "<CORNERS>1,1,1,1</CORNERS>"})
    {
        CVrxPRendererInfo untouched;
        untouched.bitmapId = 7;
        untouched.partRect = {1, 2, 3, 4};
        EXPECT_FALSE(CVrxPStyleReader::ParseRendererInfo(bad, untouched)) << bad;
        EXPECT_EQ(4, untouched.partRect.bottom) << bad;
    }
}

TEST(StyleReader, ToolTipOptionsStartFromTheirDefaults)
{
    CVrxPToolTipOptions options;
    options.balloon = TRUE;
    options.takeFromVisualManager = TRUE;
    CVrxPStyleReader reader("<TOOLTIP><ROUNDED_CORNERS>TRUE</ROUNDED_CORNERS><COLOR_FILL>1,2,3</COLOR_FILL>"
                            "<MAX_DESC_WIDTH>150</MAX_DESC_WIDTH><DRAW_ICON>FALSE</DRAW_ICON></TOOLTIP>");
    ASSERT_TRUE(reader.ReadToolTipOptions("TOOLTIP", options));
    EXPECT_FALSE(options.balloon);
    EXPECT_FALSE(options.drawIcon);
    EXPECT_TRUE(options.drawDescription);
    EXPECT_EQ(150, options.maxDescriptionWidth);
    EXPECT_TRUE(options.roundedCorners);
    EXPECT_TRUE(options.boldLabel);
    EXPECT_EQ(RGB(1, 2, 3), options.fillColor);
    EXPECT_EQ(static_cast<COLORREF>(-1), options.gradientColor);
    EXPECT_EQ(-1, options.gradientAngle);
    EXPECT_TRUE(options.drawSeparator);
    EXPECT_FALSE(options.takeFromVisualManager);
}

} // namespace
