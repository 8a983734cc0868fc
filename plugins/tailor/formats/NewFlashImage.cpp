#include "NewFlashImage.h"

#include "BlockCrc.h"
#include "FlashImageAnalysis.h"

#include <algorithm>
#include <cstdio>

namespace {

// The record's data as entry length bytes; bytes its copy lacks count as 0.
std::vector<uint8_t> block_bytes(const BlockRecord& record)
{
  std::vector<uint8_t> bytes(record.entry.length, 0);
  std::copy_n(record.data.begin(), std::min<std::size_t>(record.data.size(), bytes.size()), bytes.begin());
  return bytes;
}

}  // namespace

uint32_t next_header_position(const std::vector<BlockRecord>& records)
{
  for (const BlockRecord& record : records) {
    if (record.header_position != records.front().header_position)
      return record.header_position;
  }
  return 0;
}

FormatResult NewFlashImage::lay_out(std::vector<BlockRecord>& records, const std::vector<uint8_t>& analysed_image)
{
  image = analysed_image;
  if (records.empty())
    return FormatResult::success();

  // Headers are copied from where the analysis found them, even when the
  // layout moves them.
  std::vector<uint32_t> analysed_positions;
  for (const BlockRecord& record : records)
    analysed_positions.push_back(record.header_position);
  const uint32_t second_header = next_header_position(records);

  unsigned header = 0;
  bool first_header_done = false;
  uint64_t previous_end = 0;  // P
  uint64_t end = 0;           // E
  for (std::size_t j = 0; j < records.size(); ++j) {
    BlockRecord& record = records[j];
    const std::vector<uint8_t> bytes = block_bytes(record);

    // 1. The CRC word, unless the block carries none.
    if (record.entry.carries_crc())
      record.entry.crc = block_crc32(bytes.data(), bytes.size());

    // 2. Blocks that must start on a 64 KB boundary.
    if ((record.entry.id == kAlignedBlockIdA4 || record.entry.id == kAlignedBlockIdA8) &&
        record.entry.offset % kBlockAlignment != 0) {
      const uint64_t rounded = (uint64_t(record.entry.offset) / kBlockAlignment + 1) * kBlockAlignment;
      if (rounded > UINT32_MAX)
        return FormatResult::failure(kFileTooLargeMessage);
      record.entry.offset = static_cast<uint32_t>(rounded);
    }

    // 3. A new header begins. The first header's blocks must still end before
    // the second header.
    if (record.header_number != header) {
      if (j > 0 && !first_header_done) {
        first_header_done = true;
        if (end > second_header)
          return FormatResult::failure(kBootloaderOutOfRangeMessage);
      }
      if (j > 0) {
        if (!write_header(records, j - 1, analysed_image, analysed_positions[j - 1]))
          return FormatResult::failure(kFileTooLargeMessage);
        previous_end = end;
      }
      // Numbers skip a header without entries; follow them as they are.
      header = record.header_number;
      end = 0;
    }

    // 4. The header moves behind the previous header's blocks, the block
    // follows its header, and a next block it now overlaps moves behind it.
    if (previous_end > record.header_position)
      record.header_position = static_cast<uint32_t>(previous_end);
    const uint64_t start = uint64_t(record.header_position) + record.entry.offset;
    end = start + record.entry.length;
    if (j + 1 < records.size()) {
      BlockRecord& next = records[j + 1];
      if (uint64_t(next.header_position) + next.entry.offset < end && end - next.header_position <= UINT32_MAX)
        next.entry.offset = static_cast<uint32_t>(end - next.header_position);
    }
    if (end > image.size())
      return FormatResult::failure(kFileTooLargeMessage);
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(start));
  }

  // 5. The last header.
  if (!write_header(records, records.size() - 1, analysed_image, analysed_positions.back()))
    return FormatResult::failure(kFileTooLargeMessage);
  return FormatResult::success();
}

// Copies record k's 28 header bytes from the analysed image, and writes the
// entries of every record of its header behind them, in record order.
bool NewFlashImage::write_header(const std::vector<BlockRecord>& records, std::size_t k,
                                 const std::vector<uint8_t>& analysed_image, uint32_t analysed_position)
{
  const uint8_t number = records[k].header_number;
  const uint64_t position = records[k].header_position;
  const auto entries = std::count_if(records.begin(), records.end(),
                                     [number](const BlockRecord& record) { return record.header_number == number; });
  if (position + kDmHeaderSize + uint64_t(entries) * kFlashBlockEntrySize > image.size() ||
      uint64_t(analysed_position) + kDmHeaderSize > analysed_image.size())
    return false;

  std::copy_n(analysed_image.begin() + analysed_position, kDmHeaderSize,
              image.begin() + static_cast<std::ptrdiff_t>(position));
  uint64_t entry_position = position + kDmHeaderSize;
  for (const BlockRecord& record : records) {
    if (record.header_number != number)
      continue;
    record.entry.to_bytes(image.data() + entry_position);
    entry_position += kFlashBlockEntrySize;
  }
  return true;
}

FormatResult NewFlashImage::write(const std::string& output_path) const
{
  std::FILE* file = std::fopen(output_path.c_str(), "wb");
  if (!file)
    return FormatResult::failure(kGenerateFailedMessage);
  const std::size_t written = std::fwrite(image.data(), 1, image.size(), file);
  const bool closed = std::fclose(file) == 0;
  if (written < image.size() || !closed)
    return FormatResult::failure(kGenerateFailedMessage);
  return FormatResult::success();
}
