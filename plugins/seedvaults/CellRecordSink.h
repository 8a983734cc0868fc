#pragma once
#include "CellRecords.h"
#include <cstddef>
#include <string>

// Takes the cell records of the worksheets as the reader meets them, so that
// a caller can use them at once instead of keeping them in their row blocks.
class CellRecordSink {
public:
  virtual ~CellRecordSink() = default;
  // record is the latest cell record of the worksheet with index worksheet,
  // read from offset in the stream; false (with a reason in error) stops the
  // reading.
  virtual bool take_cell(std::size_t worksheet, std::size_t offset, const CellRecord& record, std::string& error) = 0;
};
