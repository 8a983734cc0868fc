#include "HardwareInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

FormatResult parse(HardwareInfo& info, const std::string& text)
{
  std::istringstream in(text);
  return info.parse_hw_info(in);
}

HardwareInfo parsed(const std::string& text)
{
  HardwareInfo info;
  FormatResult result = parse(info, text);
  EXPECT_TRUE(result.ok()) << result.message() << "\n" << text;
  return info;
}

unsigned count_of(const std::array<uint8_t, kHwPanelPartSize>& part) { return part[0] | part[1] << 8; }
unsigned count_of(const std::array<uint8_t, kHwLedPartSize>& part) { return part[0] | part[1] << 8; }

std::string panel_section(int values)
{
  std::string text = "panel starts\n";
  for (int i = 0; i < values; ++i)
    text += "0x" + std::to_string(10 + i % 80) + ", ";
  return text + "\n##\n";
}

std::string led_section(int pairs)
{
  std::string text = "led starts\n";
  for (int i = 0; i < pairs; ++i)
    text += "{'" + std::string(1, static_cast<char>('A' + i % 26)) + "', 0x" + std::to_string(i % 100) + "},\n";
  return text + "##\n";
}

}  // namespace

TEST(HardwareInfo, ClassifiesLinesOutsideSections)
{
  struct Case {
    const char* line;
    HwLineKind kind;
  };
  const Case cases[] = {
    { "// comment", HwComment },        { " \t// indented", HwComment },  { "-----------", HwSeparator },
    { "panel starts", HwPanelStart },   { "PANEL STARTS here", HwPanelStart }, { "\tPanel Starts", HwPanelStart },
    { "LED starts", HwLedStart },       { "led  starts", HwIgnored },     { "", HwIgnored },
    { "   ", HwIgnored },               { "---", HwIgnored },             { "panel", HwIgnored },
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.kind, classify_hw_line(c.line)) << "'" << c.line << "'";
}

TEST(HardwareInfo, BuildsTheBlock)
{
  HardwareInfo info = parsed("// front panel of the box\n"
                             "------\n"
                             "Panel Starts\n"
                             "0x01, 0x02,\n"
                             "\t0x40,0xA5 , 0x1FF,\n"
                             "##\n"
                             "led starts\n"
                             "{'0', 0x3F}, {'1', 0x06},\n"
                             "{' ', 0x00}, {'A', 0x77},\n"
                             "##\n");
  // Panel part: the count 5, then each value's low byte; LED part at 40: the
  // count of pairs 4, then character and bitmap bytes; every other byte 0.
  std::vector<uint8_t> expected(kHwInfoBlockSize, 0);
  const uint8_t panel[] = { 5, 0, 0x01, 0x02, 0x40, 0xA5, 0xFF };
  const uint8_t led[] = { 4, 0, '0', 0x3F, '1', 0x06, ' ', 0x00, 'A', 0x77 };
  std::copy(std::begin(panel), std::end(panel), expected.begin());
  std::copy(std::begin(led), std::end(led), expected.begin() + kHwPanelPartSize);
  EXPECT_EQ(expected, info.block());
  EXPECT_TRUE(std::equal(info.panel.begin(), info.panel.end(), expected.begin()));
  EXPECT_TRUE(std::equal(info.led.begin(), info.led.end(), expected.begin() + kHwPanelPartSize));
}

TEST(HardwareInfo, ThirtyEightPanelValuesFit)
{
  HardwareInfo info = parsed(panel_section(38));
  EXPECT_EQ(38u, count_of(info.panel));
  EXPECT_EQ(0x47, info.panel[39]);

  HardwareInfo refused;
  EXPECT_EQ(kPanelParseFailedMessage, parse(refused, panel_section(39)).message());
}

TEST(HardwareInfo, NinetyNineLedPairsFit)
{
  HardwareInfo info = parsed(led_section(99));
  EXPECT_EQ(99u, count_of(info.led));
  EXPECT_EQ('A' + 98 % 26, info.led[198]);
  EXPECT_EQ(0x98, info.led[199]);

  HardwareInfo refused;
  EXPECT_EQ(kLedParseFailedMessage, parse(refused, led_section(100)).message());
}

TEST(HardwareInfo, TokenRules)
{
  // A value that "##" ends without a comma is not stored.
  EXPECT_EQ(1u, count_of(parsed("panel starts\n0x01, 0x02 ##\n").panel));
  // Inside a section everything up to "##" counts, also after a line's last comma.
  HardwareInfo across = parsed("panel starts\n0x01, 0x\n12, ##\n");
  EXPECT_EQ(2u, count_of(across.panel));
  EXPECT_EQ(0x12, across.panel[3]);
  // A comma after an empty token is part of the token, so its prefix is
  // ",0" and "x7" is no number.
  HardwareInfo comma = parsed("panel starts\n0x05,,0x7, ##\n");
  EXPECT_EQ(2u, count_of(comma.panel));
  EXPECT_EQ(0x05, comma.panel[2]);
  EXPECT_EQ(0x00, comma.panel[3]);
  // A single '#' is part of a token.
  EXPECT_EQ(0u, count_of(parsed("led starts\n# #\n##\n").led));
}

TEST(HardwareInfo, FileWithoutSectionsGivesEmptyCounts)
{
  HardwareInfo info = parsed("// nothing here\n----\nsome text\n");
  std::vector<uint8_t> block = info.block();
  EXPECT_EQ(std::vector<uint8_t>(kHwInfoBlockSize, 0), block);
}

TEST(HardwareInfo, SectionWithoutEndFails)
{
  HardwareInfo panel;
  EXPECT_EQ(kPanelParseFailedMessage, parse(panel, "panel starts\n0x01, 0x02,\n").message());
  HardwareInfo led;
  EXPECT_EQ(kLedParseFailedMessage, parse(led, "led starts\n{'0', 0x3F},\n").message());
}

TEST(HardwareInfo, EachParseStartsFromZeroedParts)
{
  HardwareInfo info = parsed(panel_section(38) + led_section(99));
  EXPECT_TRUE(parse(info, "panel starts\n0x01,##\n").ok());
  EXPECT_EQ(1u, count_of(info.panel));
  EXPECT_EQ(0, info.panel[3]);
  EXPECT_EQ(0u, count_of(info.led));
}
