#include "SatTp52Converter.h"
#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kMessageGenerated = "Preset Data generated! %d Satallite %d Tp have been generated!";

}

SatTp52Converter::SatTp52Converter()
  : satellite_(kSatTp52SatelliteSize, 0), transponder_(kTransponderRecordSize, 0)
{
}

int SatTp52Converter::set_cell(int value, const char16_t* wide, int column, const char* narrow)
{
  bool has_text = wide || narrow;
  if (column == 0) {
    if (has_text && value > 0)
      row_kind_ =
        first_character(wide, narrow, value) == '*' ? kSatelliteRow : kTransponderRowWithoutPrograms;
    // A transponder row's text only decides the row kind.
    if (row_kind_ == kSatelliteRow)
      put_name(satellite_, kSatelliteNameOffset, name_bytes(value, wide, narrow, true));
    return row_kind_;
  }
  int number = has_text ? 0 : value;
  if (row_kind_ == kSatelliteRow) {
    set_satellite_field(satellite_, column, number, true);
    return row_kind_;
  }
  switch (column) {
  case 1:
    put_i32(transponder_, 8, number);
    break;
  case 2:
    put_i32(transponder_, 12, number);
    break;
  case 3:
    put_i32(transponder_, 4, polarisation(value, wide, narrow));
    break;
  default:
    break;
  }
  return row_kind_;
}

void SatTp52Converter::finish_row(std::vector<uint8_t>& output)
{
  if (row_kind_ == kSatelliteRow) {
    put_i32(satellite_, 0, kSatelliteKind);
    output.insert(output.end(), satellite_.begin(), satellite_.end());
    ++satellites_;
  } else {
    put_i32(transponder_, 0, kTransponderKind);
    output.insert(output.end(), transponder_.begin(), transponder_.end());
    ++transponders_;
  }
  std::fill(satellite_.begin(), satellite_.end(), 0);
  std::fill(transponder_.begin(), transponder_.end(), 0);
}

int SatTp52Converter::convert(std::vector<uint8_t>& output, int last_row)
{
  satellites_ = transponders_ = 0;
  row_kind_ = kSatelliteRow;
  if (!convert_rows(output, last_row))
    return refuse(output, std::string());
  // The header holds each count's low bits; its readers expect no more.
  output[0] = uint8_t(satellites_);
  output[1] = uint8_t(transponders_);
  return int(output.size());
}

void SatTp52Converter::result_message(std::string& message) const
{
  if (!failure_.empty()) {
    message = failure_;
    return;
  }
  char text[160];
  std::snprintf(text, sizeof text, kMessageGenerated, satellites_, transponders_);
  message = text;
}
