#include "SatTpProgConverter.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kMessageGenerated = "Preset Data generated! %d Satallite %d Tp %d Pro have been generated!";
constexpr char kProgramNone[] = "NONE"; // with its terminating zero

}

SatTpProgConverter::SatTpProgConverter(const SatTpProgLayout& layout)
  : layout_(layout), satellite_(layout.satellite_size, 0), transponder_(kTransponderRecordSize, 0),
    program_(layout.program_size, 0)
{
}

SatTpProg48Converter::SatTpProg48Converter() : SatTpProgConverter({48, 48, 32, false, false})
{
}

SatTpProg52Converter::SatTpProg52Converter() : SatTpProgConverter({52, 52, 36, true, true})
{
}

int SatTpProgConverter::set_cell(int value, const char16_t* wide, int column, const char* narrow)
{
  bool has_text = wide || narrow;
  if (column == 0) {
    if (has_text && value > 0)
      row_kind_ = first_character(wide, narrow, value) == '*' ? kSatelliteRow : kTransponderRow;
    if (row_kind_ == kSatelliteRow)
      put_name(satellite_, kSatelliteNameOffset, name_bytes(value, wide, narrow, true));
    else
      put_name(program_, layout_.program_name_offset, name_bytes(value, wide, narrow, false));
    return row_kind_;
  }
  if (row_kind_ == kSatelliteRow)
    set_satellite_field(satellite_, column, has_text ? 0 : value, layout_.satellite_column8);
  else
    set_transponder_row_cell(value, wide, column, narrow);
  return row_kind_;
}

void SatTpProgConverter::set_transponder_row_cell(int value, const char16_t* wide, int column, const char* narrow)
{
  int number = wide || narrow ? 0 : value;
  switch (column) {
  case 2:
    put_i32(program_, 16, number);
    break;
  case 3:
    put_i32(program_, 4, number);
    break;
  case 4:
    put_i32(program_, 12, number);
    break;
  case 5:
    put_i32(program_, 20, number);
    break;
  case 6:
    put_i32(program_, 24, number);
    break;
  case 7:
    put_i32(transponder_, 8, number);
    break;
  case 8:
    put_i32(transponder_, 12, number);
    break;
  case 9:
    put_i32(transponder_, 4, polarisation(value, wide, narrow));
    break;
  case 13:
    put_i32(program_, 8, side_code(value, wide, narrow));
    break;
  case 14:
    put_i32(program_, 28, number);
    break;
  case 15:
    if (layout_.program_columns_15_16)
      put_i16(program_, 32, number);
    break;
  case 16:
    if (layout_.program_columns_15_16)
      put_i16(program_, 34, number);
    break;
  default:
    break;
  }
}

void SatTpProgConverter::finish_row(std::vector<uint8_t>& output)
{
  if (row_kind_ == kSatelliteRow) {
    put_i32(satellite_, 0, kSatelliteKind);
    output.insert(output.end(), satellite_.begin(), satellite_.end());
    ++satellites_;
    transponders_seen_.clear();
  } else {
    put_i32(transponder_, 0, kTransponderKind);
    std::array<uint8_t, kTransponderRecordSize> key;
    std::copy(transponder_.begin(), transponder_.end(), key.begin());
    if (std::find(transponders_seen_.begin(), transponders_seen_.end(), key) == transponders_seen_.end()) {
      transponders_seen_.push_back(key);
      ++unique_transponders_;
    }
    output.insert(output.end(), transponder_.begin(), transponder_.end());
    ++transponder_records_;
    if (std::memcmp(&program_[layout_.program_name_offset], kProgramNone, sizeof kProgramNone) != 0) {
      put_i32(program_, 0, kProgramKind);
      output.insert(output.end(), program_.begin(), program_.end());
      ++programs_;
    }
  }
  std::fill(satellite_.begin(), satellite_.end(), 0);
  std::fill(program_.begin(), program_.end(), 0);
}

int SatTpProgConverter::convert(std::vector<uint8_t>& output, int last_row)
{
  satellites_ = unique_transponders_ = transponder_records_ = programs_ = 0;
  row_kind_ = kSatelliteRow;
  transponders_seen_.clear();
  if (!convert_rows(output, last_row))
    return refuse(output, std::string());
  // The header holds each count's low bits; its readers expect no more.
  output[0] = uint8_t(satellites_);
  output[1] = uint8_t(transponder_records_);
  output[2] = uint8_t(programs_ >> 8);
  output[3] = uint8_t(programs_);
  return int(output.size());
}

void SatTpProgConverter::result_message(std::string& message) const
{
  if (!failure_.empty()) {
    message = failure_;
    return;
  }
  char text[160];
  std::snprintf(text, sizeof text, kMessageGenerated, satellites_, unique_transponders_, programs_);
  message = text;
}
