#pragma once
#include "CellRecords.h"
#include "GlobalsRecords.h"
#include "SheetRecords.h"
#include <vector>

// The rows of one row block lie in one run of this many rows.
constexpr uint32_t kRowsPerBlock = 32;

// The ROW records of a row block, its cell records in stream order and its DBCELL.
struct RowBlock {
  std::vector<RowRecord> rows;
  std::vector<CellRecord> cells;
  DbCellRecord dbcell;
};

// The records of one worksheet substream that the workbook keeps.
struct WorksheetStream {
  BofRecord bof{kSubstreamWorksheet};
  IndexRecord index;
  DimensionsRecord dimensions;
  std::vector<RowBlock> row_blocks;
  Window2Record window2;
  EofRecord eof;
};
