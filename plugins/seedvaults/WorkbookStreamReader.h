#pragma once
#include "WorkbookGlobals.h"
#include "WorksheetStream.h"
#include <cstdint>
#include <string>
#include <vector>

// Turns a "Workbook" stream of BIFF8 records into the globals and one
// WorksheetStream per worksheet substream. A stream that does not begin with
// a BIFF8 BOF gives no sheets; reading stops at the first substream that is
// neither globals nor a worksheet. A record whose size runs past the stream,
// a record too short for its fields, and a substream without its EOF make
// read() fail with a reason in error().
class WorkbookStreamReader {
public:
  WorkbookStreamReader(const std::vector<uint8_t>& stream, WorkbookGlobals& globals,
                       std::vector<WorksheetStream>& worksheets);
  bool read();
  const std::string& error() const { return error_; }

private:
  bool fail(const std::string& reason);
  // Whether fewer bytes than a record header remain.
  bool at_end() const;
  uint16_t next_code() const;
  // Reads the record at the position into record and moves past it.
  bool take(BiffRecord& record);
  bool skip_record();
  // Skips a substream nested in the one being read, up to its own EOF.
  bool skip_nested_substream();
  bool read_globals();
  bool read_worksheet(WorksheetStream& sheet);
  bool read_row_block(RowBlock& block);
  bool read_cell(std::vector<CellRecord>& cells);
  bool read_formula(std::vector<CellRecord>& cells);

  const std::vector<uint8_t>& stream_;
  WorkbookGlobals& globals_;
  std::vector<WorksheetStream>& worksheets_;
  std::size_t position_ = 0;
  std::string error_;
};
