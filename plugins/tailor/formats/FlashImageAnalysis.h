#pragma once
#include "BlockRecord.h"
#include "FlashBlockEntry.h"
#include "FormatResult.h"
#include "ImageBytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An image's size is a whole number of these.
const uint32_t kImageSizeUnit = 0x80000;
const uint32_t kMaxImageBlocks = 64;

// DM form: a header anywhere in the image, followed by its block table.
const char kDmMarker[] = "*^_^*DM(^o^)";
const std::size_t kDmMarkerSize = 12;
const std::size_t kDmHeaderSize = 28;
const std::size_t kDmFlashSizeOffset = 16;
const std::size_t kDmBlockCountOffset = 24;
const std::size_t kDmHeaderCheckOffset = 26;
const uint8_t kDmHeaderCheckByte = '0';

// Bank form: the image header locates the bank header and the
// customer-configuration area.
const std::size_t kBankHeaderPositionOffset = 8;
const std::size_t kConfigPositionOffset = 28;
const std::size_t kConfigLengthOffset = 32;
const std::size_t kBankHeaderSize = 12;
const std::size_t kBankFlashSizeLow = 0;
const std::size_t kBankFlashSizeHigh = 2;
const std::size_t kBankImageLengthLow = 4;
const std::size_t kBankImageLengthHigh = 6;
const std::size_t kBankBlockCountOffset = 8;

// The block whose data begin with the software version text.
const char kVersionBlockName[] = "ssdata";
const std::size_t kVersionTextSize = 20;

const char kNoImagePathMessage[] = "Please select source flash file first!";
const char kImageOpenFailedMessage[] = "Failed to open the flash file!";
const char kNoMemoryMessage[] = "no memery!";
const char kWrongBinaryFileMessage[] = "Wrong binary file!";
const char kWrongBinFileMessage[] = "Wrong bin file!";
const char kTooManyBlocksMessage[] = "Too many blocks!";

// The analysis of a flash image and the model it fills: the image, its form,
// sizes and block table, the software version and the default script path.
class FlashImageAnalysis {
public:
  enum Form { BankForm = 0, DmForm = 1 };

  // Reads the image file, then analyses it.
  FormatResult analyse_file(const std::string& image_path, bool expert);
  FormatResult analyse(std::vector<uint8_t> image_bytes, const std::string& image_path, bool expert);
  // The DM-form scan of the image: true when at least one DM header was found
  // and every table and block lies inside the image.
  bool scan_dm_headers();
  void clear();

  // Where a block's data begin in the image.
  uint32_t block_position(std::size_t block) const;
  std::size_t block_total() const;
  const FlashBlockEntry& block_entry(std::size_t block) const;

  ImageBytes image;
  Form form = BankForm;
  uint32_t flash_size = 0;
  uint32_t image_length = 0;
  uint32_t block_count = 0;
  // Bank form.
  uint32_t bank_header_position = 0;
  uint32_t config_length = 0;
  std::vector<FlashBlockEntry> bank_entries;
  // DM form: the record table, and the copy the New Format dialog works on;
  // both read their blocks' data from the image until they change them.
  std::vector<BlockRecord> records;
  std::vector<BlockRecord> record_copy;
  std::string software_version;
  std::string script_path;
  bool expert = false;

private:
  FormatResult analyse_image(std::vector<uint8_t> image_bytes, const std::string& image_path, bool expert);
  FormatResult analyse_bank_form();
  void take_version_and_script_path(const std::string& image_path);
  std::size_t find_dm_header(std::size_t from) const;
  uint32_t image_u32(std::size_t position) const;
};
