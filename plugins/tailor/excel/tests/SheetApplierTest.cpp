#include "ExchangeFixture.h"
#include "SheetApplier.h"
#include "TailorResult.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>

namespace {

using Row = std::vector<PresetCell>;

PresetCell text(const char16_t* value)
{
  return PresetCell::of_text(value);
}

PresetCell number(double value)
{
  return PresetCell::of_number(value);
}

PresetTable table_of(const std::vector<Row>& rows)
{
  std::size_t columns = 0;
  for (const Row& row : rows)
    columns = std::max(columns, row.size());
  PresetTable table(rows.size(), columns);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      table.at(r, c) = rows[r][c];
  return table;
}

class SheetApplierTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    records_ = ExchangeFixture::records();
    ExchangeFixture::fill_sheets(sheets_, records_);
    original_ = records_;
  }

  void TearDown() override
  {
    for (const std::string& path : files_)
      std::remove(path.c_str());
  }

  int apply_keys(const std::vector<Row>& rows)
  {
    return applier().apply_field_sheet(table_of(rows), sheets_[0]);
  }

  int apply_files(const std::vector<Row>& rows)
  {
    return applier().apply_file_sheet(table_of(rows), sheets_[2]);
  }

  SheetApplier applier()
  {
    return SheetApplier(records_, [this](const std::string& text, MessageCaption caption) {
      messages_.push_back(text);
      captions_.push_back(caption);
    });
  }

  BlockRecord& record(const char* name)
  {
    for (BlockRecord& candidate : records_)
      if (candidate.entry.name_text() == name)
        return candidate;
    throw std::runtime_error(name);
  }

  const BlockRecord& original(const char* name)
  {
    for (const BlockRecord& candidate : original_)
      if (candidate.entry.name_text() == name)
        return candidate;
    throw std::runtime_error(name);
  }

  // A file in the user's temporary folder, removed after the test.
  std::u16string temporary_file(const std::string& content)
  {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "tailor-excel-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(files_.size()) + ".txt";
    std::ofstream(path, std::ios::binary) << content;
    files_.push_back(path);
    return std::u16string(path.begin(), path.end());
  }

  std::vector<BlockRecord> records_;
  std::vector<BlockRecord> original_;
  ScriptSheet sheets_[kScriptSheetCount];
  std::vector<std::string> messages_;
  std::vector<MessageCaption> captions_;
  std::vector<std::string> files_;
};

}

TEST(CellText, CellsReadAsText)
{
  PresetCell other;
  other.kind = PresetCell::Other;
  EXPECT_EQ("NULL", cell_text(PresetCell()));
  EXPECT_EQ("12", cell_text(number(12.9)));
  EXPECT_EQ("-3", cell_text(number(-3.5)));
  EXPECT_EQ("9223372036854775808", cell_text(number(9223372036854775808.0)));
  EXPECT_EQ("power", cell_text(text(u"power")));
  EXPECT_EQ("", cell_text(other));
}

TEST_F(SheetApplierTest, FieldRowsWriteTheirBitsAndKeepTheNeighbours)
{
  ASSERT_EQ(0, apply_keys({{text(u"Name"), text(u"Value")},
                           {text(u"*irkey")},
                           {text(u"power"), number(0x5A)},
                           {text(u"volume"), number(6)},
                           {text(u"label"), text(u"TV")}}));
  std::vector<uint8_t> expected = original("irkey").data.bytes();
  expected[4] = 0x5A;
  // Bits 14 to 16 from byte 4: the top two bits of byte 5 and the lowest of byte 6.
  expected[5] = uint8_t((expected[5] & 0x3F) | 0x80);
  expected[6] = uint8_t((expected[6] & 0xFE) | 0x01);
  expected[7] = 'T';
  expected[8] = 'V';
  expected[9] = 0;
  EXPECT_EQ(expected, record("irkey").data.bytes());
  EXPECT_EQ(6u, sheets_[0].blocks[0].fields[1].value);
  EXPECT_EQ("TV", sheets_[0].blocks[0].fields[2].text_value);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SheetApplierTest, ChoiceValuesOutsideTheirRangeAreRefusedNamingTheField)
{
  struct Case {
    double value;
    int result;
  };
  const Case cases[] = {{6, 0}, {1, 0}, {7, kTailorOutOfRange}, {0, kTailorOutOfRange}, {4294967297.0, kTailorOutOfRange}};
  for (const Case& c : cases) {
    SetUp();
    messages_.clear();
    EXPECT_EQ(c.result, apply_keys({{text(u"*irkey")}, {text(u"volume"), number(c.value)}})) << c.value;
    if (c.result == 0) {
      EXPECT_TRUE(messages_.empty());
    } else {
      EXPECT_EQ(std::vector<std::string>{"ERROR!! [volume]'s value is out of range,please check it!"}, messages_);
      EXPECT_EQ(original("irkey").data, record("irkey").data);
    }
  }
}

TEST_F(SheetApplierTest, RowsThatNameNothingChangeNothing)
{
  const std::vector<Row> sheets[] = {
    // A field name the block does not have.
    {{text(u"*irkey")}, {text(u"nosuch"), number(1)}, {PresetCell(), number(2)}},
    // Rows after a block that is not in the sheet, until the next known one.
    {{text(u"*ghost")}, {text(u"power"), number(1)}, {text(u"volume"), number(2)}},
    // Field rows before any block row.
    {{text(u"power"), number(1)}},
    // A string or an empty cell keeps a number field's value.
    {{text(u"*irkey")}, {text(u"power"), text(u"many")}, {text(u"power")}},
  };
  for (const std::vector<Row>& rows : sheets) {
    SetUp();
    EXPECT_EQ(0, apply_keys(rows));
    EXPECT_EQ(original("irkey").data, record("irkey").data);
    EXPECT_TRUE(messages_.empty());
  }
}

TEST_F(SheetApplierTest, ValuesWiderThanTheirFieldAreCutToIt)
{
  ASSERT_EQ(0, apply_keys({{text(u"*irkey")}, {text(u"power"), number(0x3A5)}}));
  std::vector<uint8_t> expected = original("irkey").data.bytes();
  expected[4] = 0xA5;
  EXPECT_EQ(expected, record("irkey").data.bytes());
}

TEST_F(SheetApplierTest, TextFieldsTakeNumbersAsTheirTextAndRefuseWhatDoesNotFit)
{
  ASSERT_EQ(0, apply_keys({{text(u"*irkey")}, {text(u"label"), number(1234.75)}}));
  EXPECT_EQ(0, std::memcmp(record("irkey").data.data() + 7, "1234", 5));

  // Eight bytes of field hold seven characters and the terminating zero.
  EXPECT_EQ(0, apply_keys({{text(u"*irkey")}, {text(u"label"), text(u"ABCDEFG")}}));
  EXPECT_EQ(kTailorOutOfRange, apply_keys({{text(u"*irkey")}, {text(u"label"), text(u"ABCDEFGH")}}));
  EXPECT_EQ(std::vector<std::string>{"ERROR!! [label]'s value is out of range,please check it!"}, messages_);
  EXPECT_EQ(0, std::memcmp(record("irkey").data.data() + 7, "ABCDEFG", 8));
}

TEST_F(SheetApplierTest, FieldsOutsideTheBlockDataAreRefused)
{
  record("irkey").data = BlockData(std::vector<uint8_t>(6, 0));
  EXPECT_EQ(kTailorFileFailure, apply_keys({{text(u"*irkey")}, {text(u"volume"), number(2)}}));
  EXPECT_EQ(std::vector<std::string>{"ERROR!! field [volume] lies outside block [irkey]!"}, messages_);
  EXPECT_EQ(std::vector<uint8_t>(6, 0), record("irkey").data.bytes());
}

TEST_F(SheetApplierTest, BlocksMissingFromTheImageFailTheSheet)
{
  records_.erase(records_.begin() + 1);
  EXPECT_EQ(kTailorFileFailure, apply_keys({{text(u"*irkey")}, {text(u"power"), number(1)}}));
  EXPECT_EQ(std::vector<std::string>{"ERROR!! can not find block [irkey] id[0x21]in dmh!"}, messages_);
}

TEST_F(SheetApplierTest, RawFilesReplaceTheBlockAndItsLength)
{
  std::u16string logo = temporary_file(std::string("\x01\x02\0\x03\xff", 5));
  ASSERT_EQ(0, apply_files({{text(u"*logo"), text(logo.c_str())}}));
  EXPECT_EQ(std::vector<uint8_t>({1, 2, 0, 3, 0xFF}), record("logo").data.bytes());
  EXPECT_EQ(5u, record("logo").entry.length);
}

TEST_F(SheetApplierTest, RawFilesThatDoNotOpenAndNumbersChangeNothing)
{
  ASSERT_EQ(0, apply_files({{text(u"*logo")}, {text(u"image"), number(12)}, {text(u"image"), text(u"Z:\\no\\such.bin")}}));
  EXPECT_EQ(original("logo").data, record("logo").data);
  EXPECT_EQ(original("logo").entry.length, record("logo").entry.length);
}

TEST_F(SheetApplierTest, HardwareInfoFilesFillABufferAndKeepTheLength)
{
  std::u16string info = temporary_file("panel starts\n0x01, 0x02,\n##\nled starts\n{'0', 0x3F},\n##\n");
  ASSERT_EQ(0, apply_files({{text(u"*hwinfo")}, {text(u"panel"), text(info.c_str())}}));
  std::vector<uint8_t> expected(kHardwareInfoBufferSize, 0);
  const uint8_t panel[] = {2, 0, 0x01, 0x02};
  const uint8_t led[] = {1, 0, '0', 0x3F};
  std::copy(std::begin(panel), std::end(panel), expected.begin());
  std::copy(std::begin(led), std::end(led), expected.begin() + 40);
  EXPECT_EQ(expected, record("hwinfo").data.bytes());
  EXPECT_EQ(240u, record("hwinfo").entry.length);
}

TEST_F(SheetApplierTest, HardwareInfoFilesThatFailShowTheReasonWithoutCaption)
{
  std::u16string info = temporary_file("panel starts\n0x01, 0x02,\n");
  EXPECT_EQ(kTailorFileFailure, apply_files({{text(u"*hwinfo"), text(info.c_str())}}));
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ("Parse hw info file failed", messages_.back());
  for (MessageCaption caption : captions_)
    EXPECT_EQ(MessageCaption::None, caption);
  EXPECT_EQ(original("hwinfo").data, record("hwinfo").data);
}
