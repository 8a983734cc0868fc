#include "XlsSheet.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kRkScaled = 0x01;
constexpr uint32_t kRkInteger = 0x02;

const XlsCell kUndefinedCell;

}

void decode_rk(uint32_t rk, XlsCell& cell)
{
  if (rk & kRkInteger) {
    int value = int32_t(rk) >> 2;
    // For every 30-bit value this is the value times 0.01 truncated toward zero.
    if (rk & kRkScaled)
      value /= 100;
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
  if (row != reach_row_) {
    previous_reach_ = reach_;
    reach_row_ = row;
    reach_ = 0;
  }
  reach_ = std::max<std::size_t>(reach_, column + 1);
  if (row < rows_.size() && column < rows_[row].size())
    return &rows_[row][column];
  column_count_ = std::max<uint32_t>(column_count_, column + 1);
  row_count_ = std::max<uint32_t>(row_count_, row + 1);
  if (rows_.size() <= row) {
    // Room for the rows the sheet declares at once (at most 65,536 empty
    // rows): the arena keeps every list it gave out until the sheet goes.
    if (rows_.capacity() <= row)
      rows_.reserve(std::max<std::size_t>(row + 1, row_count_));
    rows_.resize(row + 1);
  }
  // Rows tend to be alike: a new row is made as wide as the row reached
  // before it, so that filling it takes one allocation. A row is thus never
  // wider than the widest of its own reach and its predecessor's.
  Row& cells = rows_[row];
  cells.resize(std::max<std::size_t>(column + 1, cells.empty() ? previous_reach_ : 0));
  return &cells[column];
}

XlsCell* XlsSheet::cell_run(unsigned row, unsigned first_column, std::size_t count)
{
  if (count == 0)
    return nullptr;
  // Making the last cell part of the sheet makes the whole run part of its row.
  XlsCell* last = cell(row, unsigned(first_column + count - 1));
  return last ? last - (count - 1) : nullptr;
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
    // Columns past the sheet's last are dropped, as cell() drops them.
    uint32_t first = mulrk->first_column;
    std::size_t count = first < kMaxSheetColumns ? std::min<std::size_t>(mulrk->cells.size(), kMaxSheetColumns - first) : 0;
    if (XlsCell* run = cell_run(mulrk->row, mulrk->first_column, count))
      for (std::size_t i = 0; i < count; ++i)
        decode_rk(mulrk->cells[i].rk, run[i]);
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
        target->show_shared_text(text);
  }
  // FORMULA, BLANK and MULBLANK leave their cells undefined: a formula's
  // cached result may be one that no program ever worked out.
  return true;
}

void XlsSheet::take_dimensions(const DimensionsRecord& dimensions)
{
  row_count_ = std::max(row_count_, std::min(dimensions.last_row_plus_one, kMaxSheetRows));
  int columns = int16_t(dimensions.last_column_plus_one);
  column_count_ = std::max(column_count_, std::min<uint32_t>(std::max(columns, 0), kMaxSheetColumns));
}
