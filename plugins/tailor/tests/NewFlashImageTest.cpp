#include "BlockCrc.h"
#include "FlashImageAnalysis.h"
#include "ImageBuilder.h"
#include "NewFlashImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

using namespace image_builder;

namespace {

const std::size_t kOneMegabyte = 0x100000;

FlashImageAnalysis analysed(const std::vector<uint8_t>& image)
{
  FlashImageAnalysis analysis;
  FormatResult result = analysis.analyse(image, "C:\\box.bin", false);
  EXPECT_TRUE(result.ok()) << result.message();
  EXPECT_EQ(FlashImageAnalysis::DmForm, analysis.form);
  return analysis;
}

// Boot blocks under a header at 0, application blocks under a header at 0x40000.
std::vector<uint8_t> two_header_image()
{
  std::vector<uint8_t> image(kOneMegabyte, 0x5A);
  place_dm_header(image, 0, 0x100000, { entry(0x01, 0x100, 0x200, "boot"), entry(0x02, 0x400, 0x100, "loader", kNoCrcWord) });
  place_dm_header(image, 0x40000, 0x100000,
                  { entry(0x10, 0x100, 0x300, "kernel"), entry(0x11, 0x1000, 0x80, "preset"),
                    entry(0x12, 0x2000, 0x40, "toolcfg") });
  fill_pattern(image, 0x100, 0x200, 1);
  fill_pattern(image, 0x400, 0x100, 2);
  fill_pattern(image, 0x40100, 0x300, 3);
  fill_pattern(image, 0x41000, 0x80, 4);
  fill_pattern(image, 0x42000, 0x40, 5);
  return image;
}

FormatResult lay_out(NewFlashImage& result, FlashImageAnalysis& analysis)
{
  return result.lay_out(analysis.record_copy, analysis.image);
}

std::vector<uint8_t> pattern(std::size_t length, uint8_t seed)
{
  std::vector<uint8_t> bytes(length);
  fill_pattern(bytes, 0, length, seed);
  return bytes;
}

// The check word worked out bit by bit, apart from the table the cores use.
uint32_t reference_crc(const std::vector<uint8_t>& bytes)
{
  uint32_t value = 0xFFFFFFFF;
  for (uint8_t byte : bytes) {
    value ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
  }
  return value;
}

void put_bytes(std::vector<uint8_t>& image, std::size_t position, const std::vector<uint8_t>& bytes)
{
  std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(position));
}

std::size_t first_difference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
  const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return mismatch.first == a.end() && mismatch.second == b.end() ? std::string::npos
                                                                 : static_cast<std::size_t>(mismatch.first - a.begin());
}

}  // namespace

TEST(NewFlashImage, UnchangedRecordsGiveTheImageWithFreshCrcWords)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());
  ASSERT_EQ(analysis.image.size(), result.image.size());

  FlashImageAnalysis again = analysed(result.image);
  ASSERT_EQ(5u, again.records.size());
  for (std::size_t j = 0; j < 5; ++j) {
    const BlockRecord& record = again.records[j];
    EXPECT_EQ(analysis.records[j].data, record.data) << j;
    EXPECT_EQ(analysis.records[j].entry.offset, record.entry.offset) << j;
    if (j == 1)
      EXPECT_EQ(kNoCrcWord, record.entry.crc) << "NCRC is kept";
    else
      EXPECT_EQ(block_crc32(record.data.data(), record.data.size()), record.entry.crc) << j;
  }

  // Only CRC words changed: every other byte is the analysed one.
  std::size_t differing = 0;
  for (std::size_t i = 0; i < result.image.size(); ++i)
    differing += result.image[i] != analysis.image[i];
  EXPECT_GT(differing, 0u);
  EXPECT_LE(differing, 4u * 4);
  for (std::size_t i = 0; i < result.image.size(); ++i) {
    const bool in_crc_word = (i >= 28 + 12 && i < 28 + 16) || (i >= 0x40000 + 28 + 12 && i < 0x40000 + 28 + 16) ||
                             (i >= 0x40000 + 28 + 48 + 12 && i < 0x40000 + 28 + 48 + 16) ||
                             (i >= 0x40000 + 28 + 96 + 12 && i < 0x40000 + 28 + 96 + 16);
    if (!in_crc_word && result.image[i] != analysis.image[i]) {
      ADD_FAILURE() << "byte " << i << " changed";
      break;
    }
  }
}

TEST(NewFlashImage, LayoutGivesTheExpectedBytes)
{
  const std::vector<uint8_t> digits = { '1', '2', '3', '4', '5', '6', '7', '8', '9' };
  ASSERT_EQ(0x340BC6D9u, reference_crc(digits));

  std::vector<uint8_t> image(kOneMegabyte, 0x5A);
  image[0x40000 + 20] = 0x77;  // a header byte the layout does not interpret
  place_dm_header(image, 0, 0x100000, { entry(0x01, 0x100, 9, "boot", 0), entry(0x02, 0x200, 0x10, "loader", kNoCrcWord) });
  place_dm_header(image, 0x40000, 0x100000,
                  { entry(0x10, 0x100, 0x300, "kernel", 0), entry(kAlignedBlockIdA4, 0x1000, 0x80, "preset", 0),
                    entry(0x12, 0x2000, 0x40, "toolcfg", 0) });
  put_bytes(image, 0x100, digits);
  fill_pattern(image, 0x200, 0x10, 2);
  fill_pattern(image, 0x40100, 0x300, 3);
  fill_pattern(image, 0x41000, 0x80, 4);
  fill_pattern(image, 0x42000, 0x40, 5);

  FlashImageAnalysis analysis = analysed(image);
  // The kernel grows past the preset block, which then moves to the next
  // 64 KB boundary and pushes the last block behind it.
  const std::vector<uint8_t> kernel = pattern(0x1200, 8);
  analysis.record_copy[2].data = kernel;
  analysis.record_copy[2].entry.length = 0x1200;
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());

  std::vector<uint8_t> expected = image;
  put_bytes(expected, 0x40100, kernel);
  put_bytes(expected, 0x50000, pattern(0x80, 4));
  put_bytes(expected, 0x50080, pattern(0x40, 5));
  place_dm_header(expected, 0, 0x100000,
                  { entry(0x01, 0x100, 9, "boot", 0x340BC6D9), entry(0x02, 0x200, 0x10, "loader", kNoCrcWord) });
  place_dm_header(expected, 0x40000, 0x100000,
                  { entry(0x10, 0x100, 0x1200, "kernel", reference_crc(kernel)),
                    entry(kAlignedBlockIdA4, 0x10000, 0x80, "preset", reference_crc(pattern(0x80, 4))),
                    entry(0x12, 0x10080, 0x40, "toolcfg", reference_crc(pattern(0x40, 5))) });
  ASSERT_EQ(expected.size(), result.image.size());
  EXPECT_EQ(std::string::npos, first_difference(expected, result.image))
      << "first differing byte at 0x" << std::hex << first_difference(expected, result.image);
}

TEST(NewFlashImage, ReplacedDataGetNewLengthAndCrc)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  BlockRecord& preset = analysis.record_copy[3];
  preset.data = pattern(0x60, 9);
  preset.entry.length = 0x60;
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());

  FlashImageAnalysis again = analysed(result.image);
  EXPECT_EQ(pattern(0x60, 9), again.records[3].data);
  EXPECT_EQ(block_crc32(again.records[3].data.data(), 0x60), again.records[3].entry.crc);
  EXPECT_EQ(preset.entry.crc, again.records[3].entry.crc) << "the records keep the new entries";
}

TEST(NewFlashImage, LongerDataCopiesCountOnlyTheirLength)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  BlockRecord& kernel = analysis.record_copy[2];
  kernel.data = pattern(5120, 6);
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());
  FlashImageAnalysis again = analysed(result.image);
  EXPECT_EQ(std::vector<uint8_t>(kernel.data.begin(), kernel.data.begin() + 0x300), again.records[2].data);
  EXPECT_EQ(0x5A, result.image[0x40100 + 0x300]) << "bytes behind the block are untouched";
  EXPECT_EQ(block_crc32(kernel.data.data(), 0x300), again.records[2].entry.crc);
}

TEST(NewFlashImage, SixtyFourKilobyteRoundingForTwoBlockIds)
{
  struct Case {
    uint8_t id;
    uint32_t offset;
    uint32_t laid_out;
  };
  const Case cases[] = {
    { 0xA4, 0x12345, 0x20000 }, { 0xA4, 0x30000, 0x30000 }, { 0xA8, 0x10001, 0x20000 }, { 0xA5, 0x12345, 0x12345 },
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> image(kOneMegabyte, 0);
    place_dm_header(image, 0, 0x100000, { entry(c.id, c.offset, 0x20, "blk") });
    fill_pattern(image, c.offset, 0x20, 7);
    FlashImageAnalysis analysis = analysed(image);
    NewFlashImage result;
    ASSERT_TRUE(lay_out(result, analysis).ok());
    FlashImageAnalysis again = analysed(result.image);
    EXPECT_EQ(c.laid_out, again.records[0].entry.offset) << std::hex << int(c.id) << " " << c.offset;
    EXPECT_EQ(pattern(0x20, 7), again.records[0].data);
  }
}

TEST(NewFlashImage, GrownBlockPushesTheNextOne)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  BlockRecord& kernel = analysis.record_copy[2];
  kernel.data = pattern(0x1200, 8);  // now ends at 0x1300, past preset's start 0x1000
  kernel.entry.length = 0x1200;
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());

  FlashImageAnalysis again = analysed(result.image);
  EXPECT_EQ(pattern(0x1200, 8), again.records[2].data);
  EXPECT_EQ(0x1300u, again.records[3].entry.offset);
  EXPECT_EQ(analysis.records[3].data, again.records[3].data);
  EXPECT_EQ(0x2000u, again.records[4].entry.offset) << "a block it does not reach stays";
  EXPECT_EQ(analysis.records[4].data, again.records[4].data);
}

TEST(NewFlashImage, FirstHeaderBlocksMustEndBeforeTheSecondHeader)
{
  {
    FlashImageAnalysis analysis = analysed(two_header_image());
    BlockRecord& loader = analysis.record_copy[1];
    loader.data = pattern(0x40000 - 0x400, 1);  // ends exactly at the second header
    loader.entry.length = static_cast<uint32_t>(loader.data.size());
    NewFlashImage result;
    EXPECT_TRUE(lay_out(result, analysis).ok()) << "reaching the header exactly is accepted";
  }
  {
    FlashImageAnalysis analysis = analysed(two_header_image());
    BlockRecord& loader = analysis.record_copy[1];
    loader.data = pattern(0x40000 - 0x400 + 1, 1);
    loader.entry.length = static_cast<uint32_t>(loader.data.size());
    NewFlashImage result;
    EXPECT_EQ(kBootloaderOutOfRangeMessage, lay_out(result, analysis).message());
  }
}

TEST(NewFlashImage, BootloaderCheckMeasuresFromTheImageStart)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0x100, 0x100000, { entry(1, 0x100, 0x10, "boot") });
  place_dm_header(image, 0x10000, 0x100000, { entry(2, 0x100, 0x10, "app") });
  FlashImageAnalysis analysis = analysed(image);
  BlockRecord& boot = analysis.record_copy[0];
  boot.data = pattern(0x10000 - 0x200, 1);  // ends exactly at the second header
  boot.entry.length = static_cast<uint32_t>(boot.data.size());
  NewFlashImage result;
  EXPECT_TRUE(lay_out(result, analysis).ok());
}

TEST(NewFlashImage, SingleHeaderHasNoBootloaderCheck)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0, 0x100000, { entry(1, 0x100, 0x10, "a"), entry(2, 0x200, 0x10, "b") });
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ(0u, next_header_position(analysis.records));
  analysis.record_copy[0].data = pattern(0x80000, 2);
  analysis.record_copy[0].entry.length = 0x80000;
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());
  EXPECT_EQ(0x80100u, analysed(result.image).records[1].entry.offset);
}

TEST(NewFlashImage, BlockPastTheImageEndIsRefused)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  BlockRecord& toolcfg = analysis.record_copy[4];
  toolcfg.data = pattern(kOneMegabyte - 0x42000 + 1, 3);
  toolcfg.entry.length = static_cast<uint32_t>(toolcfg.data.size());
  NewFlashImage result;
  EXPECT_EQ(kFileTooLargeMessage, lay_out(result, analysis).message());
}

TEST(NewFlashImage, HeaderBehindGrownBlocksMovesWithItsOwnBytes)
{
  std::vector<uint8_t> image(kOneMegabyte, 0x33);
  place_dm_header(image, 0, 0x100000, { entry(1, 0x100, 0x10, "boot") });
  place_dm_header(image, 0x20000, 0x100000, { entry(2, 0x100, 0x100, "app") });
  place_dm_header(image, 0x28000, 0x100000, { entry(3, 0x100, 0x10, "data") });
  image[0x28000 + 20] = 0x77;  // a header byte the layout does not interpret
  fill_pattern(image, 0x28100, 0x10, 4);
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ(0x20000u, next_header_position(analysis.records));

  BlockRecord& app = analysis.record_copy[1];
  app.data = pattern(0x10000, 5);  // now ends at 0x30100, over the third header
  app.entry.length = 0x10000;
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());
  EXPECT_EQ(0x30100u, analysis.record_copy[2].header_position);

  FlashImageAnalysis again = analysed(result.image);
  ASSERT_EQ(3u, again.records.size());
  EXPECT_EQ(0x30100u, again.records[2].header_position);
  EXPECT_EQ(0x77, result.image[0x30100 + 20]) << "the header's bytes come from where it was";
  EXPECT_EQ(analysis.records[2].data, again.records[2].data);
  EXPECT_EQ(3, again.records[2].entry.id);
}

TEST(NewFlashImage, HeaderWithoutBlocksLeavesNoBlockOut)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0, 0x100000, { entry(1, 0x100, 0x10, "boot") });
  place_dm_header(image, 0x10000, 0x100000, {});
  place_dm_header(image, 0x20000, 0x100000, { entry(2, 0x100, 0x10, "app"), entry(3, 0x200, 0x10, "data") });
  fill_pattern(image, 0x20200, 0x10, 7);
  FlashImageAnalysis analysis = analysed(image);
  ASSERT_EQ(3, analysis.records[1].header_number);
  analysis.record_copy[1].data = pattern(0x10, 6);
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());

  FlashImageAnalysis again = analysed(result.image);
  ASSERT_EQ(3u, again.records.size());
  EXPECT_EQ(pattern(0x10, 6), again.records[1].data);
  EXPECT_EQ(block_crc32(pattern(0x10, 6).data(), 0x10), again.records[1].entry.crc);
  EXPECT_EQ(0x20000u, again.records[2].header_position) << "both blocks stay under their header";
  EXPECT_EQ(0x200u, again.records[2].entry.offset);
  EXPECT_EQ(pattern(0x10, 7), again.records[2].data);
}

TEST(NewFlashImage, WritesTheImageFile)
{
  FlashImageAnalysis analysis = analysed(two_header_image());
  NewFlashImage result;
  ASSERT_TRUE(lay_out(result, analysis).ok());

  const std::string path = "new-flash-test.bin";
  ASSERT_TRUE(result.write(path).ok());
  std::ifstream file(path, std::ios::binary);
  std::vector<uint8_t> written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  file.close();
  std::remove(path.c_str());
  EXPECT_EQ(result.image, written);

  EXPECT_EQ(kGenerateFailedMessage, result.write("no-such-directory/new.bin").message());
}
