#include "HiddenProgram.h"
#include "PresetBlock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

std::vector<uint8_t> bytes_of(std::initializer_list<int> values)
{
  std::vector<uint8_t> bytes;
  for (int value : values)
    bytes.push_back(static_cast<uint8_t>(value));
  return bytes;
}

std::vector<uint8_t> header(int rows, int columns)
{
  std::vector<uint8_t> bytes(kPresetMagic, kPresetMagic + kPresetMagicSize);
  std::vector<uint8_t> counts = bytes_of({ rows >> 8, rows & 0xFF, columns >> 8, columns & 0xFF });
  bytes.insert(bytes.end(), counts.begin(), counts.end());
  return bytes;
}

std::vector<uint8_t> built(const PresetTable& table)
{
  std::vector<uint8_t> block;
  EXPECT_TRUE(build_preset_data(table, block));
  return block;
}

PresetSheet read_back(const std::vector<uint8_t>& block)
{
  PresetSheet sheet;
  EXPECT_TRUE(read_preset_data(block, sheet));
  return sheet;
}

std::vector<uint8_t> file_bytes(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes)
{
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A fresh directory standing in for the host program's.
std::string fresh_host_directory(const char* name)
{
  std::filesystem::path directory = std::filesystem::absolute(name);
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory.string();
}

// A table with gaps, numbers, a marked row and an empty row.
PresetTable sample_table()
{
  PresetTable table(4, 3);
  table.at(0, 0) = PresetCell::of_text(u"*Sat 19.2E");
  table.at(0, 2) = PresetCell::of_number(11727.0);
  table.at(1, 1) = PresetCell::of_text(u"Das Erste \u00e9\u4e2d");
  table.at(1, 2) = PresetCell::of_number(-3.5);
  table.at(3, 0) = PresetCell::of_text(u"");
  table.at(3, 2).kind = PresetCell::Other;
  return table;
}

}  // namespace

TEST(PresetData, StoresOnlyFilledCellsWithRowFlags)
{
  PresetTable table(1, 3);
  table.at(0, 0) = PresetCell::of_text(u"A");
  table.at(0, 2) = PresetCell::of_text(u"B");
  std::vector<uint8_t> expected = header(1, 3);
  std::vector<uint8_t> cells = bytes_of({ 0x80, 'A', 0, 0, 0, 0x02, 'B', 0, 0, 0 });
  expected.insert(expected.end(), cells.begin(), cells.end());
  EXPECT_EQ(expected, built(table));
}

TEST(PresetData, NumbersAreStoredAsTheirWholePart)
{
  struct Case {
    double value;
    std::u16string text;
  };
  const Case cases[] = {
    { 12.9, u"12" }, { -3.5, u"-3" }, { 0.0, u"0" }, { 1e15, u"1000000000000000" },
    { 1e30, u"-9223372036854775808" }, { std::nan(""), u"-9223372036854775808" },
  };
  for (const Case& c : cases) {
    PresetTable table(1, 1);
    table.at(0, 0) = PresetCell::of_number(c.value);
    PresetSheet sheet = read_back(built(table));
    ASSERT_EQ(1u, sheet.cells.size());
    EXPECT_TRUE(c.text == sheet.cells[0].text) << c.value;
  }
}

TEST(PresetData, EmptyRowsLeaveNoTrace)
{
  PresetTable table(3, 2);
  table.at(0, 0) = PresetCell::of_text(u"first");
  table.at(1, 0).kind = PresetCell::Other;
  table.at(2, 1) = PresetCell::of_text(u"third");
  std::vector<uint8_t> block = built(table);
  EXPECT_EQ(0x81, block[kPresetHeaderSize + 1 + 12]) << "the next stored row carries the flag";

  PresetSheet sheet = read_back(block);
  ASSERT_EQ(2u, sheet.cells.size());
  EXPECT_EQ(2u, sheet.cells[1].row) << "and is read back as the next row";
  EXPECT_EQ(2u, sheet.cells[1].column);
}

TEST(PresetData, RoundTripKeepsColumnsAfterGaps)
{
  PresetSheet sheet = read_back(built(sample_table()));
  EXPECT_EQ(3u, sheet.columns);
  struct Expected {
    std::size_t row, column;
    std::u16string text;
  };
  const Expected expected[] = {
    { 1, 1, u"*Sat 19.2E" }, { 1, 3, u"11727" }, { 2, 2, u"Das Erste \u00e9\u4e2d" }, { 2, 3, u"-3" }, { 3, 1, u"" },
  };
  ASSERT_EQ(std::size(expected), sheet.cells.size());
  for (std::size_t i = 0; i < sheet.cells.size(); ++i) {
    EXPECT_EQ(expected[i].row, sheet.cells[i].row) << i;
    EXPECT_EQ(expected[i].column, sheet.cells[i].column) << i;
    EXPECT_TRUE(expected[i].text == sheet.cells[i].text) << i;
  }
  EXPECT_EQ(std::vector<std::size_t>{ 1 }, sheet.marked_rows);
}

TEST(PresetData, ColumnsAndRowsMustFitTheFormat)
{
  std::vector<uint8_t> block;
  PresetTable widest(1, kPresetMaxColumns);
  widest.at(0, kPresetMaxColumns - 1) = PresetCell::of_text(u"last");
  ASSERT_TRUE(build_preset_data(widest, block));
  EXPECT_EQ(kPresetMaxColumns, read_back(block).cells[0].column);

  EXPECT_FALSE(build_preset_data(PresetTable(1, kPresetMaxColumns + 1), block));
  EXPECT_FALSE(build_preset_data(PresetTable(kPresetMaxRows + 1, 1), block));
}

TEST(PresetData, DamagedBlocksAreRefused)
{
  const std::vector<uint8_t> good = built(sample_table());
  struct Case {
    const char* what;
    std::size_t length;
    bool readable;
  };
  const Case cases[] = {
    { "header only", kPresetHeaderSize, true },
    { "header cut", kPresetHeaderSize - 1, false },
    { "inside the first text", kPresetHeaderSize + 5, false },
    { "half a unit", good.size() - 1, false },
    { "last text without its 0 unit", good.size() - 2, false },
    { "whole block", good.size(), true },
  };
  PresetSheet sheet;
  for (const Case& c : cases) {
    const std::vector<uint8_t> shorter(good.begin(), good.begin() + c.length);
    EXPECT_EQ(c.readable, read_preset_data(shorter, sheet)) << c.what;
  }

  std::vector<uint8_t> without_row = header(1, 1);
  std::vector<uint8_t> cell = bytes_of({ 0x00, 'x', 0, 0, 0 });
  without_row.insert(without_row.end(), cell.begin(), cell.end());
  EXPECT_FALSE(read_preset_data(without_row, sheet)) << "a cell before the first row";
}

TEST(PresetPacker, RunsLzmaOnFreshWorkingFiles)
{
  const std::string host = fresh_host_directory("packer-host");
  const std::string plain = host + "\\npreset";
  const std::string packed = host + "\\npreset.7z";
  write_file(plain, bytes_of({ 'o', 'l', 'd' }));
  write_file(packed, bytes_of({ 'o', 'l', 'd' }));

  std::vector<std::string> commands;
  bool output_existed = true;
  std::vector<uint8_t> input_seen;
  PresetPacker packer(host, [&](const std::string& command_line) {
    commands.push_back(command_line);
    const bool packing = command_line.compare(0, 11, "lzma.exe e ") == 0;
    output_existed = std::filesystem::exists(packing ? packed : plain);
    input_seen = file_bytes(packing ? plain : packed);
    write_file(packing ? packed : plain, bytes_of({ 'o', 'u', 't' }));
    return true;
  });

  std::vector<uint8_t> output;
  ASSERT_TRUE(packer.pack_preset(bytes_of({ 1, 2, 3, 4 }), output).ok());
  EXPECT_EQ("lzma.exe e \"" + plain + "\" \"" + packed + "\"", commands.at(0));
  EXPECT_FALSE(output_existed) << "leftovers are deleted first";
  EXPECT_EQ(bytes_of({ 1, 2, 3, 4 }), input_seen);
  EXPECT_EQ(bytes_of({ 'o', 'u', 't' }), output);

  ASSERT_TRUE(packer.unpack_preset(bytes_of({ 9, 8 }), output).ok());
  EXPECT_EQ("lzma.exe d \"" + packed + "\" \"" + plain + "\"", commands.at(1));
  EXPECT_FALSE(output_existed);
  EXPECT_EQ(bytes_of({ 9, 8 }), input_seen);
  std::filesystem::remove_all(host);
}

TEST(PresetPacker, Failures)
{
  const std::string host = fresh_host_directory("packer-failures");
  std::vector<uint8_t> output;

  PresetPacker silent(host, [](const std::string&) { return true; });
  EXPECT_EQ(kPackOutputMissingMessage, silent.pack_preset(bytes_of({ 1 }), output).message())
      << "no output file after the run";

  PresetPacker failing(host, [&](const std::string&) {
    write_file(host + "\\npreset.7z", bytes_of({ 'p', 'a', 'r', 't' }));
    return false;
  });
  EXPECT_EQ(kPackOutputMissingMessage, failing.pack_preset(bytes_of({ 1 }), output).message());
  EXPECT_FALSE(std::filesystem::exists(host + "\\npreset.7z")) << "a failed run's output is not kept";

  bool ran = false;
  PresetPacker nowhere(host + "\\missing-directory", [&](const std::string&) { return ran = true; });
  FormatResult result = nowhere.pack_preset(bytes_of({ 1 }), output);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ("", result.message()) << "an input file that cannot be created is not reported";
  EXPECT_FALSE(ran);
  std::filesystem::remove_all(host);
}

// These run the real lzma.exe of dist/, found on the program search path.
TEST(PresetBlock, PacksThroughLzmaAndReadsBack)
{
  const std::string host = fresh_host_directory("preset-host");
  PresetPacker packer(host, run_hidden_and_wait);

  std::vector<BlockRecord> records(2);
  std::memcpy(records[0].entry.name, "boot", 4);
  std::memcpy(records[1].entry.name, "presetdb", 8);
  records[1].entry.length = 3;
  records[1].data = bytes_of({ 1, 2, 3 });

  std::size_t packed_length = 0;
  FormatResult built_block = build_preset_block(records, sample_table(), packer, packed_length);
  ASSERT_TRUE(built_block.ok()) << built_block.message();
  EXPECT_GT(packed_length, 13u);
  EXPECT_EQ(packed_length, records[1].entry.length);
  EXPECT_EQ(packed_length, records[1].data.size());
  EXPECT_TRUE(records[0].data.empty());
  EXPECT_EQ(built(sample_table()), file_bytes(host + "\\npreset")) << "the working files stay until the next run";

  const BlockRecord* preset = find_preset_record(records);
  ASSERT_EQ(&records[1], preset);
  PresetSheet sheet;
  FormatResult read = read_preset_block(*preset, packer, sheet);
  ASSERT_TRUE(read.ok()) << read.message();
  ASSERT_EQ(5u, sheet.cells.size());
  EXPECT_TRUE(sheet.cells[2].text == u"Das Erste \u00e9\u4e2d");
  EXPECT_EQ(3u, sheet.cells[3].column);

  std::vector<BlockRecord> without_preset(1);
  EXPECT_TRUE(build_preset_block(without_preset, sample_table(), packer, packed_length).ok());
  EXPECT_GT(packed_length, 0u) << "the packed length even without a block to attach to";
  EXPECT_TRUE(without_preset[0].data.empty());

  BlockRecord damaged = records[1];
  damaged.data.edit().resize(damaged.data.size() / 2);
  EXPECT_EQ(kPackOutputMissingMessage, read_preset_block(damaged, packer, sheet).message());
  std::filesystem::remove_all(host);
}
