#include "SheetModel.h"
#include <algorithm>

namespace {

const CellValue kNoValue;

bool is_empty(const CellValue& value)
{
  if (std::holds_alternative<std::monostate>(value))
    return true;
  const std::u16string* text = std::get_if<std::u16string>(&value);
  return text && text->empty();
}

}

const CellValue& SheetModel::value(uint32_t row, uint32_t column) const
{
  auto found = cells_.find({row, column});
  return found == cells_.end() ? kNoValue : found->second;
}

void SheetModel::set_value(uint32_t row, uint32_t column, CellValue value)
{
  if (is_empty(value))
    cells_.erase({row, column});
  else
    cells_[{row, column}] = std::move(value);
}

void SheetModel::clear(const CellRange& range)
{
  auto cell = cells_.lower_bound({range.first_row, 0});
  while (cell != cells_.end() && cell->first.first <= range.last_row) {
    uint32_t column = cell->first.second;
    if (column >= range.first_column && column <= range.last_column)
      cell = cells_.erase(cell);
    else
      ++cell;
  }
}

CellRange SheetModel::used_range() const
{
  if (cells_.empty())
    return CellRange();
  CellRange range;
  range.first_row = cells_.begin()->first.first;
  range.last_row = cells_.rbegin()->first.first;
  range.first_column = cells_.begin()->first.second;
  range.last_column = range.first_column;
  for (const auto& cell : cells_) {
    range.first_column = std::min(range.first_column, cell.first.second);
    range.last_column = std::max(range.last_column, cell.first.second);
  }
  return range;
}
