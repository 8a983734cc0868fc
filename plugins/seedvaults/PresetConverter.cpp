#include "PresetConverter.h"
#include "AnsiText.h"
#include "ByteReader.h"
#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kSatelliteColumn8Offset = 48;

std::string format_message(const char* format, int number)
{
  char text[160];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

}

bool PresetConverter::load(const std::string& path)
{
  workbook_.reset_to_new(1);
  bool loaded = workbook_.load_file(path);
  worksheet_ = workbook_.find_worksheet(kPresetSheetName);
  return loaded && worksheet_ != nullptr;
}

int PresetConverter::count_data_rows() const
{
  int rows = int(kFirstDataRow);
  if (!worksheet_)
    return rows;
  for (unsigned row = kFirstDataRow; row < worksheet_->row_count(); ++row) {
    int type = worksheet_->find_cell(row, 0).type();
    if (type == kCellNarrowText || type == kCellWideText)
      ++rows;
  }
  return rows;
}

int PresetConverter::convert(std::vector<uint8_t>&, int)
{
  return 0;
}

int PresetConverter::set_cell(int, const char16_t*, int, const char*)
{
  return 0;
}

void PresetConverter::result_message(std::string&) const
{
}

void PresetConverter::finish_row(std::vector<uint8_t>&)
{
}

void PresetConverter::hand_cell(const XlsCell& cell, int column)
{
  if (const char16_t* wide = cell.wide_text())
    set_cell(cell.text_length(), wide, column, nullptr);
  else if (const char* narrow = cell.narrow_text())
    set_cell(cell.text_length(), nullptr, column, narrow);
  else
    set_cell(cell.integer_value(), nullptr, column, nullptr);
}

bool PresetConverter::convert_rows(std::vector<uint8_t>& output, int last_row)
{
  output.assign(kPresetHeaderSize, 0);
  rows_handled_ = 0;
  failure_.clear();
  if (last_row < int(kFirstDataRow) + 1) {
    failure_ = format_message(kMessageLastRowTooSmall, last_row);
    return false;
  }
  int wanted = last_row - int(kFirstDataRow);
  if (worksheet_) {
    for (unsigned row = kFirstDataRow; row < worksheet_->row_count(); ++row) {
      for (unsigned column = 0; column < worksheet_->column_count(); ++column)
        hand_cell(worksheet_->find_cell(row, column), int(column));
      finish_row(output);
      if (++rows_handled_ == wanted)
        return true;
    }
  }
  failure_ = format_message(kMessageRowsMissing, last_row);
  return false;
}

int PresetConverter::refuse(std::vector<uint8_t>& output, const std::string& reason)
{
  if (!reason.empty())
    failure_ = reason;
  output.clear();
  return kConvertFailed;
}

void PresetConverter::put_i32(std::vector<uint8_t>& record, std::size_t offset, int32_t value)
{
  store_u32(&record[offset], uint32_t(value));
}

void PresetConverter::put_i16(std::vector<uint8_t>& record, std::size_t offset, int value)
{
  store_u16(&record[offset], uint16_t(value));
}

int PresetConverter::first_character(const char16_t* wide, const char* narrow, int length)
{
  if (length <= 0)
    return -1;
  if (wide)
    return wide[0];
  if (narrow)
    return uint8_t(narrow[0]);
  return -1;
}

std::string PresetConverter::name_bytes(int length, const char16_t* wide, const char* narrow, bool skip_first)
{
  std::size_t skip = skip_first ? 1 : 0;
  if (length <= int(skip))
    return std::string();
  if (wide)
    return ansi_from_wide(std::u16string(wide + skip, std::size_t(length) - skip), kNameFieldSize);
  if (narrow)
    return std::string(narrow + skip, std::min<std::size_t>(std::size_t(length) - skip, kNameFieldSize));
  return std::string();
}

void PresetConverter::put_name(std::vector<uint8_t>& record, std::size_t offset, const std::string& name)
{
  std::fill(record.begin() + offset, record.begin() + offset + kNameFieldSize, 0);
  std::copy(name.begin(), name.begin() + std::min(name.size(), kNameFieldSize), record.begin() + offset);
}

int PresetConverter::polarisation(int value, const char16_t* wide, const char* narrow)
{
  if (!wide && !narrow)
    return value;
  switch (first_character(wide, narrow, value)) {
  case 'V':
    return 1;
  default:
    return 0;
  }
}

int PresetConverter::side_code(int value, const char16_t* wide, const char* narrow)
{
  if (!wide && !narrow)
    return 0;
  switch (first_character(wide, narrow, value)) {
  case 'L':
    return 1;
  case 'R':
    return 2;
  default:
    return 0;
  }
}

void PresetConverter::set_satellite_field(std::vector<uint8_t>& record, int column, int value, bool has_column8)
{
  switch (column) {
  case 1:
    put_i32(record, 12, value);
    break;
  case 2:
    put_i32(record, 8, value);
    break;
  case 3:
    put_i32(record, 4, value);
    break;
  case 4:
    put_i32(record, 28, value);
    break;
  case 5:
    put_i32(record, 24, value);
    break;
  case 6:
    put_i32(record, 20, value);
    break;
  case 7:
    put_i32(record, 16, value);
    break;
  case 8:
    if (has_column8)
      put_i32(record, kSatelliteColumn8Offset, value);
    break;
  default:
    break;
  }
}
