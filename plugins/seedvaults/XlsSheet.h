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
//
// The cells of a loaded file stay in the workbook's stream until they are
// wanted: the sheet keeps where each row's cell records lie and reads a row's
// values when it is asked for, so that loading a large sheet writes no cell.
// A row becomes cells of its own once it is changed or its list is asked for.
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
  // wherever nothing was placed. Rows read from the file are read one at a
  // time, so a sheet is not read from two threads at once.
  XlsCell find_cell(unsigned row, unsigned column) const;
  // The rows placed so far, every row read from the file among them; a row
  // reaches at least to its last placed cell.
  const Rows& placed_rows() const;

private:
  friend class XlsWorkbook;
  // Widens the counts to the sheet's DIMENSIONS (held to the format's limits).
  void take_dimensions(const DimensionsRecord& dimensions);
  // Takes the cell record read at offset of stream (which, like sst, must
  // outlive the sheet): a record that starts a row, or goes on with the row
  // the records before it started, stays where it lies; any other is placed
  // at once. A text cell shows its string of sst. False (with a reason) when
  // a text cell names a string past the table.
  bool take_record(const uint8_t* stream, std::size_t stream_size, std::size_t offset, const CellRecord& record,
                   const SstRecord& sst, std::string& error);
  // The string table that the sheet's text cells show (after it has moved).
  void show_strings_of(const SstRecord& sst) { sst_ = &sst; }
  // The count cells of row from first_column on, side by side, made part of
  // the sheet; null when the run leaves the sheet's limits.
  XlsCell* cell_run(unsigned row, unsigned first_column, std::size_t count);
  // Whether row still lies in the stream.
  bool row_is_kept(uint32_t row) const { return row < kept_rows_.size() && kept_rows_[row].first != kept_rows_[row].end; }
  // Reads a kept row's values into decoded_; returns its reach.
  std::size_t decode_kept_row(uint32_t row) const;
  // Makes a kept row cells of its own.
  void place_kept_row(uint32_t row) const;

  XlsWorkbook* workbook_;
  int index_;
  uint32_t row_count_ = 0;
  uint32_t column_count_ = 0;
  // Rows take their cells from one growing arena that lives as long as the
  // sheet: 60,000 rows cost a handful of allocations, not 60,000.
  mutable std::pmr::monotonic_buffer_resource row_memory_;
  mutable Rows rows_{&row_memory_};
  // The rows that still lie in the stream: each one's records are
  // kept_offsets_[first, end), in stream order.
  struct KeptRow {
    uint32_t first = 0;
    uint32_t end = 0;
  };
  const uint8_t* stream_ = nullptr;
  std::size_t stream_size_ = 0;
  const SstRecord* sst_ = nullptr;
  mutable std::vector<uint32_t> kept_offsets_;
  mutable std::vector<KeptRow> kept_rows_;
  // The row whose records are being kept while loading.
  mutable uint32_t open_row_ = UINT32_MAX;
  // The kept row read last, as wide as the widest row; and a record of each kind to read it with.
  mutable std::vector<XlsCell> decoded_;
  mutable uint32_t decoded_row_ = UINT32_MAX;
  mutable std::size_t decoded_reach_ = 0;
  mutable CellRecordSlots records_;
  // The row cell() was last asked for, how far into it, and how far into
  // the row before it.
  uint32_t reach_row_ = UINT32_MAX;
  std::size_t reach_ = 0;
  std::size_t previous_reach_ = 0;
};

// Decodes an RK value into cell: an integer (the 0.01 flag then truncates
// the scaled value toward zero) or the upper half of a double.
void decode_rk(uint32_t rk, XlsCell& cell);
