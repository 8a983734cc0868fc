#include "PresetConverterFactory.h"
#include "SatTp52Converter.h"
#include "SatTpProgConverter.h"
#include "TestWorkbooks.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <windows.h>

namespace {

// Writes a workbook whose "Sheet1" fill() fills, and loads it into converter.
void load_sheet(PresetConverter& converter, const std::function<void(XlsSheet&)>& fill)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  fill(*workbook.find_worksheet("Sheet1"));
  TemporaryFile file("preset_source.xls");
  file.write(workbook.save_bytes());
  ASSERT_TRUE(converter.load(file.path())) << converter.load_error();
}

void text(XlsSheet& sheet, unsigned row, unsigned column, const std::string& value)
{
  sheet.cell(row, column)->set_narrow_text(value);
}

void number(XlsSheet& sheet, unsigned row, unsigned column, int value)
{
  sheet.cell(row, column)->set_integer(value);
}

// One satellite, a program on a transponder, a "NONE" row on a second
// transponder, and a second program on the first transponder again.
void fill_programs(XlsSheet& sheet)
{
  text(sheet, 0, 0, "Name");
  text(sheet, 2, 0, "*Astra");
  for (int column = 1; column <= 8; ++column)
    number(sheet, 2, column, column == 3 ? 192 : column);
  text(sheet, 3, 0, "Das Erste");
  number(sheet, 3, 2, 11);
  number(sheet, 3, 3, 101);
  number(sheet, 3, 4, 12);
  number(sheet, 3, 5, 13);
  number(sheet, 3, 6, 14);
  number(sheet, 3, 7, 11836);
  number(sheet, 3, 8, 27500);
  text(sheet, 3, 9, "H");
  number(sheet, 3, 11, 77);
  text(sheet, 3, 13, "L");
  number(sheet, 3, 14, 99);
  number(sheet, 3, 15, 0x1234);
  number(sheet, 3, 16, 7);
  text(sheet, 4, 0, "NONE");
  number(sheet, 4, 7, 12000);
  number(sheet, 4, 8, 27500);
  text(sheet, 4, 9, "V");
  text(sheet, 5, 0, "ZDF");
  number(sheet, 5, 7, 11836);
  number(sheet, 5, 8, 27500);
  text(sheet, 5, 9, "H");
  text(sheet, 5, 13, "R");
}

std::vector<uint8_t> name16(const std::string& name)
{
  std::vector<uint8_t> field(name.begin(), name.end());
  field.resize(16, 0);
  return field;
}

std::string message_of(const PresetConverter& converter)
{
  std::string message;
  converter.result_message(message);
  return message;
}

}

TEST(SatTpProg48Converter, WritesTheRecordsOfASmallSheet)
{
  SatTpProg48Converter converter;
  load_sheet(converter, fill_programs);
  std::vector<uint8_t> output;
  ASSERT_EQ(4 + 48 + 16 + 48 + 16 + 16 + 48, converter.convert(output, 6));
  std::vector<uint8_t> expected = concat({
    {0x01, 0x03, 0x00, 0x02},
    // satellite: kind, columns 3, 2, 1, 7, 6, 5, 4, the name without "*"
    {0, 0, 0, 0, 192, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0, 4, 0, 0, 0},
    name16("Astra"),
    // transponder: kind 2, "H" 0, 11836, 27500
    {2, 0, 0, 0, 0, 0, 0, 0, 0x3C, 0x2E, 0, 0, 0x6C, 0x6B, 0, 0},
    // program: kind 1, column 3, "L" 1, columns 4, 2, 5, 6, 14, the name
    {1, 0, 0, 0, 101, 0, 0, 0, 1, 0, 0, 0, 12, 0, 0, 0, 11, 0, 0, 0, 13, 0, 0, 0, 14, 0, 0, 0, 99, 0, 0, 0},
    name16("Das Erste"),
    // "NONE": transponder 2, "V" 1, 12000, 27500, and no program
    {2, 0, 0, 0, 1, 0, 0, 0, 0xE0, 0x2E, 0, 0, 0x6C, 0x6B, 0, 0},
    {2, 0, 0, 0, 0, 0, 0, 0, 0x3C, 0x2E, 0, 0, 0x6C, 0x6B, 0, 0},
    {1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    name16("ZDF"),
  });
  EXPECT_EQ(expected, output);
  EXPECT_EQ("Preset Data generated! 1 Satallite 2 Tp 2 Pro have been generated!", message_of(converter));
}

TEST(SatTpProg52Converter, AddsColumnEightToSatellitesAndColumns15And16ToPrograms)
{
  SatTpProg52Converter converter;
  load_sheet(converter, fill_programs);
  std::vector<uint8_t> output;
  ASSERT_EQ(4 + 52 + 16 + 52, converter.convert(output, 4));
  std::vector<uint8_t> expected = concat({
    {0x01, 0x01, 0x00, 0x01},
    {0, 0, 0, 0, 192, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0, 4, 0, 0, 0},
    name16("Astra"),
    {8, 0, 0, 0},
    {2, 0, 0, 0, 0, 0, 0, 0, 0x3C, 0x2E, 0, 0, 0x6C, 0x6B, 0, 0},
    {1, 0, 0, 0, 101, 0, 0, 0, 1, 0, 0, 0, 12, 0, 0, 0, 11, 0, 0, 0, 13, 0, 0, 0, 14, 0, 0, 0, 99, 0, 0, 0},
    {0x34, 0x12, 7, 0},
    name16("Das Erste"),
  });
  EXPECT_EQ(expected, output);
  EXPECT_EQ("Preset Data generated! 1 Satallite 1 Tp 1 Pro have been generated!", message_of(converter));
}

TEST(SatTp52Converter, WritesSatellitesAndTranspondersOnly)
{
  SatTp52Converter converter;
  load_sheet(converter, [](XlsSheet& sheet) {
    text(sheet, 2, 0, "*Hot Bird");
    number(sheet, 2, 3, 130);
    number(sheet, 2, 8, 9);
    text(sheet, 3, 0, "tp");
    number(sheet, 3, 1, 10719);
    number(sheet, 3, 2, 27500);
    text(sheet, 3, 3, "V");
    text(sheet, 4, 0, "tp");
    number(sheet, 4, 1, 10723);
    number(sheet, 4, 2, 29900);
    text(sheet, 4, 3, "H");
    number(sheet, 4, 5, 55);
  });
  std::vector<uint8_t> output;
  ASSERT_EQ(4 + 52 + 16 + 16, converter.convert(output, 5));
  std::vector<uint8_t> expected = concat({
    {0x01, 0x02, 0x00, 0x00},
    {0, 0, 0, 0, 130, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    name16("Hot Bird"),
    {9, 0, 0, 0},
    {2, 0, 0, 0, 1, 0, 0, 0, 0xDF, 0x29, 0, 0, 0x6C, 0x6B, 0, 0},
    {2, 0, 0, 0, 0, 0, 0, 0, 0xE3, 0x29, 0, 0, 0xCC, 0x74, 0, 0},
  });
  EXPECT_EQ(expected, output);
  EXPECT_EQ("Preset Data generated! 1 Satallite 2 Tp have been generated!", message_of(converter));
}

TEST(SatTpProg48Converter, ValuesNamesAndCodesFollowTheCells)
{
  SatTpProg48Converter converter;
  load_sheet(converter, [](XlsSheet& sheet) {
    text(sheet, 2, 0, "*ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    sheet.cell(2, 3)->set_float(11.9);
    sheet.cell(2, 2)->set_float(-2.5);
    text(sheet, 2, 1, "text in a value column");
    text(sheet, 3, 0, "A program name of twenty-nine");
    number(sheet, 3, 9, 5);
    text(sheet, 3, 13, "Right");
    // No text in column 0: still a transponder row.
    number(sheet, 4, 7, 3);
    text(sheet, 5, 0, "none");
    sheet.cell(5, 9)->set_wide_text(u"V");
    text(sheet, 6, 0, "NONEX");
  });
  std::vector<uint8_t> output;
  ASSERT_EQ(4 + 48 + 4 * (16 + 48), converter.convert(output, 7));
  const uint8_t* satellite = &output[4];
  EXPECT_EQ(11, satellite[4]);
  EXPECT_EQ((std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}), std::vector<uint8_t>(satellite + 8, satellite + 12));
  EXPECT_EQ(0, satellite[12]);
  EXPECT_EQ(name16("ABCDEFGHIJKLMNOP"), std::vector<uint8_t>(satellite + 32, satellite + 48));
  const uint8_t* first = &output[4 + 48];
  EXPECT_EQ(5, first[4]) << "a number in the polarisation column is kept";
  EXPECT_EQ(2, first[16 + 8]) << "side code of \"Right\"";
  EXPECT_EQ(name16("A program name o"), std::vector<uint8_t>(first + 16 + 32, first + 16 + 48));
  const uint8_t* second = first + 64;
  EXPECT_EQ(3, second[8]);
  EXPECT_EQ(name16(""), std::vector<uint8_t>(second + 16 + 32, second + 16 + 48));
  const uint8_t* third = second + 64;
  EXPECT_EQ(1, third[4]) << "a wide \"V\" is decoded too";
  EXPECT_EQ(name16("none"), std::vector<uint8_t>(third + 16 + 32, third + 16 + 48));
  EXPECT_EQ(name16("NONEX"), std::vector<uint8_t>(third + 64 + 16 + 32, third + 64 + 16 + 48));
}

TEST(SatTpProg48Converter, WideNamesAreStoredInTheAnsiCodePage)
{
  // A satellite name loses its asterisk; a program name is cut to the whole
  // characters that fit its 16 bytes.
  struct Case {
    unsigned code_page;
    std::u16string satellite;
    std::u16string program;
    std::string satellite_bytes;
    std::string program_bytes;
  };
  const Case cases[] = {
    {1252, u"*Caf\u00E9", u"\u00C9t\u00E9 \u00E0 la plage du soir", "Caf\xE9", "\xC9t\xE9 \xE0 la plage d"},
    {936, u"*\u4E2D\u6587\u53F0", u"a\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D",
     "\xD6\xD0\xCE\xC4\xCC\xA8", "a\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0"},
  };
  bool any = false;
  for (const Case& test : cases) {
    if (GetACP() != test.code_page)
      continue;
    any = true;
    SatTpProg48Converter converter;
    load_sheet(converter, [&](XlsSheet& sheet) {
      sheet.cell(2, 0)->set_wide_text(test.satellite);
      sheet.cell(3, 0)->set_wide_text(test.program);
    });
    std::vector<uint8_t> output;
    ASSERT_GT(converter.convert(output, 4), 0);
    EXPECT_EQ(name16(test.satellite_bytes), std::vector<uint8_t>(output.begin() + 4 + 32, output.begin() + 4 + 48));
    EXPECT_EQ(name16(test.program_bytes),
              std::vector<uint8_t>(output.begin() + 4 + 48 + 16 + 32, output.begin() + 4 + 48 + 16 + 48));
  }
  if (!any)
    GTEST_SKIP() << "no expected bytes for code page " << GetACP();
}

TEST(PresetConverter, HeaderHoldsTheLowBitsOfEveryCount)
{
  // Each program row is a transponder record as well, so channel lists of
  // more than 255 programs pass byte 1 and are written all the same.
  struct Case {
    const char* name;
    bool with_programs;
    int satellites;
    int programs;
    std::vector<uint8_t> header;
  };
  const Case cases[] = {
    {"255 satellites", true, 255, 0, {0xFF, 0, 0, 0}},
    {"300 satellites", true, 300, 0, {44, 0, 0, 0}},
    {"255 programs", true, 1, 255, {1, 0xFF, 0x00, 0xFF}},
    {"258 programs", true, 1, 258, {1, 2, 0x01, 0x02}},
    {"300 transponders without programs", false, 2, 300, {2, 44, 0, 0}},
  };
  for (const Case& test : cases) {
    std::unique_ptr<PresetConverter> converter;
    if (test.with_programs)
      converter = std::make_unique<SatTpProg48Converter>();
    else
      converter = std::make_unique<SatTp52Converter>();
    load_sheet(*converter, [&](XlsSheet& sheet) {
      unsigned row = kFirstDataRow;
      for (int i = 0; i < test.satellites; ++i)
        text(sheet, row++, 0, "*S");
      for (int i = 0; i < test.programs; ++i) {
        text(sheet, row, 0, "P");
        number(sheet, row++, 7, i);
      }
    });
    std::vector<uint8_t> output;
    int rows = test.satellites + test.programs;
    int result = converter->convert(output, rows + 2);
    std::size_t satellite_size = test.with_programs ? 48 : 52;
    std::size_t program_size = test.with_programs ? 16 + 48 : 16;
    ASSERT_EQ(4 + satellite_size * std::size_t(test.satellites) + program_size * std::size_t(test.programs),
              output.size())
      << test.name;
    EXPECT_EQ(int(output.size()), result) << test.name;
    EXPECT_EQ(test.header, std::vector<uint8_t>(output.begin(), output.begin() + 4)) << test.name;
    EXPECT_EQ(0u, message_of(*converter).find("Preset Data generated!")) << test.name;
  }
}

TEST(PresetConverter, SheetShorterThanTheLastRowGivesNoPreset)
{
  for (int last_row : {2, 5}) {
    SatTp52Converter converter;
    load_sheet(converter, [](XlsSheet& sheet) {
      text(sheet, 2, 0, "*S");
      text(sheet, 3, 0, "tp");
    });
    std::vector<uint8_t> output;
    EXPECT_EQ(kConvertFailed, converter.convert(output, last_row));
    EXPECT_TRUE(output.empty());
    EXPECT_EQ(0u, message_of(converter).find("Preset Data not generated!"));
  }
}

TEST(PresetConverter, LoadCountsDataRowsAndFailsOnUnreadableFiles)
{
  PresetConverter converter;
  load_sheet(converter, [](XlsSheet& sheet) {
    for (unsigned row = 2; row < 12; ++row)
      text(sheet, row, 0, "x");
    number(sheet, 14, 0, 5);
    sheet.cell(20, 0)->set_wide_text(u"w");
  });
  EXPECT_EQ(13, converter.count_data_rows());
  std::vector<uint8_t> output{1, 2};
  EXPECT_EQ(0, converter.convert(output, 5));
  EXPECT_EQ(0, converter.set_cell(3, nullptr, 0, nullptr));
  std::string message = "unchanged";
  converter.result_message(message);
  EXPECT_EQ("unchanged", message);

  EXPECT_FALSE(converter.load("missing.xls"));
  EXPECT_FALSE(converter.load_error().empty());

  TemporaryFile file("without_sheet1.xls");
  StreamBuilder stream = globals_stream({"Sheet2"}, {});
  stream.bof(0x10).dimensions(0, 0).eof();
  file.write(compound_file_with_workbook(stream.bytes()));
  EXPECT_FALSE(converter.load(file.path()));
}

TEST(PresetConverterFactory, EachGroupFactoryMakesItsConverter)
{
  EXPECT_EQ(nullptr, PresetConverterFactory().create());
  EXPECT_NE(nullptr, dynamic_cast<SatTpProg48Converter*>(SatTpProg48Factory().create().get()));
  EXPECT_NE(nullptr, dynamic_cast<SatTpProg52Converter*>(SatTpProg52Factory().create().get()));
  EXPECT_NE(nullptr, dynamic_cast<SatTp52Converter*>(SatTp52Factory().create().get()));
}
