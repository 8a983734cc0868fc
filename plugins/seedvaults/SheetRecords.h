#pragma once
#include "BiffRecord.h"
#include <cstdint>
#include <vector>

// The records of a worksheet substream that frame its cells, with the
// defaults of a new sheet.

class IndexRecord : public BiffRecord {
public:
  IndexRecord() : BiffRecord(kCodeIndex), dbcell_positions(1, 0) {}
  uint32_t reserved = 0;
  uint32_t first_row = 0;
  uint32_t last_row_plus_one = 0;
  uint32_t reserved2 = 0;
  std::vector<uint32_t> dbcell_positions;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class DimensionsRecord : public BiffRecord {
public:
  DimensionsRecord() : BiffRecord(kCodeDimensions) {}
  uint32_t first_row = 0;
  uint32_t last_row_plus_one = 0;
  uint16_t first_column = 0;
  uint16_t last_column_plus_one = 0;
  uint16_t reserved = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class RowRecord : public BiffRecord {
public:
  RowRecord() : BiffRecord(kCodeRow) {}
  uint16_t row = 0;
  uint16_t first_column = 0;
  uint16_t last_column_plus_one = 0;
  uint16_t height = 255;
  uint16_t reserved = 0;
  uint16_t reserved2 = 0;
  uint32_t flags_and_xf = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class DbCellRecord : public BiffRecord {
public:
  DbCellRecord() : BiffRecord(kCodeDbCell) {}
  uint32_t first_row_offset = 0;
  std::vector<uint16_t> cell_offsets;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

// WINDOW2 flag of a selected sheet tab.
constexpr uint16_t kWindow2Selected = 0x0200;

class Window2Record : public BiffRecord {
public:
  Window2Record() : BiffRecord(kCodeWindow2) {}
  uint16_t flags = 0x06B6;
  uint16_t top_row = 0;
  uint16_t left_column = 0;
  uint16_t grid_colour_index = 64;
  uint16_t reserved = 0;
  uint16_t page_break_zoom = 0;
  uint16_t normal_zoom = 0;
  uint32_t reserved2 = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};
