#pragma once
#include "FlashBlockEntry.h"
#include "ScriptBlock.h"
#include "TailorResult.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The last 128 KB of a bank-form image: blocks are never moved into it.
const uint32_t kReservedTailSize = 0x20000;
// A row file longer than this is cut.
const std::size_t kMaxRowFileSize = 0x200000;
const uint32_t kMovedBlockAlignment = 0x10000;
// The key record: 0x80, 0x00, then the 128 key bytes from byte 5 of the file.
const uint32_t kKeyRecordOffset = 628;
const std::size_t kKeyBytesStart = 5;
const std::size_t kKeyBytesSize = 128;
const std::size_t kMaxKeyFileSize = 198;
const std::size_t kKeyFileReadLimit = 1024;

const char kGenerationCaption[] = "error";
const char kSelectOutputMessage[] = "Please select output file!";
const char kBrowsedFileFailedMessage[] = "Failed to open the browsed file!\n File name = ";
const char kFileTooBigMessage[] = "Error: input file size is too big!";
const char kNoMatchBlockMessage[] = "Error block_id! No match block found!";
const char kOverflow0Message[] =
    "Overflow Error 0!\nCurrent block_id = 0, file data overflow next block_id = 0!";
const char kOverflow1Message[] =
    "Overflow Error 1!\n Current block_id = 0, overwrite the next bank-flash_header_info.";
const char kOverflow2Message[] =
    "Overflow Error 2!\nCurrent block_id = 0, file data overflow next block_id > 0!";
const char kWrongConfigMessage[] = "Wrong customer config file!";
const char kWrongKeyMessage[] = "Wrong abs private key file!";
const char kInvalidAddressMessage[] = "Please set a valid flash address!";
const char kOutputOpenFailedMessage[] = "Can't open output file!";
const char kSelectedFileFailedMessage[] = "Failed to open selected file!";

// What generation works on: the view's bank-form image and its copy of the
// block table.
struct GenerationImage {
  std::vector<uint8_t> bytes;
  std::vector<FlashBlockEntry> entries;
  uint32_t bank_header_position = 0;
  uint32_t config_length = 0;
};

// One chosen file row: the script block it fills and the file's bytes.
struct RowFile {
  std::size_t block = 0;  // index into the script blocks
  std::vector<uint8_t> bytes;
};

// Everything the dialog gathered: row files in row order, the optional
// configuration and key files, and the byte patch texts.
struct GenerationRequest {
  std::string output_path;
  std::vector<RowFile> rows;
  std::optional<std::vector<uint8_t>> config_file;
  std::optional<std::vector<uint8_t>> key_file;
  std::string flash_address_text;
  std::string byte_value_text;
};

// The outcome: kTailorDone with the generated image, or a failure code. The
// messages are shown in order, each with the caption "error"; some of them
// (an invalid patch address) let generation go on.
struct GenerationResult {
  int code = kTailorDone;
  std::vector<std::string> messages;
  GenerationImage image;

  bool ok() const { return code == kTailorDone; }
};

// Reads a file into bytes, at most limit of them; false when it does not open.
bool read_file_bytes(const std::string& path, std::size_t limit, std::vector<uint8_t>& bytes);

// Customer-configuration generation. It works on a copy of the image, so a
// failure leaves the caller's image and table as they were.
class ConfigGeneration {
public:
  explicit ConfigGeneration(const std::vector<ScriptBlock>& blocks) : blocks_(blocks) {}

  // Reads the row, configuration and key files that the paths name (empty
  // paths are skipped) into a request.
  GenerationResult read_files(const std::vector<std::string>& row_paths, const std::string& config_path,
                              const std::string& key_path, GenerationRequest& request) const;

  // Generate: checks the output path, builds the new image from a copy of
  // source and writes it to the output file.
  GenerationResult run(const GenerationImage& source, const GenerationRequest& request) const;
  // The new image alone, nothing written.
  GenerationResult generate(const GenerationImage& source, const GenerationRequest& request) const;

private:
  int place_row(GenerationResult& result, const RowFile& row) const;
  int replace_table_block(GenerationResult& result, uint8_t id, const std::vector<uint8_t>& data) const;
  int place_config_area(GenerationResult& result, std::size_t block, const std::vector<uint8_t>& data) const;
  int overlay_config(GenerationResult& result, const std::vector<uint8_t>& config) const;
  int place_key(GenerationResult& result, const std::vector<uint8_t>& key) const;
  void patch_byte(GenerationResult& result, const GenerationRequest& request) const;

  const std::vector<ScriptBlock>& blocks_;
};
