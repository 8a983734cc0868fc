#pragma once
#include "PresetConverter.h"
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Record layout of a project group with programs.
struct SatTpProgLayout {
  std::size_t satellite_size;
  std::size_t program_size;
  std::size_t program_name_offset;
  // Column 8 of a satellite row goes to the satellite record's last field.
  bool satellite_column8;
  // Columns 15 and 16 of a transponder row go to the program record.
  bool program_columns_15_16;
};

// The converter of the groups whose transponder rows also carry a program:
// each satellite row writes a satellite record, each transponder row a
// transponder record and, unless the program is named "NONE", a program record.
class SatTpProgConverter : public PresetConverter {
public:
  int convert(std::vector<uint8_t>& output, int last_row) override;
  int set_cell(int value, const char16_t* wide, int column, const char* narrow) override;
  void result_message(std::string& message) const override;

protected:
  explicit SatTpProgConverter(const SatTpProgLayout& layout);
  void finish_row(std::vector<uint8_t>& output) override;

private:
  void set_transponder_row_cell(int value, const char16_t* wide, int column, const char* narrow);

  SatTpProgLayout layout_;
  std::vector<uint8_t> satellite_;
  std::vector<uint8_t> transponder_;
  std::vector<uint8_t> program_;
  // The distinct transponders under the current satellite.
  std::vector<std::array<uint8_t, kTransponderRecordSize>> transponders_seen_;
  int row_kind_ = kSatelliteRow;
  int satellites_ = 0;
  int unique_transponders_ = 0;
  int transponder_records_ = 0;
  int programs_ = 0;
};

// Group 0: satellite 48 bytes, transponder 16, program 48.
class SatTpProg48Converter : public SatTpProgConverter {
public:
  SatTpProg48Converter();
};

// Group 1: satellite 52 bytes, transponder 16, program 52.
class SatTpProg52Converter : public SatTpProgConverter {
public:
  SatTpProg52Converter();
};
