#include "FlashImageAnalysis.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

using namespace image_builder;

namespace {

const std::size_t kOneMegabyte = 0x100000;
const std::string kImagePath = "D:\\images\\box.bin";

FlashImageAnalysis analysed(const std::vector<uint8_t>& image, bool expert = false)
{
  FlashImageAnalysis analysis;
  FormatResult result = analysis.analyse(image, kImagePath, expert);
  EXPECT_TRUE(result.ok()) << result.message();
  return analysis;
}

std::string failure_of(const std::vector<uint8_t>& image)
{
  FlashImageAnalysis analysis;
  FormatResult result = analysis.analyse(image, kImagePath, false);
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(analysis.image.empty() && analysis.records.empty() && analysis.bank_entries.empty())
      << "a failed analysis leaves no model behind";
  return result.message();
}

// One DM header at 0x1000 with three blocks whose data follow it.
std::vector<uint8_t> one_header_image()
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0x1000, 0x400000,
                  { entry(0x10, 0x200, 0x40, "boot"), entry(0x11, 0x400, 0x100, "ssdata1"),
                    entry(0x12, 0x800, 0x10, "preset") });
  fill_pattern(image, 0x1200, 0x40, 1);
  fill_pattern(image, 0x1400, 0x100, 2);
  std::memcpy(image.data() + 0x1400, "V1.02.003-build-0042extra", 25);
  fill_pattern(image, 0x1800, 0x10, 3);
  return image;
}

}  // namespace

TEST(DmForm, OneHeaderGivesRecordsWithDataRelativeToTheHeader)
{
  const std::vector<uint8_t> image = one_header_image();
  FlashImageAnalysis analysis = analysed(image);

  EXPECT_EQ(FlashImageAnalysis::DmForm, analysis.form);
  EXPECT_EQ(3u, analysis.block_count);
  EXPECT_EQ(kOneMegabyte, analysis.image_length);
  EXPECT_EQ(0x400000u, analysis.flash_size);
  ASSERT_EQ(3u, analysis.records.size());
  const uint32_t offsets[] = { 0x200, 0x400, 0x800 };
  for (uint32_t k = 0; k < 3; ++k) {
    const BlockRecord& record = analysis.records[k];
    EXPECT_EQ(0x1000u, record.header_position);
    EXPECT_EQ(k, record.index_in_header);
    EXPECT_EQ(1, record.header_number);
    EXPECT_EQ(offsets[k], record.entry.offset);
    std::vector<uint8_t> expected(image.begin() + 0x1000 + offsets[k],
                                  image.begin() + 0x1000 + offsets[k] + record.entry.length);
    EXPECT_EQ(expected, record.data) << "block " << k;
  }
  EXPECT_EQ("preset", analysis.records[2].entry.name_text());
  EXPECT_EQ(0x11223344u, analysis.records[2].entry.crc);

  ASSERT_EQ(analysis.records.size(), analysis.record_copy.size());
  EXPECT_EQ(analysis.records[1].data, analysis.record_copy[1].data);
}

TEST(DmForm, RecordsReadTheirDataFromTheImageUntilOneOfThemChangesIt)
{
  const std::vector<uint8_t> image = one_header_image();
  FlashImageAnalysis analysis = analysed(image);
  ASSERT_EQ(3u, analysis.record_copy.size());
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_TRUE(analysis.record_copy[k].data.shares_bytes_with(analysis.records[k].data)) << "block " << k;
  EXPECT_EQ(analysis.image.data() + 0x1200, analysis.records[0].data.data()) << "no copy of the block";

  const std::vector<uint8_t> boot(image.begin() + 0x1200, image.begin() + 0x1240);
  analysis.record_copy[0].data.edit()[0] ^= 0xFF;
  EXPECT_FALSE(analysis.record_copy[0].data.shares_bytes_with(analysis.records[0].data));
  EXPECT_EQ(boot, analysis.records[0].data) << "an edit in one table stays out of the other";
  EXPECT_EQ(boot[0], analysis.image[0x1200]) << "and out of the image";
  EXPECT_EQ(uint8_t(boot[0] ^ 0xFF), analysis.record_copy[0].data[0]);

  analysis.image.edit()[0x1201] ^= 0xFF;
  EXPECT_EQ(boot, analysis.records[0].data) << "a change to the image stays out of the records";
}

TEST(DmForm, ReplacingAndDroppingDataLeavesEveryOtherHoldersBytesInPlace)
{
  const std::vector<uint8_t> image = one_header_image();
  FlashImageAnalysis analysis = analysed(image);
  const uint8_t* preset_bytes = analysis.records[2].data.data();
  const std::vector<uint8_t> preset(image.begin() + 0x1800, image.begin() + 0x1810);

  // As the workbook import does: new data for the copy's preset block, then
  // the copy goes, and so does the image; memory of the block's size is
  // taken and overwritten again.
  analysis.record_copy[2].data = std::vector<uint8_t>{ 7, 8, 9 };
  analysis.record_copy.clear();
  analysis.image = std::vector<uint8_t>(0x10, 0xEE);
  std::vector<std::vector<uint8_t>> reuse(8, std::vector<uint8_t>(0x10, 0xEE));

  EXPECT_EQ(preset_bytes, analysis.records[2].data.data());
  EXPECT_EQ(preset, analysis.records[2].data);
}

TEST(DmForm, VersionBlockGivesVersionAndScriptPath)
{
  FlashImageAnalysis analysis = analysed(one_header_image());
  EXPECT_EQ("V1.02.003-build-0042", analysis.software_version) << "20 characters at most";
  EXPECT_EQ("D:\\images\\V1.02.003-build-0042", analysis.script_path);
  EXPECT_FALSE(analysis.expert);

  FlashImageAnalysis expert = analysed(one_header_image(), true);
  EXPECT_EQ("V1.02.003-build-0042", expert.software_version);
  EXPECT_EQ("", expert.script_path) << "the expert chooses the script";
  EXPECT_TRUE(expert.expert);
}

TEST(DmForm, WithoutVersionBlockTheScriptPathIsTheImageDirectory)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0, 0x200000, { entry(1, 0x100, 4, "ssdat") });
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ("", analysis.software_version);
  EXPECT_EQ("D:\\images\\", analysis.script_path);
}

TEST(DmForm, VersionTextStopsAtTheImageEnd)
{
  std::vector<uint8_t> image(kOneMegabyte, 'v');
  place_dm_header(image, 0, 0x200000, { entry(1, kOneMegabyte - 5, 5, "ssdata") });
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ("vvvvv", analysis.software_version);
}

TEST(DmForm, MarkerFollowedByOtherCheckByteIsNoHeader)
{
  std::vector<uint8_t> image = bank_image(kOneMegabyte, 0x100, { entry(7, 0x2000, 0x10, "kernel") }, 0x1000, 0x80);
  place_dm_header(image, 0x40000, 0x200000, { entry(1, 0x100, 4, "x") }, '1');
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ(FlashImageAnalysis::BankForm, analysis.form);
  EXPECT_EQ(1u, analysis.block_count);
}

TEST(DmForm, HeaderIsFoundAtAnyPositionBehindFalseStarts)
{
  const std::size_t last_with_one_entry = kOneMegabyte - kDmHeaderSize - kFlashBlockEntrySize;
  const std::size_t positions[] = { 0, 1, 11, 12, 13, 23, 0x1000, 0x7FFFF, last_with_one_entry - 1, last_with_one_entry };
  for (std::size_t position : positions) {
    std::vector<uint8_t> image(kOneMegabyte, 0);
    // A whole marker without its check byte 12 bytes before, and the start of
    // a marker right before.
    if (position >= 12)
      std::memcpy(image.data() + position - 12, kDmMarker, kDmMarkerSize);
    if (position >= 8)
      std::memcpy(image.data() + position - 8, kDmMarker, 8);
    place_dm_header(image, position, 0x100000, { entry(1, 0, 4, "blk") });
    FlashImageAnalysis analysis = analysed(image);
    ASSERT_EQ(1u, analysis.records.size()) << position;
    EXPECT_EQ(position, analysis.records[0].header_position);
  }

  // The last position a 28-byte header fits at.
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, kOneMegabyte - kDmHeaderSize, 0x100000, {});
  EXPECT_EQ(FlashImageAnalysis::DmForm, analysed(image).form);
}

TEST(DmForm, TwoHeadersNumberTheirRecords)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0, 0x100000, { entry(1, 0x100, 0x10, "boot"), entry(2, 0x200, 0x10, "loader") });
  place_dm_header(image, 0x20000, 0x800000,
                  { entry(3, 0x100, 0x10, "a"), entry(4, 0x200, 0x10, "b"), entry(5, 0x300, 0x10, "c") });
  FlashImageAnalysis analysis = analysed(image);
  ASSERT_EQ(5u, analysis.records.size());
  EXPECT_EQ(1, analysis.records[1].header_number);
  EXPECT_EQ(2, analysis.records[2].header_number);
  EXPECT_EQ(0x20000u, analysis.records[4].header_position);
  EXPECT_EQ(2u, analysis.records[4].index_in_header);
  EXPECT_EQ(0x800000u, analysis.flash_size) << "from the last header found";
}

TEST(DmForm, HeaderWithoutBlocksIsStillTheDmForm)
{
  std::vector<uint8_t> image(kOneMegabyte, 0);
  place_dm_header(image, 0x300, 0x100000, {});
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ(FlashImageAnalysis::DmForm, analysis.form);
  EXPECT_EQ(0u, analysis.block_count);
}

TEST(DmForm, MoreThan64BlocksFallBackToTheBankForm)
{
  std::vector<FlashBlockEntry> forty;
  for (uint8_t k = 0; k < 40; ++k)
    forty.push_back(entry(k, 0x1000, 0x10, "blk"));
  std::vector<uint8_t> image = bank_image(kOneMegabyte, 0x100, { entry(7, 0x2000, 0x10, "kernel") }, 0x1000, 0x80);
  place_dm_header(image, 0x40000, 0x200000, forty);
  place_dm_header(image, 0x60000, 0x200000, forty);
  FlashImageAnalysis analysis = analysed(image);
  EXPECT_EQ(FlashImageAnalysis::BankForm, analysis.form);
  EXPECT_TRUE(analysis.records.empty());
}

TEST(DmForm, TablesOrBlocksOutsideTheImageAreRefused)
{
  // The header's table runs past the image end.
  std::vector<uint8_t> table_outside(kOneMegabyte, 0);
  place_dm_header(table_outside, kOneMegabyte - 100, 0x100000, { entry(1, 0, 0, "a") });
  table_outside[kOneMegabyte - 100 + kDmBlockCountOffset] = 3;
  EXPECT_EQ(kWrongBinFileMessage, failure_of(table_outside));

  // A block's data run past the image end.
  std::vector<uint8_t> data_outside(kOneMegabyte, 0);
  place_dm_header(data_outside, 0x80000, 0x100000, { entry(1, 0x7FFF0, 0x20, "a") });
  EXPECT_EQ(kWrongBinFileMessage, failure_of(data_outside));

  // An offset that wraps 32-bit arithmetic.
  std::vector<uint8_t> wrapping(kOneMegabyte, 0);
  place_dm_header(wrapping, 0x80000, 0x100000, { entry(1, 0xFFFFFF00, 0x200, "a") });
  EXPECT_EQ(kWrongBinFileMessage, failure_of(wrapping));

  // A marker in the last 27 bytes is never examined.
  std::vector<uint8_t> marker_at_end(kOneMegabyte, 0);
  std::memcpy(marker_at_end.data() + kOneMegabyte - 20, kDmMarker, kDmMarkerSize);
  EXPECT_EQ(kWrongBinFileMessage, failure_of(marker_at_end));
}

TEST(BankForm, EntriesSizesAndConfigurationAreTaken)
{
  std::vector<FlashBlockEntry> entries = { entry(0x21, 0x10000, 0x300, "ssdata"), entry(0x22, 0x20000, 0x1000, "app") };
  std::vector<uint8_t> image = bank_image(kOneMegabyte, 0x800, entries, 0x4000, 0x400);
  std::memcpy(image.data() + 0x10000, "SW-7.1\0", 7);
  FlashImageAnalysis analysis = analysed(image);

  EXPECT_EQ(FlashImageAnalysis::BankForm, analysis.form);
  EXPECT_EQ(0x800u, analysis.bank_header_position);
  EXPECT_EQ(0x400u, analysis.config_length);
  EXPECT_EQ(kOneMegabyte, analysis.image_length);
  EXPECT_EQ(0x200000u, analysis.flash_size);
  EXPECT_EQ(2u, analysis.block_count);
  ASSERT_EQ(2u, analysis.bank_entries.size());
  EXPECT_EQ(0x20000u, analysis.bank_entries[1].offset);
  EXPECT_EQ("app", analysis.bank_entries[1].name_text());
  EXPECT_EQ("SW-7.1", analysis.software_version);
  EXPECT_EQ("D:\\images\\SW-7.1", analysis.script_path);
}

TEST(BankForm, SixtyFourBlocksAreAcceptedSixtyFiveAreTooMany)
{
  std::vector<FlashBlockEntry> entries(64, entry(1, 0x10000, 0x10, "b"));
  EXPECT_EQ(64u, analysed(bank_image(kOneMegabyte, 0x100, entries, 0x8000, 0x10)).block_count);
  entries.push_back(entry(2, 0x10000, 0x10, "c"));
  EXPECT_EQ(kTooManyBlocksMessage, failure_of(bank_image(kOneMegabyte, 0x100, entries, 0x8000, 0x10)));
}

TEST(BankForm, DamagedHeadersAreRefused)
{
  const std::vector<FlashBlockEntry> one = { entry(1, 0x10000, 0x10, "b") };
  struct Case {
    const char* what;
    std::vector<uint8_t> image;
  };
  std::vector<Case> cases;

  cases.push_back({ "bank header position past the end", bank_image(kOneMegabyte, 0x100, one, 0x8000, 0x10) });
  put_u32(cases.back().image, kBankHeaderPositionOffset, kOneMegabyte + 1);
  cases.push_back({ "bank header cut by the image end", bank_image(kOneMegabyte, 0x100, one, 0x8000, 0x10) });
  put_u32(cases.back().image, kBankHeaderPositionOffset, kOneMegabyte - 4);
  cases.push_back({ "configuration longer than the image", bank_image(kOneMegabyte, 0x100, one, 0x8000, 0x10) });
  put_u32(cases.back().image, kConfigLengthOffset, kOneMegabyte + 1);
  cases.push_back({ "configuration area past the end", bank_image(kOneMegabyte, 0x100, one, 0xFFFF0, 0x20) });
  cases.push_back({ "image length differs", bank_image(kOneMegabyte, 0x100, one, 0x8000, 0x10) });
  cases.back().image[0x100 + kBankImageLengthHigh] = 0x08;
  cases.push_back({ "entry table past the end", bank_image(kOneMegabyte, 0x100, one, 0x8000, 0x10) });
  {
    std::vector<uint8_t>& image = cases.back().image;
    const std::size_t cut_header = kOneMegabyte - 50;
    put_u32(image, kBankHeaderPositionOffset, cut_header);
    image[cut_header + kBankImageLengthLow] = 0x00;
    image[cut_header + kBankImageLengthHigh] = 0x10;
    image[cut_header + kBankBlockCountOffset] = 1;
  }
  cases.push_back({ "block data past the end",
                    bank_image(kOneMegabyte, 0x100, { entry(1, kOneMegabyte - 8, 0x10, "b") }, 0x8000, 0x10) });
  cases.push_back({ "16 MB: bits 24 and up of the length are not stored", bank_image(0x1000000, 0x100, one, 0, 0) });

  for (const Case& c : cases)
    EXPECT_EQ(kWrongBinFileMessage, failure_of(c.image)) << c.what;
}

TEST(Analysis, ImageSizeMustBeAWholeNumberOf512K)
{
  EXPECT_EQ(kWrongBinaryFileMessage, failure_of(std::vector<uint8_t>(kOneMegabyte + 1)));
  EXPECT_EQ(kWrongBinaryFileMessage, failure_of(std::vector<uint8_t>(0x40000)));
  EXPECT_EQ(kWrongBinaryFileMessage, failure_of(std::vector<uint8_t>()));
}

TEST(Analysis, FailedAnalysisLeavesNothingForTheNextToAppendTo)
{
  FlashImageAnalysis analysis;
  ASSERT_TRUE(analysis.analyse(one_header_image(), kImagePath, false).ok());
  EXPECT_FALSE(analysis.analyse(std::vector<uint8_t>(kOneMegabyte, 0), kImagePath, false).ok());
  EXPECT_TRUE(analysis.records.empty());
  ASSERT_TRUE(analysis.analyse(one_header_image(), kImagePath, false).ok());
  EXPECT_EQ(3u, analysis.records.size());
}

TEST(Analysis, ReadsTheImageFile)
{
  FlashImageAnalysis analysis;
  EXPECT_EQ(kNoImagePathMessage, analysis.analyse_file("", false).message());
  EXPECT_EQ(kImageOpenFailedMessage, analysis.analyse_file("no-such-image.bin", false).message());

  const std::string path = "analysis-test-image.bin";
  const std::vector<uint8_t> image = one_header_image();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
  FormatResult result = analysis.analyse_file(path, false);
  std::remove(path.c_str());
  ASSERT_TRUE(result.ok()) << result.message();
  EXPECT_EQ(image, analysis.image);
  EXPECT_EQ(3u, analysis.block_count);
  EXPECT_EQ("V1.02.003-build-0042", analysis.script_path) << "no directory in a bare file name";
}
