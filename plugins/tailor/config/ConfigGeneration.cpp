#include "ConfigGeneration.h"

#include "BlockCrc.h"
#include "FlashImageAnalysis.h"
#include "HardwareInfo.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const uint8_t kErasedByte = 0xFF;
const uint8_t kKeyRecordLead[] = {0x80, 0x00};

int fail(GenerationResult& result, int code, std::string message)
{
  result.code = code;
  result.messages.push_back(std::move(message));
  return code;
}

bool is_file_row(const ScriptBlock& block)
{
  return block.em == ScriptBlock::RawFile || block.em == ScriptBlock::HardwareInfoFile;
}

// A byte of the image as it was before this row, or erased flash past its end.
uint8_t byte_at(const std::vector<uint8_t>& image, uint64_t position)
{
  return position < image.size() ? image[static_cast<std::size_t>(position)] : kErasedByte;
}

// Reads like "%x": an unreadable text counts as 0.
uint32_t parse_hex(const std::string& text)
{
  return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
}

uint64_t round_up(uint64_t value, uint64_t unit)
{
  return (value + unit - 1) / unit * unit;
}

}  // namespace

bool read_file_bytes(const std::string& path, std::size_t limit, std::vector<uint8_t>& bytes)
{
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return false;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  bytes.assign(std::min(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), limit), 0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return true;
}

GenerationResult ConfigGeneration::read_files(const std::vector<std::string>& row_paths,
                                              const std::string& config_path, const std::string& key_path,
                                              GenerationRequest& request) const
{
  GenerationResult result;
  std::size_t row = 0;
  for (std::size_t block = 0; block < blocks_.size(); ++block) {
    if (!is_file_row(blocks_[block]))
      continue;
    if (row < row_paths.size() && !row_paths[row].empty()) {
      RowFile file;
      file.block = block;
      if (!read_file_bytes(row_paths[row], kMaxRowFileSize, file.bytes)) {
        fail(result, kTailorFileFailure, kBrowsedFileFailedMessage + row_paths[row]);
        return result;
      }
      request.rows.push_back(std::move(file));
    }
    ++row;
  }
  std::vector<uint8_t> bytes;
  if (!config_path.empty()) {
    if (!read_file_bytes(config_path, SIZE_MAX, bytes)) {
      fail(result, kTailorFileFailure, kSelectedFileFailedMessage);
      return result;
    }
    request.config_file = bytes;
  }
  if (!key_path.empty()) {
    if (!read_file_bytes(key_path, kKeyFileReadLimit, bytes)) {
      fail(result, kTailorFileFailure, kSelectedFileFailedMessage);
      return result;
    }
    request.key_file = bytes;
  }
  return result;
}

GenerationResult ConfigGeneration::run(const GenerationImage& source, const GenerationRequest& request) const
{
  if (request.output_path.empty()) {
    GenerationResult result;
    fail(result, kTailorFileMissing, kSelectOutputMessage);
    return result;
  }
  GenerationResult result = generate(source, request);
  if (!result.ok())
    return result;
  std::ofstream output(request.output_path, std::ios::binary);
  if (output)
    output.write(reinterpret_cast<const char*>(result.image.bytes.data()),
                 static_cast<std::streamsize>(result.image.bytes.size()));
  if (!output) {
    fail(result, kTailorWriteError, kOutputOpenFailedMessage);
    result.image = GenerationImage();
  }
  return result;
}

GenerationResult ConfigGeneration::generate(const GenerationImage& source, const GenerationRequest& request) const
{
  GenerationResult result;
  result.image = source;
  std::vector<uint8_t>& image = result.image.bytes;
  uint64_t table_end = uint64_t(source.bank_header_position) + kBankHeaderSize +
                       uint64_t(source.entries.size()) * kFlashBlockEntrySize;
  if (image.size() < kConfigPositionOffset + 4 || table_end > image.size()) {
    fail(result, kTailorFileFailure, kWrongBinFileMessage);
    result.image = GenerationImage();
    return result;
  }

  bool placed = std::all_of(request.rows.begin(), request.rows.end(),
                            [&](const RowFile& row) { return place_row(result, row) >= 0; });
  if (placed) {
    for (std::size_t j = 0; j < result.image.entries.size(); ++j)
      result.image.entries[j].to_bytes(&image[source.bank_header_position + kBankHeaderSize + j * kFlashBlockEntrySize]);
    placed = (!request.config_file || overlay_config(result, *request.config_file) >= 0) &&
             (!request.key_file || place_key(result, *request.key_file) >= 0);
  }
  if (!placed) {
    result.image = GenerationImage();
    return result;
  }
  patch_byte(result, request);
  return result;
}

int ConfigGeneration::place_row(GenerationResult& result, const RowFile& row) const
{
  if (row.block >= blocks_.size() || !is_file_row(blocks_[row.block]))
    return fail(result, kTailorNoSuchBlock, kNoMatchBlockMessage);
  const ScriptBlock& block = blocks_[row.block];
  std::vector<uint8_t> data;
  if (block.em == ScriptBlock::RawFile) {
    data.assign(row.bytes.begin(), row.bytes.begin() + std::min(row.bytes.size(), kMaxRowFileSize));
  } else {
    std::istringstream text(std::string(row.bytes.begin(), row.bytes.end()));
    HardwareInfo info;
    FormatResult parsed = info.parse_hw_info(text);
    if (!parsed.ok()) {
      if (!parsed.message().empty())
        result.messages.push_back(parsed.message());
      return fail(result, kTailorScriptError, kHwInfoFailedMessage);
    }
    data = info.block();
  }
  return block.id != 0 ? replace_table_block(result, block.id, data) : place_config_area(result, row.block, data);
}

int ConfigGeneration::replace_table_block(GenerationResult& result, uint8_t id, const std::vector<uint8_t>& data) const
{
  std::vector<uint8_t>& image = result.image.bytes;
  std::vector<FlashBlockEntry>& entries = result.image.entries;
  const std::vector<uint8_t> before = image;
  const uint64_t region_end = image.size() > kReservedTailSize ? image.size() - kReservedTailSize : 0;

  auto replaced = std::find_if(entries.begin(), entries.end(), [id](const FlashBlockEntry& e) { return e.id == id; });
  if (replaced == entries.end())
    return fail(result, kTailorNoSuchBlock, kNoMatchBlockMessage);
  const uint64_t start = replaced->offset;
  if (start + data.size() > region_end)
    return fail(result, kTailorOutOfRange, kFileTooBigMessage);

  // The new data, then the bytes that followed the old block, up to the tail.
  const uint64_t old_end = start + replaced->length;
  const uint64_t data_end = start + data.size();
  std::copy(data.begin(), data.end(), image.begin() + static_cast<std::ptrdiff_t>(start));
  for (uint64_t p = data_end; p < region_end; ++p)
    image[static_cast<std::size_t>(p)] = byte_at(before, old_end + (p - data_end));
  replaced->length = static_cast<uint32_t>(data.size());
  if (replaced->carries_crc())
    replaced->crc = block_crc32(data.data(), data.size());

  // Every later block below the tail follows its predecessor, and its data go
  // where its new table offset says.
  for (auto entry = replaced + 1; entry != entries.end(); ++entry) {
    if (entry->offset >= region_end)
      continue;
    const FlashBlockEntry& previous = *(entry - 1);
    uint64_t offset = uint64_t(previous.offset) + previous.length;
    if (entry->alignment == kAlignTo64K)
      offset = round_up(offset, kMovedBlockAlignment);
    if (offset + entry->length > region_end)
      return fail(result, kTailorOutOfRange, kFileTooBigMessage);
    for (uint64_t k = 0; k < entry->length; ++k)
      image[static_cast<std::size_t>(offset + k)] = byte_at(before, uint64_t(entry->offset) + k);
    entry->offset = static_cast<uint32_t>(offset);
  }
  return kTailorDone;
}

int ConfigGeneration::place_config_area(GenerationResult& result, std::size_t block,
                                        const std::vector<uint8_t>& data) const
{
  std::vector<uint8_t>& image = result.image.bytes;
  const uint64_t config_offset = FlashBlockEntry::read_u32(&image[kConfigPositionOffset]);
  const uint64_t position = config_offset + blocks_[block].offset;
  const uint64_t end = position + data.size();
  if (block + 1 == blocks_.size()) {
    const std::vector<FlashBlockEntry>& entries = result.image.entries;
    if (!entries.empty() && end > entries.front().offset)
      return fail(result, kTailorOutOfRange, kOverflow2Message);
  } else {
    const ScriptBlock& next = blocks_[block + 1];
    if (next.id == 0 && end > config_offset + next.offset)
      return fail(result, kTailorOutOfRange, kOverflow0Message);
    // Written all the same, the data would overwrite the bank header.
    if (next.id != 0 && end > result.image.bank_header_position)
      return fail(result, kTailorOutOfRange, kOverflow1Message);
  }
  if (end > image.size())
    return fail(result, kTailorOutOfRange, kFileTooBigMessage);
  std::copy(data.begin(), data.end(), image.begin() + static_cast<std::ptrdiff_t>(position));
  return kTailorDone;
}

int ConfigGeneration::overlay_config(GenerationResult& result, const std::vector<uint8_t>& config) const
{
  std::vector<uint8_t>& image = result.image.bytes;
  const uint64_t config_offset = FlashBlockEntry::read_u32(&image[kConfigPositionOffset]);
  if (config.size() != result.image.config_length || config_offset + config.size() > image.size())
    return fail(result, kTailorOutOfRange, kWrongConfigMessage);
  std::copy(config.begin(), config.end(), image.begin() + static_cast<std::ptrdiff_t>(config_offset));
  return kTailorDone;
}

int ConfigGeneration::place_key(GenerationResult& result, const std::vector<uint8_t>& key) const
{
  std::vector<uint8_t>& image = result.image.bytes;
  const uint64_t position = uint64_t(FlashBlockEntry::read_u32(&image[kConfigPositionOffset])) + kKeyRecordOffset;
  // A file shorter than the key bytes it must hold would leave them undefined.
  if (key.size() > kMaxKeyFileSize || key.size() < kKeyBytesStart + kKeyBytesSize ||
      position + sizeof kKeyRecordLead + kKeyBytesSize > image.size())
    return fail(result, kTailorOutOfRange, kWrongKeyMessage);
  auto record = image.begin() + static_cast<std::ptrdiff_t>(position);
  record = std::copy(std::begin(kKeyRecordLead), std::end(kKeyRecordLead), record);
  std::copy_n(key.begin() + kKeyBytesStart, kKeyBytesSize, record);
  return kTailorDone;
}

void ConfigGeneration::patch_byte(GenerationResult& result, const GenerationRequest& request) const
{
  if (request.flash_address_text.empty())
    return;
  const uint32_t address = parse_hex(request.flash_address_text);
  const uint32_t value = parse_hex(request.byte_value_text);
  if (address < result.image.bytes.size())
    result.image.bytes[address] = static_cast<uint8_t>(value);
  else
    result.messages.push_back(kInvalidAddressMessage);
}
