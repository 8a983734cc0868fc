#include "TailorGrid.h"

#include <cstdio>

int grid_cell_id(int row, int column)
{
  return kGridCellIdBase + kGridRowIdStep * row + column;
}

GridRect grid_cell_rect(const GridRect& header, int row)
{
  GridRect cell = header;
  cell.top = header.top + kGridRowHeight * (row + 1);
  cell.bottom = cell.top + kGridRowHeight;
  return cell;
}

std::string grid_cell_text(const FlashBlockEntry& entry, int column)
{
  char text[32] = "";
  switch (column) {
  case 0:
    std::snprintf(text, sizeof text, "%02X", unsigned(entry.id));
    break;
  case 1:
    std::snprintf(text, sizeof text, "%8X", unsigned(entry.length));
    break;
  case 2:
    std::snprintf(text, sizeof text, "%08X", unsigned(entry.crc));
    break;
  case 3:
    return entry.name_text();
  case 4:
    std::snprintf(text, sizeof text, "%08X", unsigned(entry.version));
    break;
  case 5:
    return entry.time_text().substr(0, 12);
  default:
    break;
  }
  return text;
}
