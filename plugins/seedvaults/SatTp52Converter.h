#pragma once
#include "PresetConverter.h"
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kSatTp52SatelliteSize = 52;

// The converter of the group without programs (group 2): each satellite row
// writes a 52-byte satellite record, each transponder row a transponder record.
class SatTp52Converter : public PresetConverter {
public:
  SatTp52Converter();
  int convert(std::vector<uint8_t>& output, int last_row) override;
  int set_cell(int value, const char16_t* wide, int column, const char* narrow) override;
  void result_message(std::string& message) const override;

protected:
  void finish_row(std::vector<uint8_t>& output) override;

private:
  std::vector<uint8_t> satellite_;
  std::vector<uint8_t> transponder_;
  int row_kind_ = kSatelliteRow;
  int satellites_ = 0;
  int transponders_ = 0;
};
