#include "PresetBlock.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

void append_u16_big_endian(std::vector<uint8_t>& bytes, std::size_t value)
{
  bytes.push_back(static_cast<uint8_t>(value >> 8));
  bytes.push_back(static_cast<uint8_t>(value));
}

std::size_t u16_big_endian(const std::vector<uint8_t>& bytes, std::size_t position)
{
  return std::size_t(bytes[position]) << 8 | bytes[position + 1];
}

void append_text(std::vector<uint8_t>& bytes, const std::u16string& text)
{
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
}

// The number cut to a 64-bit integer, in decimal. Values no 64-bit integer
// holds give the lowest one, as the processor's own conversion does.
std::u16string number_text(double value)
{
  const double kLimit = 9223372036854775808.0;
  long long whole = (value > -kLimit && value < kLimit) ? static_cast<long long>(value) : INT64_MIN;
  char digits[24];
  std::snprintf(digits, sizeof digits, "%lld", whole);
  std::u16string text;
  for (const char* digit = digits; *digit; ++digit)
    text += static_cast<char16_t>(*digit);
  return text;
}

template <typename Records>
auto find_named_record(Records& records) -> decltype(&records.front())
{
  for (auto& record : records) {
    if (record.entry.name_begins_with(kPresetBlockName))
      return &record;
  }
  return nullptr;
}

}  // namespace

bool build_preset_data(const PresetTable& table, std::vector<uint8_t>& block)
{
  if (table.columns > kPresetMaxColumns || table.rows > kPresetMaxRows)
    return false;
  block.assign(kPresetMagic, kPresetMagic + kPresetMagicSize);
  append_u16_big_endian(block, table.rows);
  append_u16_big_endian(block, table.columns);

  std::size_t previous_row = 0;  // rows count from 1 here
  for (std::size_t r = 1; r <= table.rows; ++r) {
    for (std::size_t c = 1; c <= table.columns; ++c) {
      const PresetCell& cell = table.at(r - 1, c - 1);
      if (cell.kind != PresetCell::Text && cell.kind != PresetCell::Number)
        continue;
      uint8_t header = static_cast<uint8_t>(c - 1);
      if (r != previous_row)
        header |= kPresetRowStart;
      previous_row = r;
      block.push_back(header);
      append_text(block, cell.kind == PresetCell::Text ? cell.text : number_text(cell.number));
    }
  }
  return true;
}

bool read_preset_data(const std::vector<uint8_t>& block, PresetSheet& sheet)
{
  sheet = PresetSheet();
  if (block.size() < kPresetHeaderSize)
    return false;
  sheet.columns = u16_big_endian(block, kPresetColumnsOffset);

  std::size_t row = 0;
  std::size_t position = kPresetHeaderSize;
  while (position < block.size()) {
    const uint8_t header = block[position++];
    PresetSheetCell cell;
    if (header & kPresetRowStart) {
      ++row;
      if (position < block.size() && block[position] == '*')
        sheet.marked_rows.push_back(row);
    } else if (row == 0) {
      return false;  // a cell before the first row
    }
    // Every cell is placed by its own column bits, so cells after an empty
    // one keep their columns.
    cell.row = row;
    cell.column = (header & kPresetColumnMask) + 1u;
    for (;;) {
      if (position + 2 > block.size())
        return false;  // text without its 0 unit
      const char16_t unit = static_cast<char16_t>(block[position] | block[position + 1] << 8);
      position += 2;
      if (unit == 0)
        break;
      cell.text += unit;
    }
    sheet.cells.push_back(std::move(cell));
  }
  return true;
}

BlockRecord* find_preset_record(std::vector<BlockRecord>& records)
{
  return find_named_record(records);
}

const BlockRecord* find_preset_record(const std::vector<BlockRecord>& records)
{
  return find_named_record(records);
}

FormatResult build_preset_block(std::vector<BlockRecord>& records, const PresetTable& table, PresetPacker& packer,
                                std::size_t& packed_length)
{
  packed_length = 0;
  std::vector<uint8_t> block;
  if (!build_preset_data(table, block))
    return FormatResult::failure(std::string());
  std::vector<uint8_t> packed;
  FormatResult packing = packer.pack_preset(block, packed);
  if (!packing.ok())
    return packing;

  packed_length = packed.size();
  if (BlockRecord* preset = find_preset_record(records)) {
    preset->entry.length = static_cast<uint32_t>(packed.size());
    preset->data = std::move(packed);
  }
  return FormatResult::success();
}

FormatResult read_preset_block(const BlockRecord& record, PresetPacker& packer, PresetSheet& sheet)
{
  std::vector<uint8_t> block;
  FormatResult unpacking = packer.unpack_preset(record.data.bytes(), block);
  if (!unpacking.ok())
    return unpacking;
  if (!read_preset_data(block, sheet))
    return FormatResult::failure(std::string());
  return FormatResult::success();
}
