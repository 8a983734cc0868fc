#pragma once
#include "BlockRecord.h"
#include "FormatResult.h"

#include <cstdint>
#include <string>
#include <vector>

// Blocks with these ids start on a 64 KB boundary in a new image.
const uint8_t kAlignedBlockIdA4 = 0xA4;
const uint8_t kAlignedBlockIdA8 = 0xA8;
const uint32_t kBlockAlignment = 0x10000;

const char kBootloaderOutOfRangeMessage[] = "Error: bootloader out of range";
const char kFileTooLargeMessage[] = "Error: file too large, out of range.";
const char kGenerateFailedMessage[] = "Error: Generate new flash failed";
const char kNewFlashCreatedMessage[] = "The New Flash File Created Successful!";

// The position of the second DM header: that of the first record whose header
// differs from the first record's; 0 when all share one header.
uint32_t next_header_position(const std::vector<BlockRecord>& records);

// A new DM-form image: the analysed image with every record's block laid out
// again, new CRC words, and each header rewritten with its block table. The
// records keep the entries, offsets and header positions the layout gave them.
class NewFlashImage {
public:
  FormatResult lay_out(std::vector<BlockRecord>& records, const std::vector<uint8_t>& analysed_image);
  FormatResult write(const std::string& output_path) const;

  std::vector<uint8_t> image;

private:
  bool write_header(const std::vector<BlockRecord>& records, std::size_t k,
                    const std::vector<uint8_t>& analysed_image, uint32_t analysed_position);
};
