#include "WorkbookStreamWriter.h"
#include <algorithm>
#include <string>

namespace {

constexpr uint16_t kCellXf = 15;
constexpr int32_t kRkIntegerLimit = 1 << 29;
constexpr uint32_t kRkIntegerFlag = 0x02;

std::size_t cell_size(const CellRecord& cell)
{
  return std::visit([](const auto& record) { return record.record_size(); }, cell);
}

}

WorkbookStreamWriter::WorkbookStreamWriter(const WorkbookGlobals& globals,
                                           const std::vector<WorksheetStream>& worksheets,
                                           const std::vector<const XlsSheet*>& sheets)
  : globals_(globals), worksheets_(worksheets), sheets_(sheets)
{
}

uint32_t WorkbookStreamWriter::string_index(const XlsCell& cell)
{
  SstString string;
  string.text = cell.type() == kCellWideText ? wide_text(cell.wide_text()) : narrow_text(cell.narrow_text());
  // The key tells the widths apart: the same characters in two widths are two strings.
  std::string key(1, string.text.wide ? 'w' : 'n');
  std::vector<uint8_t> characters;
  string.text.append_characters(characters);
  key.append(characters.begin(), characters.end());
  ++globals_.sst.total_count;
  auto known = string_indexes_.find(key);
  if (known != string_indexes_.end())
    return known->second;
  globals_.sst.strings.push_back(string);
  uint32_t index = uint32_t(globals_.sst.strings.size() - 1);
  string_indexes_.emplace(std::move(key), index);
  return index;
}

void WorkbookStreamWriter::add_cell(RowBlock& block, uint16_t row, uint16_t column, const XlsCell& cell)
{
  CellPlace place;
  place.row = row;
  place.column = column;
  place.xf = kCellXf;
  int value = cell.integer_value();
  if (cell.type() == kCellInteger && value >= -kRkIntegerLimit && value < kRkIntegerLimit) {
    RkRecord rk;
    static_cast<CellPlace&>(rk) = place;
    rk.rk = (uint32_t(value) << 2) | kRkIntegerFlag;
    block.cells.emplace_back(rk);
  } else if (cell.type() == kCellInteger || cell.type() == kCellFloat) {
    NumberRecord number;
    static_cast<CellPlace&>(number) = place;
    number.value = cell.type() == kCellInteger ? double(value) : cell.float_value();
    block.cells.emplace_back(number);
  } else {
    LabelSstRecord label;
    static_cast<CellPlace&>(label) = place;
    label.string_index = string_index(cell);
    block.cells.emplace_back(label);
  }
}

void WorkbookStreamWriter::make_worksheet(const XlsSheet& sheet, WorksheetStream& worksheet)
{
  worksheet.dimensions = DimensionsRecord();
  worksheet.dimensions.last_row_plus_one = sheet.row_count();
  worksheet.dimensions.last_column_plus_one = uint16_t(sheet.column_count());
  worksheet.row_blocks.clear();
  worksheet.index.dbcell_positions.clear();
  bool any_row = false;
  const XlsSheet::Rows& rows = sheet.placed_rows();
  for (uint32_t row = 0; row < rows.size(); ++row) {
    const XlsSheet::Row& cells = rows[row];
    auto defined = [](const XlsCell& cell) { return cell.type() != kCellUndefined; };
    auto first = std::find_if(cells.begin(), cells.end(), defined);
    if (first == cells.end())
      continue;
    auto last = std::find_if(cells.rbegin(), cells.rend(), defined);
    if (!any_row || worksheet.row_blocks.back().rows.back().row / kRowsPerBlock != row / kRowsPerBlock)
      worksheet.row_blocks.emplace_back();
    if (!any_row)
      worksheet.index.first_row = row;
    any_row = true;
    worksheet.index.last_row_plus_one = row + 1;
    RowBlock& block = worksheet.row_blocks.back();
    RowRecord record;
    record.row = uint16_t(row);
    record.first_column = uint16_t(first - cells.begin());
    record.last_column_plus_one = uint16_t(cells.rend() - last);
    block.rows.push_back(record);
    for (std::size_t column = 0; column < cells.size(); ++column)
      if (defined(cells[column]))
        add_cell(block, uint16_t(row), uint16_t(column), cells[column]);
  }
}

std::size_t WorkbookStreamWriter::globals_size() const
{
  std::size_t size = globals_.bof.record_size() + globals_.window1.record_size();
  for (const FontRecord& font : globals_.fonts)
    size += font.record_size();
  for (const XfRecord& xf : globals_.xfs)
    size += xf.record_size();
  for (const StyleRecord& style : globals_.styles)
    size += style.record_size();
  for (const BoundSheetRecord& bound_sheet : globals_.bound_sheets)
    size += bound_sheet.record_size();
  return size + globals_.sst.record_size() + globals_.extsst.record_size() + globals_.eof.record_size();
}

std::size_t WorkbookStreamWriter::worksheet_size(const WorksheetStream& worksheet)
{
  std::size_t size = worksheet.bof.record_size() + worksheet.index.record_size() +
                     worksheet.dimensions.record_size() + worksheet.window2.record_size() +
                     worksheet.eof.record_size();
  for (const RowBlock& block : worksheet.row_blocks) {
    for (const RowRecord& row : block.rows)
      size += row.record_size();
    for (const CellRecord& cell : block.cells)
      size += cell_size(cell);
    size += block.dbcell.record_size();
  }
  return size;
}

void WorkbookStreamWriter::place_worksheet(WorksheetStream& worksheet, uint32_t position)
{
  std::size_t at = position + worksheet.bof.record_size() + worksheet.index.record_size() +
                   worksheet.dimensions.record_size();
  worksheet.index.dbcell_positions.clear();
  for (RowBlock& block : worksheet.row_blocks) {
    std::size_t rows_size = 0;
    for (const RowRecord& row : block.rows)
      rows_size += row.record_size();
    // Each row's first cell, counted from the second ROW record, then from the previous row's first cell.
    block.dbcell.cell_offsets.clear();
    std::size_t previous = block.rows.front().record_size();
    std::size_t offset = rows_size;
    std::size_t cell = 0;
    for (const RowRecord& row : block.rows) {
      block.dbcell.cell_offsets.push_back(uint16_t(offset - previous));
      previous = offset;
      for (; cell < block.cells.size() &&
             std::visit([](const auto& record) { return record.row; }, block.cells[cell]) == row.row;
           ++cell)
        offset += cell_size(block.cells[cell]);
    }
    block.dbcell.first_row_offset = uint32_t(offset);
    at += offset;
    worksheet.index.dbcell_positions.push_back(uint32_t(at));
    at += block.dbcell.record_size();
  }
}

std::vector<uint8_t> WorkbookStreamWriter::write()
{
  globals_.sst.strings.clear();
  globals_.sst.total_count = 0;
  // The string buckets of a loaded file point into its old layout.
  globals_.extsst = ExtSstRecord();
  for (std::size_t i = 0; i < sheets_.size() && i < worksheets_.size(); ++i)
    make_worksheet(*sheets_[i], worksheets_[i]);
  for (WorksheetStream& worksheet : worksheets_)
    worksheet.index.dbcell_positions.assign(worksheet.row_blocks.size(), 0);

  std::size_t position = globals_size();
  for (std::size_t i = 0; i < worksheets_.size(); ++i) {
    if (i < globals_.bound_sheets.size())
      globals_.bound_sheets[i].stream_position = uint32_t(position);
    place_worksheet(worksheets_[i], uint32_t(position));
    position += worksheet_size(worksheets_[i]);
  }

  std::vector<uint8_t> out;
  out.reserve(position);
  globals_.bof.write(out);
  globals_.window1.write(out);
  for (const FontRecord& font : globals_.fonts)
    font.write(out);
  for (const XfRecord& xf : globals_.xfs)
    xf.write(out);
  for (const StyleRecord& style : globals_.styles)
    style.write(out);
  for (const BoundSheetRecord& bound_sheet : globals_.bound_sheets)
    bound_sheet.write(out);
  globals_.sst.write(out);
  globals_.extsst.write(out);
  globals_.eof.write(out);
  for (const WorksheetStream& worksheet : worksheets_) {
    worksheet.bof.write(out);
    worksheet.index.write(out);
    worksheet.dimensions.write(out);
    for (const RowBlock& block : worksheet.row_blocks) {
      for (const RowRecord& row : block.rows)
        row.write(out);
      for (const CellRecord& cell : block.cells)
        std::visit([&out](const auto& record) { record.write(out); }, cell);
      block.dbcell.write(out);
    }
    worksheet.window2.write(out);
    worksheet.eof.write(out);
  }
  return out;
}
