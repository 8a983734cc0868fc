#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One cell of the "Program" sheet as the workbook gives it.
struct PresetCell {
  enum Kind { Empty, Text, Number, Other };

  Kind kind = Empty;
  std::u16string text;
  double number = 0;

  static PresetCell of_text(std::u16string value)
  {
    PresetCell cell;
    cell.kind = Text;
    cell.text = std::move(value);
    return cell;
  }
  static PresetCell of_number(double value)
  {
    PresetCell cell;
    cell.kind = Number;
    cell.number = value;
    return cell;
  }
};

// A table of rows x columns cells, row by row.
struct PresetTable {
  std::size_t rows = 0;
  std::size_t columns = 0;
  std::vector<PresetCell> cells;

  PresetTable() = default;
  PresetTable(std::size_t row_count, std::size_t column_count)
      : rows(row_count), columns(column_count), cells(row_count * column_count) {}

  // Rows and columns count from 0.
  PresetCell& at(std::size_t row, std::size_t column) { return cells[row * columns + column]; }
  const PresetCell& at(std::size_t row, std::size_t column) const { return cells[row * columns + column]; }
};
