#include "XlsSheet.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kRkScaled = 0x01;
constexpr uint32_t kRkInteger = 0x02;

const XlsCell kUndefinedCell;

void set_text(XlsCell& cell, const BiffText& text)
{
  if (text.wide)
    cell.set_wide_text(text.wide_text);
  else
    cell.set_narrow_text(text.narrow);
}

}

void decode_rk(uint32_t rk, XlsCell& cell)
{
  if (rk & kRkInteger) {
    int value = int32_t(rk) >> 2;
    if (rk & kRkScaled)
      value = int(value * 0.01);
    cell.set_integer(value);
    return;
  }
  uint64_t bits = uint64_t(rk & ~uint32_t(0x3)) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  if (rk & kRkScaled)
    value *= 0.01;
  cell.set_float(value);
}

XlsCell* XlsSheet::cell(unsigned row, unsigned column)
{
  if (row >= kMaxSheetRows || column >= kMaxSheetColumns)
    return nullptr;
  column_count_ = std::max<uint32_t>(column_count_, column + 1);
  row_count_ = std::max<uint32_t>(row_count_, row + 1);
  if (rows_.size() <= row)
    rows_.resize(row + 1);
  std::vector<XlsCell>& cells = rows_[row];
  if (cells.size() <= column)
    cells.resize(column + 1);
  return &cells[column];
}

const XlsCell& XlsSheet::find_cell(unsigned row, unsigned column) const
{
  if (row >= rows_.size() || column >= rows_[row].size())
    return kUndefinedCell;
  return rows_[row][column];
}

void XlsSheet::place_rk(uint16_t row, uint16_t column, uint32_t rk)
{
  if (XlsCell* target = cell(row, column))
    decode_rk(rk, *target);
}

bool XlsSheet::place_record(const CellRecord& record, const SstRecord& sst, std::string& error)
{
  if (auto* number = std::get_if<NumberRecord>(&record)) {
    if (XlsCell* target = cell(number->row, number->column))
      target->set_float(number->value);
  } else if (auto* rk = std::get_if<RkRecord>(&record)) {
    place_rk(rk->row, rk->column, rk->rk);
  } else if (auto* mulrk = std::get_if<MulRkRecord>(&record)) {
    for (std::size_t i = 0; i < mulrk->cells.size(); ++i)
      place_rk(mulrk->row, uint16_t(mulrk->first_column + i), mulrk->cells[i].rk);
  } else if (auto* boolerr = std::get_if<BoolErrRecord>(&record)) {
    if (boolerr->error_flag == 0)
      if (XlsCell* target = cell(boolerr->row, boolerr->column))
        target->set_integer(boolerr->value);
  } else if (auto* label = std::get_if<LabelSstRecord>(&record)) {
    if (label->string_index >= sst.strings.size()) {
      error = "a text cell names a string past the shared string table";
      return false;
    }
    const BiffText& text = sst.strings[label->string_index].text;
    if (text.length() > 0)
      if (XlsCell* target = cell(label->row, label->column))
        set_text(*target, text);
  } else if (auto* formula = std::get_if<FormulaRecord>(&record)) {
    // A formula reads as its cached result.
    XlsCell result;
    if (formula->result_is_number())
      result.set_float(formula->result_number());
    else if (formula->result[0] == kFormulaResultBoolean)
      result.set_integer(formula->result[2]);
    else if (formula->result[0] == kFormulaResultString && formula->cached_string)
      set_text(result, formula->cached_string->text.text);
    if (result.type() != kCellUndefined)
      if (XlsCell* target = cell(formula->row, formula->column))
        *target = result;
  }
  return true;
}

bool XlsSheet::build(const WorksheetStream& stream, const SstRecord& sst, std::string& error)
{
  row_count_ = std::min(stream.dimensions.last_row_plus_one, kMaxSheetRows);
  int columns = int16_t(stream.dimensions.last_column_plus_one);
  column_count_ = std::min<uint32_t>(std::max(columns, 0), kMaxSheetColumns);
  rows_.clear();
  for (const RowBlock& block : stream.row_blocks)
    for (const CellRecord& record : block.cells)
      if (!place_record(record, sst, error))
        return false;
  return true;
}
