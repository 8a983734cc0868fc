#include "BankImage.h"
#include "ConfigGeneration.h"
#include "FlashImageAnalysis.h"
#include "HardwareInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace bank_image;

namespace {

// Bit by bit, independent of the table-driven code under test.
uint32_t reference_crc(const std::vector<uint8_t>& data)
{
  uint32_t crc = 0xFFFFFFFF;
  for (uint8_t byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return crc;
}

// The script of the tests: the four table blocks as raw-file rows, three
// configuration areas and a hardware-info row.
std::vector<ScriptBlock> script()
{
  return {script_block(0, ScriptBlock::RawFile, 0, "cfgA"),
          script_block(0, ScriptBlock::RawFile, 0x100, "cfgB"),
          script_block(0x10, ScriptBlock::RawFile, 0, "kernel"),
          script_block(0x11, ScriptBlock::RawFile, 0, "logo"),
          script_block(0x12, ScriptBlock::HardwareInfoFile, 0, "panel"),
          script_block(0x77, ScriptBlock::RawFile, 0, "nothing"),
          script_block(0, ScriptBlock::RawFile, 0x200, "cfgC")};
}

const std::size_t kCfgA = 0, kCfgB = 1, kKernel = 2, kLogo = 3, kPanel = 4, kNothing = 5, kCfgC = 6;

GenerationRequest with_row(std::size_t block, std::vector<uint8_t> bytes)
{
  GenerationRequest request;
  request.rows.push_back(RowFile{block, std::move(bytes)});
  return request;
}

// What the image looks like once its table is rewritten with entries.
std::vector<uint8_t> with_table(std::vector<uint8_t> image, const std::vector<FlashBlockEntry>& entries)
{
  put_table(image, entries);
  return image;
}

void expect_same_entries(const std::vector<FlashBlockEntry>& expected, const std::vector<FlashBlockEntry>& actual)
{
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t j = 0; j < expected.size(); ++j) {
    EXPECT_EQ(expected[j].offset, actual[j].offset) << "entry " << j;
    EXPECT_EQ(expected[j].length, actual[j].length) << "entry " << j;
    EXPECT_EQ(expected[j].crc, actual[j].crc) << "entry " << j;
  }
}

struct Generated {
  std::vector<ScriptBlock> blocks = script();
  GenerationImage source = make();
  GenerationResult run(const GenerationRequest& request) { return ConfigGeneration(blocks).generate(source, request); }
};

void expect_refused(const GenerationResult& result, int code, const std::string& message)
{
  EXPECT_EQ(code, result.code);
  ASSERT_FALSE(result.messages.empty());
  EXPECT_EQ(message, result.messages.back());
  // Nothing for the view to adopt: its image stays as it was.
  EXPECT_TRUE(result.image.bytes.empty());
  EXPECT_TRUE(result.image.entries.empty());
}

}  // namespace

TEST(ConfigGeneration, ReplacesABlockOfTheSameLength)
{
  Generated g;
  std::vector<uint8_t> data = filled(0x1000, 9);
  GenerationResult result = g.run(with_row(kKernel, data));
  ASSERT_TRUE(result.ok());
  EXPECT_TRUE(result.messages.empty());

  std::vector<FlashBlockEntry> entries = g.source.entries;
  entries[0].crc = reference_crc(data);
  std::vector<uint8_t> expected = g.source.bytes;
  std::copy(data.begin(), data.end(), expected.begin() + 0x2000);
  expect_same_entries(entries, result.image.entries);
  EXPECT_EQ(with_table(expected, entries), result.image.bytes);
}

TEST(ConfigGeneration, ShrinkPullsTheDataBehindForward)
{
  Generated g;
  std::vector<uint8_t> data = filled(0x800, 1);
  GenerationResult result = g.run(with_row(kKernel, data));
  ASSERT_TRUE(result.ok());

  const std::vector<uint8_t>& old = g.source.bytes;
  std::vector<uint8_t> expected = old;
  std::copy(data.begin(), data.end(), expected.begin() + 0x2000);
  // Everything up to the tail moves 0x800 down; the last 0x800 bytes come
  // from the start of the tail.
  for (std::size_t p = 0x2800; p < kRegionEnd; ++p)
    expected[p] = old[p + 0x800];
  // The aligned block keeps its 64 KB place, and its data stay with it.
  std::copy(old.begin() + 0x10000, old.begin() + 0x10100, expected.begin() + 0x10000);

  std::vector<FlashBlockEntry> entries = g.source.entries;
  entries[0].length = 0x800;
  entries[0].crc = reference_crc(data);
  entries[1].offset = 0x2800;
  expect_same_entries(entries, result.image.entries);
  EXPECT_EQ(with_table(expected, entries), result.image.bytes);
}

TEST(ConfigGeneration, GrowPushesTheDataBehindBack)
{
  Generated g;
  std::vector<uint8_t> data = filled(0x1800, 4);
  GenerationResult result = g.run(with_row(kKernel, data));
  ASSERT_TRUE(result.ok());

  const std::vector<uint8_t>& old = g.source.bytes;
  std::vector<uint8_t> expected = old;
  std::copy(data.begin(), data.end(), expected.begin() + 0x2000);
  for (std::size_t p = 0x3800; p < kRegionEnd; ++p)
    expected[p] = old[p - 0x800];
  std::copy(old.begin() + 0x10000, old.begin() + 0x10100, expected.begin() + 0x10000);

  std::vector<FlashBlockEntry> entries = g.source.entries;
  entries[0].length = 0x1800;
  entries[0].crc = reference_crc(data);
  entries[1].offset = 0x3800;
  expect_same_entries(entries, result.image.entries);
  EXPECT_EQ(with_table(expected, entries), result.image.bytes);
}

TEST(ConfigGeneration, AlignedBlockDataMoveToTheirRoundedOffset)
{
  struct Case {
    uint32_t kernel_length;
    uint32_t aligned_offset;
  };
  // The logo ends at 0x2000 + length + 0x800.
  const Case cases[] = {{0x800, 0x10000}, {0xD800, 0x10000}, {0xD801, 0x20000}, {0x1D800, 0x20000}};
  for (const Case& c : cases) {
    Generated g;
    GenerationResult result = g.run(with_row(kKernel, filled(c.kernel_length, 2)));
    ASSERT_TRUE(result.ok()) << c.kernel_length;
    EXPECT_EQ(0x2000 + c.kernel_length, result.image.entries[1].offset);
    EXPECT_EQ(c.aligned_offset, result.image.entries[2].offset) << c.kernel_length;
    std::vector<uint8_t> moved(result.image.bytes.begin() + c.aligned_offset,
                               result.image.bytes.begin() + c.aligned_offset + 0x100);
    EXPECT_EQ(std::vector<uint8_t>(g.source.bytes.begin() + 0x10000, g.source.bytes.begin() + 0x10100), moved)
        << c.kernel_length;
    // The block in the reserved tail keeps its place and its bytes.
    EXPECT_EQ(0x70000u, result.image.entries[3].offset);
    EXPECT_TRUE(std::equal(g.source.bytes.begin() + kRegionEnd, g.source.bytes.end(),
                           result.image.bytes.begin() + kRegionEnd));
  }
}

TEST(ConfigGeneration, EmptyFileAndNoCrcBlocks)
{
  Generated g;
  GenerationResult empty = g.run(with_row(kKernel, {}));
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(0u, empty.image.entries[0].length);
  EXPECT_EQ(0xFFFFFFFFu, empty.image.entries[0].crc);

  GenerationResult logo = g.run(with_row(kLogo, filled(0x20, 3)));
  ASSERT_TRUE(logo.ok());
  EXPECT_EQ(0x20u, logo.image.entries[1].length);
  EXPECT_EQ(kNoCrcWord, logo.image.entries[1].crc);
  // Entries before the replaced one keep their offsets.
  EXPECT_EQ(0x2000u, logo.image.entries[0].offset);
  // The aligned block behind it rounds 0x3020 up to its own place.
  EXPECT_EQ(0x10000u, logo.image.entries[2].offset);
}

TEST(ConfigGeneration, HardwareInfoRowPlacesTheBlock)
{
  Generated g;
  std::string text = "panel starts\n0x01, 0x02,\n##\nled starts\n{'0', 0x3F},\n##\n";
  GenerationResult result = g.run(with_row(kPanel, std::vector<uint8_t>(text.begin(), text.end())));
  ASSERT_TRUE(result.ok());
  std::vector<uint8_t> block(240, 0);
  const uint8_t panel[] = {2, 0, 0x01, 0x02};
  const uint8_t led[] = {1, 0, '0', 0x3F};
  std::copy(std::begin(panel), std::end(panel), block.begin());
  std::copy(std::begin(led), std::end(led), block.begin() + 40);
  EXPECT_EQ(240u, result.image.entries[2].length);
  EXPECT_EQ(reference_crc(block), result.image.entries[2].crc);
  EXPECT_TRUE(std::equal(block.begin(), block.end(), result.image.bytes.begin() + 0x10000));

  std::string broken = "panel starts\n0x01,\n";
  GenerationResult failed = g.run(with_row(kPanel, std::vector<uint8_t>(broken.begin(), broken.end())));
  expect_refused(failed, kTailorScriptError, kHwInfoFailedMessage);
  EXPECT_EQ((std::vector<std::string>{kPanelParseFailedMessage, kHwInfoFailedMessage}), failed.messages);
}

TEST(ConfigGeneration, ConfigurationAreasWithTheirOverflowChecks)
{
  struct Case {
    std::size_t block;
    std::size_t length;
    uint32_t position;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {kCfgA, 0x100, 0x400, kTailorDone, nullptr},
      {kCfgA, 0x101, 0, kTailorOutOfRange, kOverflow0Message},
      // The next block is a table block: the area ends at the bank header.
      {kCfgB, 0xB00, 0x500, kTailorDone, nullptr},
      {kCfgB, 0xB01, 0, kTailorOutOfRange, kOverflow1Message},
      // The last script block ends at the first table block.
      {kCfgC, 0x1A00, 0x600, kTailorDone, nullptr},
      {kCfgC, 0x1A01, 0, kTailorOutOfRange, kOverflow2Message},
  };
  for (const Case& c : cases) {
    Generated g;
    std::vector<uint8_t> data = filled(c.length, 5);
    GenerationResult result = g.run(with_row(c.block, data));
    if (c.message != nullptr) {
      expect_refused(result, c.code, c.message);
      continue;
    }
    ASSERT_TRUE(result.ok()) << c.block;
    std::vector<uint8_t> expected = g.source.bytes;
    std::copy(data.begin(), data.end(), expected.begin() + c.position);
    // The table (rewritten at H + 12) does not change.
    expect_same_entries(g.source.entries, result.image.entries);
    EXPECT_EQ(with_table(expected, g.source.entries), result.image.bytes) << c.block;
  }
}

TEST(ConfigGeneration, TableBlockErrors)
{
  Generated g;
  expect_refused(g.run(with_row(kNothing, {1, 2})), kTailorNoSuchBlock, kNoMatchBlockMessage);
  // The block itself would reach into the reserved tail.
  expect_refused(g.run(with_row(kKernel, filled(kRegionEnd - 0x2000 + 1, 0))), kTailorOutOfRange,
                 kFileTooBigMessage);
  // It fits, but the aligned block behind it would end in the tail.
  expect_refused(g.run(with_row(kKernel, filled(kRegionEnd - 0x2800, 0))), kTailorOutOfRange, kFileTooBigMessage);
  // A failing later row drops what earlier rows did.
  GenerationRequest two = with_row(kCfgA, filled(0x10, 1));
  two.rows.push_back(RowFile{kNothing, {1}});
  expect_refused(g.run(two), kTailorNoSuchBlock, kNoMatchBlockMessage);
}

TEST(ConfigGeneration, LongRowFileIsCutAtTwoMegabytes)
{
  Generated g;
  g.source.bytes.resize(0x400000, 0xEE);
  std::vector<uint8_t> data = filled(kMaxRowFileSize + 1, 6);
  GenerationResult result = g.run(with_row(kKernel, data));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(kMaxRowFileSize, result.image.entries[0].length);
  data.resize(kMaxRowFileSize);
  EXPECT_EQ(reference_crc(data), result.image.entries[0].crc);
}

TEST(ConfigGeneration, ConfigurationFileOverlaysTheRows)
{
  Generated g;
  GenerationRequest request = with_row(kCfgA, filled(0x100, 7));
  std::vector<uint8_t> config = filled(kConfigLength, 8);
  request.config_file = config;
  GenerationResult result = g.run(request);
  ASSERT_TRUE(result.ok());
  std::vector<uint8_t> expected = g.source.bytes;
  std::copy(config.begin(), config.end(), expected.begin() + kConfigOffset);
  EXPECT_EQ(with_table(expected, g.source.entries), result.image.bytes);

  for (std::size_t length : {kConfigLength - 1, kConfigLength + 1}) {
    request.config_file = filled(length, 8);
    expect_refused(g.run(request), kTailorOutOfRange, kWrongConfigMessage);
  }
}

TEST(ConfigGeneration, KeyRecordAtItsPlace)
{
  Generated g;
  GenerationRequest request;
  std::vector<uint8_t> key = filled(kMaxKeyFileSize, 0x40);
  request.key_file = key;
  GenerationResult result = g.run(request);
  ASSERT_TRUE(result.ok());
  std::vector<uint8_t> expected = g.source.bytes;
  expected[kConfigOffset + 628] = 0x80;
  expected[kConfigOffset + 629] = 0x00;
  std::copy(key.begin() + 5, key.begin() + 133, expected.begin() + kConfigOffset + 630);
  EXPECT_EQ(expected, result.image.bytes);

  // Too long, and too short to hold the 128 key bytes.
  for (std::size_t length : {kMaxKeyFileSize + 1, std::size_t(132)}) {
    request.key_file = filled(length, 0x40);
    expect_refused(g.run(request), kTailorOutOfRange, kWrongKeyMessage);
  }
  request.key_file = filled(133, 0x40);
  EXPECT_TRUE(g.run(request).ok());
}

TEST(ConfigGeneration, BytePatch)
{
  struct Case {
    const char* address;
    const char* value;
    std::size_t patched;
    uint8_t byte;
  };
  const Case cases[] = {{"1234", "ab", 0x1234, 0xAB},
                        {"0x7ffff", "1FF", kSize - 1, 0xFF},
                        {"zz", "5", 0, 0x05},
                        {"24", "", 0x24, 0x00}};
  for (const Case& c : cases) {
    Generated g;
    GenerationRequest request;
    request.flash_address_text = c.address;
    request.byte_value_text = c.value;
    GenerationResult result = g.run(request);
    ASSERT_TRUE(result.ok()) << c.address;
    EXPECT_TRUE(result.messages.empty());
    std::vector<uint8_t> expected = g.source.bytes;
    expected[c.patched] = c.byte;
    EXPECT_EQ(expected, result.image.bytes) << c.address;
  }

  Generated g;
  GenerationRequest request;
  request.flash_address_text = "80000";
  request.byte_value_text = "1";
  request.key_file = filled(kMaxKeyFileSize, 0x40);
  GenerationResult result = g.run(request);
  // Generation goes on without the patch.
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(std::vector<std::string>{kInvalidAddressMessage}, result.messages);
  EXPECT_EQ(0x80, result.image.bytes[kConfigOffset + 628]);
}

TEST(ConfigGeneration, RunChecksAndWritesTheOutput)
{
  Generated g;
  ConfigGeneration generation(g.blocks);
  GenerationRequest request = with_row(kKernel, filled(0x10, 1));
  expect_refused(generation.run(g.source, request), kTailorFileMissing, kSelectOutputMessage);

  request.output_path = "no-such-folder/out.bin";
  expect_refused(generation.run(g.source, request), kTailorWriteError, kOutputOpenFailedMessage);

  request.output_path = "tailor_config_out.bin";
  GenerationResult result = generation.run(g.source, request);
  ASSERT_TRUE(result.ok());
  std::vector<uint8_t> written;
  ASSERT_TRUE(read_file_bytes(request.output_path, SIZE_MAX, written));
  EXPECT_EQ(result.image.bytes, written);
  std::remove(request.output_path.c_str());

  // An error after rows were placed writes nothing.
  request.output_path = "tailor_config_refused.bin";
  request.key_file = filled(kMaxKeyFileSize + 1, 0);
  expect_refused(generation.run(g.source, request), kTailorOutOfRange, kWrongKeyMessage);
  EXPECT_FALSE(std::ifstream(request.output_path).good());
}

TEST(ConfigGeneration, ReadsTheChosenFiles)
{
  std::vector<ScriptBlock> blocks = script();
  ConfigGeneration generation(blocks);
  const std::string row_path = "tailor_config_row.bin";
  std::ofstream(row_path, std::ios::binary) << "abc";

  // Rows count the raw-file and hardware-info blocks in script order.
  GenerationRequest request;
  std::vector<std::string> rows(blocks.size());
  rows[2] = row_path;
  GenerationResult read = generation.read_files(rows, "", "", request);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(1u, request.rows.size());
  EXPECT_EQ(kKernel, request.rows[0].block);
  EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 'c'}), request.rows[0].bytes);
  EXPECT_FALSE(request.config_file.has_value());

  rows[0] = "missing-row.bin";
  GenerationRequest missing;
  GenerationResult failed = generation.read_files(rows, "", "", missing);
  EXPECT_EQ(kTailorFileFailure, failed.code);
  EXPECT_EQ(std::vector<std::string>{std::string(kBrowsedFileFailedMessage) + "missing-row.bin"}, failed.messages);

  GenerationRequest key;
  EXPECT_EQ(kTailorFileFailure, generation.read_files({}, "", "missing.pub", key).code);
  std::remove(row_path.c_str());
}

TEST(ConfigGeneration, RefusesAnImageWhoseTableDoesNotFit)
{
  Generated g;
  g.source.bank_header_position = kSize - 12 - 48;
  expect_refused(g.run(GenerationRequest()), kTailorFileFailure, kWrongBinFileMessage);
}
