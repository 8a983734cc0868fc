#pragma once
#include "SstRecord.h"
#include "WorksheetStream.h"
#include "XlsCell.h"
#include <cstdint>
#include <memory_resource>
#include <string>
#include <vector>

class XlsWorkbook;

// The largest sheet of the format: 65,536 rows of 256 columns.
constexpr uint32_t kMaxSheetRows = 65536;
constexpr uint32_t kMaxSheetColumns = 256;

// A worksheet seen as a table of cells. The row and column counts come from
// the sheet's DIMENSIONS record (held to the format's limits) and grow to
// take every cell placed beyond them. Rows take memory by the cells placed
// in them (a new row as wide as the row placed before it, since rows tend
// to be alike), so a declared size decides nothing about memory.
class XlsSheet {
public:
  using Row = std::pmr::vector<XlsCell>;
  using Rows = std::pmr::vector<Row>;

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
  // The rows placed so far; a row reaches at least to its last placed cell.
  const Rows& placed_rows() const { return rows_; }

private:
  friend class XlsWorkbook;
  // Widens the counts to the sheet's DIMENSIONS (held to the format's limits).
  void take_dimensions(const DimensionsRecord& dimensions);
  // Puts a cell record's values at its places; a text cell shows its string
  // of sst, which must outlive the sheet. False (with a reason) when a text
  // cell names a string past the table.
  bool place_record(const CellRecord& record, const SstRecord& sst, std::string& error);
  void place_rk(uint16_t row, uint16_t column, uint32_t rk);
  // The count cells of row from first_column on, side by side, made part of
  // the sheet; null when the run leaves the sheet's limits.
  XlsCell* cell_run(unsigned row, unsigned first_column, std::size_t count);

  XlsWorkbook* workbook_;
  int index_;
  uint32_t row_count_ = 0;
  uint32_t column_count_ = 0;
  // Rows take their cells from one growing arena that lives as long as the
  // sheet: 60,000 rows cost a handful of allocations, not 60,000.
  std::pmr::monotonic_buffer_resource row_memory_;
  Rows rows_{&row_memory_};
  // The row cell() was last asked for, how far into it, and how far into
  // the row before it.
  uint32_t reach_row_ = UINT32_MAX;
  std::size_t reach_ = 0;
  std::size_t previous_reach_ = 0;
};

// Decodes an RK value into cell: an integer (the 0.01 flag then truncates
// the scaled value toward zero) or the upper half of a double.
void decode_rk(uint32_t rk, XlsCell& cell);
