#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>

// What a cell holds: nothing, a number, or a text.
using CellValue = std::variant<std::monostate, double, std::u16string>;

// A block of cells, 1-based and inclusive at both ends.
struct CellRange {
  uint32_t first_row = 1;
  uint32_t first_column = 1;
  uint32_t last_row = 1;
  uint32_t last_column = 1;

  uint32_t rows() const { return last_row - first_row + 1; }
  uint32_t columns() const { return last_column - first_column + 1; }
};

// One worksheet: its name and the cells that hold something, by 1-based row
// and column.
class SheetModel {
public:
  explicit SheetModel(std::u16string name) : name_(std::move(name)) {}

  const std::u16string& name() const { return name_; }
  void set_name(std::u16string name) { name_ = std::move(name); }

  const CellValue& value(uint32_t row, uint32_t column) const;
  // An empty value (nothing, or an empty text) clears the cell.
  void set_value(uint32_t row, uint32_t column, CellValue value);
  void clear(const CellRange& range);
  // The smallest block holding every cell with a value; A1 alone for a sheet
  // without any.
  CellRange used_range() const;
  const std::map<std::pair<uint32_t, uint32_t>, CellValue>& cells() const { return cells_; }

private:
  std::u16string name_;
  std::map<std::pair<uint32_t, uint32_t>, CellValue> cells_;
};
