#pragma once
#include "SstRecord.h"
#include "WorksheetStream.h"
#include "XlsCell.h"
#include <cstdint>
#include <string>
#include <vector>

class XlsWorkbook;

// The largest sheet of the format: 65,536 rows of 256 columns.
constexpr uint32_t kMaxSheetRows = 65536;
constexpr uint32_t kMaxSheetColumns = 256;

// A worksheet seen as a table of cells. The row and column counts come from
// the sheet's DIMENSIONS record (held to the format's limits) and grow to
// take every cell placed beyond them; only rows and cells that were placed
// take memory, so a declared size decides nothing about memory.
class XlsSheet {
public:
  XlsSheet(XlsWorkbook* workbook, int index) : workbook_(workbook), index_(index) {}

  XlsWorkbook* workbook() const { return workbook_; }
  int index() const { return index_; }
  uint32_t row_count() const { return row_count_; }
  uint32_t column_count() const { return column_count_; }

  // The cell at row and column, made part of the sheet: the counts grow to
  // take it. Null beyond 65,536 rows or 256 columns.
  XlsCell* cell(unsigned row, unsigned column);
  // The cell at row and column without changing the sheet: an undefined cell
  // wherever nothing was placed.
  const XlsCell& find_cell(unsigned row, unsigned column) const;
  // The rows placed so far, each as long as its last placed cell.
  const std::vector<std::vector<XlsCell>>& placed_rows() const { return rows_; }

  // Fills the sheet from a worksheet stream; false (with a reason) when a
  // text cell names a string past the string table.
  bool build(const WorksheetStream& stream, const SstRecord& sst, std::string& error);

private:
  friend class XlsWorkbook;
  bool place_record(const CellRecord& record, const SstRecord& sst, std::string& error);
  void place_rk(uint16_t row, uint16_t column, uint32_t rk);

  XlsWorkbook* workbook_;
  int index_;
  uint32_t row_count_ = 0;
  uint32_t column_count_ = 0;
  std::vector<std::vector<XlsCell>> rows_;
};

// Decodes an RK value into cell: an integer (the 0.01 flag then truncates
// the scaled value toward zero) or the upper half of a double.
void decode_rk(uint32_t rk, XlsCell& cell);
