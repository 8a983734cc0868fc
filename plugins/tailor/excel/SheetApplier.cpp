#include "SheetApplier.h"
#include "FieldBits.h"
#include "HardwareInfo.h"
#include "TailorResult.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

const double kTwoTo63 = 9223372036854775808.0;
const double kTwoTo64 = 18446744073709551616.0;
const uint64_t kChoiceLimit = uint64_t(1) << 32;
const std::size_t kMessageLength = 1100;

std::string ansi_text(const std::u16string& text)
{
  if (text.empty())
    return std::string();
  const wchar_t* units = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(CP_ACP, 0, units, int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string converted(std::size_t(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, int(text.size()), &converted[0], length, nullptr, nullptr);
  return converted;
}

// A number's 64-bit integer part, negative ones in two's complement; false
// for a number no 64-bit integer holds.
bool integer_part(double number, uint64_t& value)
{
  if (!std::isfinite(number) || number <= -kTwoTo63 - 1 || number >= kTwoTo64)
    return false;
  double whole = std::trunc(number);
  value = whole >= kTwoTo63 ? uint64_t(whole) : uint64_t(int64_t(whole));
  return true;
}

std::string number_text(double number)
{
  uint64_t value = 0;
  if (!integer_part(number, value))
    return std::string();
  char text[24];
  std::snprintf(text, sizeof text, number >= kTwoTo63 ? "%llu" : "%lld", static_cast<unsigned long long>(value));
  return text;
}

std::string formatted(const char* format, const std::string& first, const std::string& second)
{
  char text[kMessageLength];
  std::snprintf(text, sizeof text, format, first.c_str(), second.c_str());
  return text;
}

bool begins_with_star(const std::string& text)
{
  return !text.empty() && text[0] == '*';
}

template <class Blocks>
auto find_block(Blocks& blocks, const std::string& name) -> decltype(&blocks[0])
{
  for (auto& block : blocks)
    if (block.name == name)
      return &block;
  return nullptr;
}

const PresetCell& cell_at(const PresetTable& values, std::size_t row, std::size_t column)
{
  static const PresetCell empty;
  return column < values.columns ? values.at(row, column) : empty;
}

bool read_whole_file(const std::u16string& path, std::vector<uint8_t>& bytes)
{
  FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"rb");
  if (!file)
    return false;
  bytes.clear();
  uint8_t chunk[65536];
  std::size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    bytes.insert(bytes.end(), chunk, chunk + count);
  bool read = !std::ferror(file);
  std::fclose(file);
  return read;
}

}

std::string cell_text(const PresetCell& cell)
{
  switch (cell.kind) {
  case PresetCell::Empty:
    return kEmptyCellText;
  case PresetCell::Number:
    return number_text(cell.number);
  case PresetCell::Text:
    return ansi_text(cell.text);
  default:
    return std::string();
  }
}

SheetApplier::SheetApplier(std::vector<BlockRecord>& records, ExchangeMessageSink show)
  : records_(records), show_(std::move(show))
{
}

int SheetApplier::apply_field_sheet(const PresetTable& values, ScriptSheet& sheet)
{
  SheetBlock* current = nullptr;
  for (std::size_t row = 0; row < values.rows; ++row) {
    std::string name = cell_text(cell_at(values, row, 0));
    if (begins_with_star(name)) {
      current = find_block(sheet.blocks, name.substr(1));
      continue;
    }
    if (!current)
      continue;
    BlockRecord* record = find_record(*current);
    if (!record)
      return kTailorFileFailure;
    for (SheetField& field : current->fields) {
      if (field.name != name)
        continue;
      int result = apply_field(cell_at(values, row, 1), *current, field, *record);
      if (result != 0)
        return result;
      break;
    }
  }
  return 0;
}

int SheetApplier::apply_file_sheet(const PresetTable& values, const ScriptSheet& sheet)
{
  const SheetBlock* current = nullptr;
  for (std::size_t row = 0; row < values.rows; ++row) {
    std::string name = cell_text(cell_at(values, row, 0));
    if (begins_with_star(name))
      current = find_block(sheet.blocks, name.substr(1));
    if (!current || (current->em != SheetBlock::HardwareInfoFile && current->em != SheetBlock::RawFile))
      continue;
    BlockRecord* record = find_record(*current);
    if (!record)
      return kTailorFileFailure;
    const PresetCell& path = cell_at(values, row, 1);
    if (path.kind != PresetCell::Text)
      continue;
    int result = apply_file(path.text, *current, *record);
    if (result != 0)
      return result;
  }
  return 0;
}

BlockRecord* SheetApplier::find_record(const SheetBlock& block)
{
  for (BlockRecord& record : records_) {
    if (record.entry.id == block.index &&
        record.entry.name_text() == block.name.substr(0, kFlashBlockNameSize))
      return &record;
  }
  char text[kMessageLength];
  std::snprintf(text, sizeof text, kBlockNotInImageMessage, block.name.c_str(), unsigned(block.index));
  show_(text, MessageCaption::Program);
  return nullptr;
}

int SheetApplier::apply_field(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record)
{
  if (field.type == SheetField::Number || field.type == SheetField::Choice)
    return apply_number(cell, block, field, record);
  return apply_text(cell, block, field, record);
}

int SheetApplier::apply_number(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record)
{
  uint64_t value = field.value;
  if (cell.kind == PresetCell::Number && !integer_part(cell.number, value))
    return refuse(kTailorOutOfRange, formatted(kValueOutOfRangeMessage, field.name, std::string()));
  if (field.type == SheetField::Choice && (value < field.minimum || value > field.maximum || value >= kChoiceLimit))
    return refuse(kTailorOutOfRange, formatted(kValueOutOfRangeMessage, field.name, std::string()));
  std::size_t first = std::size_t(block.offset) + field_first_byte(field.bit_offset);
  if (block.offset > record.data.size() || first + field_byte_count(field.bit_offset, field.bit_length) > record.data.size())
    return refuse(kTailorFileFailure, formatted(kFieldOutsideBlockMessage, field.name, block.name));
  // A value wider than its field is cut to it, here as in the data.
  field.value = field.bit_length < kMaxFieldValueBits ? value & ((uint64_t(1) << field.bit_length) - 1) : value;
  write_field_bits(record.data.edit().data() + block.offset, field.bit_offset, field.bit_length, value);
  return 0;
}

int SheetApplier::apply_text(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record)
{
  std::string text;
  if (cell.kind == PresetCell::Number)
    text = number_text(cell.number);
  else if (cell.kind == PresetCell::Text)
    text = ansi_text(cell.text);
  // The text and its terminating zero stay inside the field and the block.
  std::size_t place = std::size_t(block.offset) + field.bit_offset / 8;
  if (field.bit_length != 0 && text.size() + 1 > field.bit_length / 8)
    return refuse(kTailorOutOfRange, formatted(kValueOutOfRangeMessage, field.name, std::string()));
  if (place > record.data.size() || text.size() + 1 > record.data.size() - place)
    return refuse(kTailorFileFailure, formatted(kFieldOutsideBlockMessage, field.name, block.name));
  field.text_value = text;
  std::vector<uint8_t>& data = record.data.edit();
  std::copy(text.begin(), text.end(), data.begin() + std::ptrdiff_t(place));
  data[place + text.size()] = 0;
  return 0;
}

int SheetApplier::apply_file(const std::u16string& path, const SheetBlock& block, BlockRecord& record)
{
  std::vector<uint8_t> bytes;
  bool opened = read_whole_file(path, bytes);
  if (block.em == SheetBlock::RawFile) {
    // A file that does not open changes nothing.
    if (opened) {
      record.entry.length = uint32_t(bytes.size());
      record.data = BlockData(std::move(bytes));
    }
    return 0;
  }
  HardwareInfo info;
  std::istringstream text(std::string(bytes.begin(), bytes.end()));
  FormatResult parsed = opened ? info.parse_hw_info(text) : FormatResult::failure(std::string());
  if (!parsed.ok()) {
    if (!parsed.message().empty())
      show_(parsed.message(), MessageCaption::None);
    show_(kHwInfoFailedMessage, MessageCaption::None);
    return kTailorFileFailure;
  }
  // The block keeps its length; the buffer covers it even when it is longer.
  std::vector<uint8_t> buffer(std::max<std::size_t>(kHardwareInfoBufferSize, record.entry.length), 0);
  std::vector<uint8_t> block_bytes = info.block();
  std::copy(block_bytes.begin(), block_bytes.end(), buffer.begin());
  record.data = BlockData(std::move(buffer));
  return 0;
}

int SheetApplier::refuse(int result, const std::string& message)
{
  show_(message, MessageCaption::Program);
  return result;
}
