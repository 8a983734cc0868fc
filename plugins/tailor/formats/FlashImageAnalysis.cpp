#include "FlashImageAnalysis.h"

#include <cstring>
#include <fstream>
#include <new>
#include <utility>

namespace {

bool fits(uint64_t position, uint64_t count, std::size_t size)
{
  return position + count <= size;
}

// For each byte value: the set of places (bit i for place i) where it stands
// in the marker; 0 for bytes the marker does not hold.
struct MarkerPlaces {
  MarkerPlaces()
  {
    for (std::size_t i = 0; i < kDmMarkerSize; ++i)
      places[static_cast<uint8_t>(kDmMarker[i])] |= uint16_t(1u << i);
  }
  uint16_t places[256] = {};
};

}  // namespace

FormatResult FlashImageAnalysis::analyse_file(const std::string& image_path, bool expert_mode)
{
  if (image_path.empty())
    return FormatResult::failure(kNoImagePathMessage);
  std::ifstream file(image_path, std::ios::binary);
  if (!file)
    return FormatResult::failure(kImageOpenFailedMessage);

  // The previous image goes before the new one is read.
  clear();
  std::vector<uint8_t> bytes;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  if (size < 0)
    return FormatResult::failure(kImageOpenFailedMessage);
  try {
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return FormatResult::failure(kNoMemoryMessage);
  }
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return analyse(std::move(bytes), image_path, expert_mode);
}

FormatResult FlashImageAnalysis::analyse(std::vector<uint8_t> image_bytes, const std::string& image_path,
                                         bool expert_mode)
{
  // A large image may not find the memory it needs.
  try {
    return analyse_image(std::move(image_bytes), image_path, expert_mode);
  } catch (const std::bad_alloc&) {
    clear();
    return FormatResult::failure(kNoMemoryMessage);
  }
}

FormatResult FlashImageAnalysis::analyse_image(std::vector<uint8_t> image_bytes, const std::string& image_path,
                                               bool expert_mode)
{
  clear();
  image = std::move(image_bytes);

  // An empty file passes the size test below but holds no image.
  if (image.empty() || image.size() % kImageSizeUnit != 0) {
    clear();
    return FormatResult::failure(kWrongBinaryFileMessage);
  }

  if (scan_dm_headers()) {
    form = DmForm;
    block_count = static_cast<uint32_t>(records.size());
    image_length = static_cast<uint32_t>(image.size());
  } else {
    FormatResult bank = analyse_bank_form();
    if (!bank.ok()) {
      clear();
      return bank;
    }
  }

  expert = expert_mode;
  take_version_and_script_path(image_path);
  return FormatResult::success();
}

FormatResult FlashImageAnalysis::analyse_bank_form()
{
  form = BankForm;
  records.clear();
  record_copy.clear();
  const std::size_t size = image.size();
  bank_header_position = image_u32(kBankHeaderPositionOffset);
  config_length = image_u32(kConfigLengthOffset);
  if (bank_header_position > size || config_length > size)
    return FormatResult::failure(kWrongBinFileMessage);
  // The configuration area and the bank header must lie inside the image.
  if (!fits(image_u32(kConfigPositionOffset), config_length, size) ||
      !fits(bank_header_position, kBankHeaderSize, size))
    return FormatResult::failure(kWrongBinFileMessage);

  const uint8_t* header = image.data() + bank_header_position;
  image_length = uint32_t(header[kBankImageLengthHigh]) * 65536 + header[kBankImageLengthLow];
  if (image_length != size)
    return FormatResult::failure(kWrongBinFileMessage);
  flash_size = uint32_t(header[kBankFlashSizeHigh]) * 65536 + header[kBankFlashSizeLow];
  block_count = header[kBankBlockCountOffset];
  if (block_count > kMaxImageBlocks)
    return FormatResult::failure(kTooManyBlocksMessage);
  if (!fits(uint64_t(bank_header_position) + kBankHeaderSize, uint64_t(block_count) * kFlashBlockEntrySize, size))
    return FormatResult::failure(kWrongBinFileMessage);

  bank_entries.clear();
  for (uint32_t k = 0; k < block_count; ++k) {
    FlashBlockEntry entry =
        FlashBlockEntry::from_bytes(header + kBankHeaderSize + k * kFlashBlockEntrySize);
    if (!fits(entry.offset, entry.length, size))
      return FormatResult::failure(kWrongBinFileMessage);
    bank_entries.push_back(entry);
  }
  return FormatResult::success();
}

void FlashImageAnalysis::take_version_and_script_path(const std::string& image_path)
{
  if (expert) {
    script_path.clear();
  } else {
    std::size_t last_backslash = image_path.rfind('\\');
    script_path = last_backslash == std::string::npos ? std::string() : image_path.substr(0, last_backslash + 1);
  }

  for (std::size_t block = 0; block < block_total(); ++block) {
    if (!block_entry(block).name_begins_with(kVersionBlockName))
      continue;
    std::size_t position = block_position(block);
    std::size_t available = position < image.size() ? image.size() - position : 0;
    const char* text = reinterpret_cast<const char*>(image.data() + position);
    std::size_t length = 0;
    while (length < kVersionTextSize && length < available && text[length] != '\0')
      ++length;
    software_version.assign(text, length);
    if (!expert)
      script_path += software_version;
  }
}

bool FlashImageAnalysis::scan_dm_headers()
{
  const std::size_t size = image.size();
  const std::size_t first = find_dm_header(0);
  if (first == std::string::npos)
    return false;

  std::vector<BlockRecord> table;
  table.reserve(kMaxImageBlocks);
  unsigned header_number = 0;
  uint32_t last_flash_size = 0;
  for (std::size_t position = first; position != std::string::npos;
       position = find_dm_header(position + 1)) {
    // Header numbers are bytes in the record.
    if (++header_number > 0xFF)
      return false;
    last_flash_size = image_u32(position + kDmFlashSizeOffset);
    const unsigned count = image[position + kDmBlockCountOffset];
    if (table.size() + count > kMaxImageBlocks)
      return false;
    if (!fits(position + kDmHeaderSize, uint64_t(count) * kFlashBlockEntrySize, size))
      return false;
    for (unsigned k = 0; k < count; ++k) {
      BlockRecord record;
      record.entry = FlashBlockEntry::from_bytes(image.data() + position + kDmHeaderSize + k * kFlashBlockEntrySize);
      if (!fits(uint64_t(position) + record.entry.offset, record.entry.length, size))
        return false;
      record.header_position = static_cast<uint32_t>(position);
      record.index_in_header = k;
      record.header_number = static_cast<uint8_t>(header_number);
      table.push_back(record);
    }
  }

  // Once every table has been found good, each record's data are its run
  // of the image, shared until a record or the image changes.
  for (BlockRecord& record : table)
    record.data = BlockData(image.share(), record.header_position + record.entry.offset, record.entry.length);
  records = std::move(table);
  record_copy = records;
  flash_size = last_flash_size;
  return true;
}

std::size_t FlashImageAnalysis::find_dm_header(std::size_t from) const
{
  const std::size_t size = image.size();
  if (size < kDmHeaderSize || from > size - kDmHeaderSize)
    return std::string::npos;
  const std::size_t last = size - kDmHeaderSize;
  const uint8_t* bytes = image.data();
  // Every placement of the marker covers exactly one of every twelfth byte, so
  // only those are looked at; one that occurs in the marker names the
  // placements to compare, earliest first.
  static const MarkerPlaces marker;
  for (std::size_t probe = from + kDmMarkerSize - 1; probe <= last + kDmMarkerSize - 1; probe += kDmMarkerSize) {
    const uint16_t places = marker.places[bytes[probe]];
    if (places == 0)
      continue;
    for (std::size_t place = kDmMarkerSize; place-- > 0;) {
      const std::size_t position = probe - place;
      if ((places >> place & 1) != 0 && position >= from && position <= last &&
          std::memcmp(bytes + position, kDmMarker, kDmMarkerSize) == 0 &&
          bytes[position + kDmHeaderCheckOffset] == kDmHeaderCheckByte)
        return position;
    }
  }
  return std::string::npos;
}

void FlashImageAnalysis::clear()
{
  *this = FlashImageAnalysis();
}

uint32_t FlashImageAnalysis::block_position(std::size_t block) const
{
  if (form == DmForm)
    return records[block].header_position + records[block].entry.offset;
  return bank_entries[block].offset;
}

std::size_t FlashImageAnalysis::block_total() const
{
  return form == DmForm ? records.size() : bank_entries.size();
}

const FlashBlockEntry& FlashImageAnalysis::block_entry(std::size_t block) const
{
  return form == DmForm ? records[block].entry : bank_entries[block];
}

uint32_t FlashImageAnalysis::image_u32(std::size_t position) const
{
  return FlashBlockEntry::read_u32(image.data() + position);
}
