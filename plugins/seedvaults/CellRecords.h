#pragma once
#include "BiffRecord.h"
#include "BiffString.h"
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

// The cell records of a worksheet's row blocks.

// Row, column and XF index, the start of every cell record.
struct CellPlace {
  uint16_t row = 0;
  uint16_t column = 0;
  uint16_t xf = 0;
};

// The cached text of a string-valued formula.
class StringRecord : public BiffRecord {
public:
  StringRecord() : BiffRecord(kCodeString) {}
  SstString text;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class FormulaRecord : public BiffRecord, public CellPlace {
public:
  FormulaRecord() : BiffRecord(kCodeFormula) {}
  uint8_t result[8] = {};
  uint16_t flags = 0;
  uint16_t word_after_flags = 0;
  std::vector<uint8_t> formula;
  // A directly following TABLE, SHRFMLA or ARRAY record, and the cached text.
  std::optional<BiffRecord> follower;
  std::optional<StringRecord> cached_string;

  std::size_t write(std::vector<uint8_t>& out) const override;
  std::size_t record_size() const override;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

struct RkCell {
  uint16_t xf = 0;
  uint32_t rk = 0;
};

class MulRkRecord : public BiffRecord {
public:
  MulRkRecord() : BiffRecord(kCodeMulRk) {}
  uint16_t row = 0;
  uint16_t first_column = 0;
  std::vector<RkCell> cells;
  uint16_t last_column = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class MulBlankRecord : public BiffRecord {
public:
  MulBlankRecord() : BiffRecord(kCodeMulBlank) {}
  uint16_t row = 0;
  uint16_t first_column = 0;
  std::vector<uint16_t> xfs;
  uint16_t last_column = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class LabelSstRecord : public BiffRecord, public CellPlace {
public:
  LabelSstRecord() : BiffRecord(kCodeLabelSst) {}
  uint32_t string_index = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class BlankRecord : public BiffRecord, public CellPlace {
public:
  BlankRecord() : BiffRecord(kCodeBlank) {}

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class NumberRecord : public BiffRecord, public CellPlace {
public:
  NumberRecord() : BiffRecord(kCodeNumber) {}
  double value = 0.0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class BoolErrRecord : public BiffRecord, public CellPlace {
public:
  BoolErrRecord() : BiffRecord(kCodeBoolErr) {}
  uint8_t value = 0;
  uint8_t error_flag = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class RkRecord : public BiffRecord, public CellPlace {
public:
  RkRecord() : BiffRecord(kCodeRk) {}
  uint32_t rk = 0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

// One cell record of a row block: the record kind is the alternative held.
using CellRecord = std::variant<FormulaRecord, MulRkRecord, MulBlankRecord, LabelSstRecord, BlankRecord,
                                NumberRecord, BoolErrRecord, RkRecord>;

// One record of each cell kind, read again for every cell of its kind so
// that reading a cell costs no allocation.
class CellRecordSlots {
public:
  CellRecordSlots();
  // The record of the kind that code names (one of is_cell_code's), read
  // from the record at header (at most available bytes); null when it runs
  // past them or is too short for its fields. Its bytes consumed go to consumed.
  CellRecord* read(const uint8_t* header, std::size_t available, std::size_t& consumed);

private:
  CellRecord slots_[std::variant_size_v<CellRecord>];
};

// Whether code is one of the cell records a row block keeps.
bool is_cell_code(uint16_t code);
// Whether code may follow a FORMULA as its table, shared or array formula.
bool is_formula_follower_code(uint16_t code);
