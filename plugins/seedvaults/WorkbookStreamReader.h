#pragma once
#include "CellRecordSink.h"
#include "WorkbookGlobals.h"
#include "WorksheetStream.h"
#include <cstdint>
#include <string>
#include <vector>

// Turns a "Workbook" stream of BIFF8 records into the globals and one
// WorksheetStream per worksheet substream. A stream that does not begin with
// a BIFF8 BOF gives no sheets; reading stops at the first substream that is
// neither globals nor a worksheet. A second globals substream, a record
// whose size runs past the stream, a record too short for its fields, and a
// substream without its EOF make read() fail with a reason in error().
//
// Cell records go to the sink when one is given, otherwise into their row
// blocks. A reader with a sink keeps no ROW records either (it checks them
// and moves on): the sink's sheets hold the cells, and a saved workbook makes
// its rows again from them.
class WorkbookStreamReader {
public:
  // The stream's size bytes at stream stay in place while reading.
  WorkbookStreamReader(const uint8_t* stream, std::size_t size, WorkbookGlobals& globals,
                       std::vector<WorksheetStream>& worksheets, CellRecordSink* sink = nullptr);
  bool read();
  const std::string& error() const { return error_; }

private:
  bool fail(const std::string& reason);
  // Whether fewer bytes than a record header remain.
  bool at_end() const;
  uint16_t next_code() const;
  // Reads the record at the position into record and moves past it.
  bool take(BiffRecord& record);
  // Appends a record to records (a vector or a deque) and reads it.
  template <typename Records> bool take_into(Records& records);
  bool skip_record();
  // Skips a substream nested in the one being read, up to its own EOF.
  bool skip_nested_substream();
  // Reads a substream from its BOF to its EOF, every record between through read_record.
  template <typename ReadRecord> bool read_substream(BofRecord& bof, EofRecord& eof, ReadRecord read_record);
  bool read_globals_record(uint16_t code);
  bool read_worksheet_record(uint16_t code, WorksheetStream& sheet);
  bool read_row_block(RowBlock& block);
  bool read_cell(RowBlock& block);
  bool read_row(RowBlock& block);
  // Reads the TABLE, SHRFMLA or ARRAY and the STRING that directly follow a FORMULA.
  bool read_formula_followers(FormulaRecord& formula);

  const uint8_t* stream_;
  std::size_t size_;
  WorkbookGlobals& globals_;
  std::vector<WorksheetStream>& worksheets_;
  CellRecordSink* sink_;
  CellRecordSlots cells_;
  // The ROW record read again for every row when a sink takes the cells.
  RowRecord row_;
  std::size_t position_ = 0;
  std::string error_;
};
