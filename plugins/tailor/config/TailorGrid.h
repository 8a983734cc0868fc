#pragma once
#include "FlashBlockEntry.h"

#include <string>

// The main view's block grid: one row of sunken labels per block, under the
// column headers.
const int kGridCellIdBase = 10000;
const int kGridRowIdStep = 10;
const int kGridColumns = 6;
const int kGridRows = 64;
const int kGridRowHeight = 21;
const int kGridFirstHeaderId = 2036;

struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

int grid_cell_id(int row, int column);
// The column header's rectangle moved down by one row height per row, and
// one row high.
GridRect grid_cell_rect(const GridRect& header, int row);
// The text of a block's cell: id, size, CRC word, name, version, time.
std::string grid_cell_text(const FlashBlockEntry& entry, int column);
