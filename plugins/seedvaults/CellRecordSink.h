#pragma once
#include "CellRecords.h"
#include <cstddef>
#include <string>

// Takes the cell records of the worksheets as the reader meets them, so that
// a caller can use them at once instead of keeping them in their row blocks.
class CellRecordSink {
public:
  virtual ~CellRecordSink() = default;
  // record is the latest cell record of the worksheet with index worksheet;
  // false (with a reason in error) stops the reading.
  virtual bool take_cell(std::size_t worksheet, const CellRecord& record, std::string& error) = 0;
};
