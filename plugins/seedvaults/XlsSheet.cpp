#include "XlsSheet.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kRkScaled = 0x01;
constexpr uint32_t kRkInteger = 0x02;

// Puts the values that record gives into the cells that run_at(row,
// first_column, count) hands out for them (null: the run leaves the sheet).
// FORMULA, BLANK and MULBLANK place nothing: a formula's cached result may be
// one that no program ever worked out. Neither do an error value, an empty
// text or a text that names a string past sst.
template <typename RunAt> void put_values(const CellRecord& record, const SstRecord& sst, RunAt run_at)
{
  if (auto* number = std::get_if<NumberRecord>(&record)) {
    if (XlsCell* target = run_at(number->row, number->column, 1))
      target->set_float(number->value);
  } else if (auto* rk = std::get_if<RkRecord>(&record)) {
    if (XlsCell* target = run_at(rk->row, rk->column, 1))
      decode_rk(rk->rk, *target);
  } else if (auto* mulrk = std::get_if<MulRkRecord>(&record)) {
    // Columns past the sheet's last are dropped, as cell() drops them.
    uint32_t first = mulrk->first_column;
    std::size_t count = first < kMaxSheetColumns ? std::min<std::size_t>(mulrk->cells.size(), kMaxSheetColumns - first) : 0;
    if (count > 0)
      if (XlsCell* run = run_at(mulrk->row, mulrk->first_column, count))
        for (std::size_t i = 0; i < count; ++i)
          decode_rk(mulrk->cells[i].rk, run[i]);
  } else if (auto* boolerr = std::get_if<BoolErrRecord>(&record)) {
    if (boolerr->error_flag == 0)
      if (XlsCell* target = run_at(boolerr->row, boolerr->column, 1))
        target->set_integer(boolerr->value);
  } else if (auto* label = std::get_if<LabelSstRecord>(&record)) {
    if (label->string_index < sst.strings.size()) {
      const BiffText& text = sst.strings[label->string_index].text;
      if (text.length() > 0)
        if (XlsCell* target = run_at(label->row, label->column, 1))
          target->show_shared_text(text);
    }
  }
}

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
  if (row_is_kept(row))
    place_kept_row(row);
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

XlsCell XlsSheet::find_cell(unsigned row, unsigned column) const
{
  if (row_is_kept(row)) {
    std::size_t reach = decoded_row_ == row ? decoded_reach_ : decode_kept_row(row);
    return column < reach ? decoded_[column] : XlsCell();
  }
  if (row >= rows_.size() || column >= rows_[row].size())
    return XlsCell();
  return rows_[row][column];
}

const XlsSheet::Rows& XlsSheet::placed_rows() const
{
  if (kept_rows_.empty())
    return rows_;
  for (uint32_t row = 0; row < kept_rows_.size(); ++row)
    if (row_is_kept(row))
      place_kept_row(row);
  kept_rows_.clear();
  kept_rows_.shrink_to_fit();
  kept_offsets_.clear();
  kept_offsets_.shrink_to_fit();
  open_row_ = UINT32_MAX;
  return rows_;
}

std::size_t XlsSheet::decode_kept_row(uint32_t row) const
{
  if (decoded_.size() < kMaxSheetColumns)
    decoded_.resize(kMaxSheetColumns);
  std::fill(decoded_.begin(), decoded_.begin() + std::ptrdiff_t(decoded_reach_), XlsCell());
  std::size_t reach = 0;
  auto run_at = [this, &reach](unsigned, unsigned first_column, std::size_t count) -> XlsCell* {
    if (first_column + count > kMaxSheetColumns)
      return nullptr;
    reach = std::max(reach, first_column + count);
    return &decoded_[first_column];
  };
  const KeptRow& kept = kept_rows_[row];
  for (uint32_t i = kept.first; i < kept.end; ++i) {
    // Every kept record was read whole from these bytes while loading.
    std::size_t offset = kept_offsets_[i];
    std::size_t consumed = 0;
    if (const CellRecord* record = records_.read(stream_ + offset, stream_size_ - offset, consumed))
      put_values(*record, *sst_, run_at);
  }
  decoded_row_ = row;
  decoded_reach_ = reach;
  return reach;
}

void XlsSheet::place_kept_row(uint32_t row) const
{
  std::size_t reach = decoded_row_ == row ? decoded_reach_ : decode_kept_row(row);
  kept_rows_[row] = KeptRow();
  decoded_row_ = UINT32_MAX;
  if (open_row_ == row)
    open_row_ = UINT32_MAX;
  if (rows_.size() <= row) {
    if (rows_.capacity() <= row)
      rows_.reserve(std::max<std::size_t>(row + 1, row_count_));
    rows_.resize(row + 1);
  }
  rows_[row].assign(decoded_.begin(), decoded_.begin() + std::ptrdiff_t(reach));
}

bool XlsSheet::take_record(const uint8_t* stream, std::size_t stream_size, std::size_t offset, const CellRecord& record,
                           const SstRecord& sst, std::string& error)
{
  if (auto* label = std::get_if<LabelSstRecord>(&record); label && label->string_index >= sst.strings.size()) {
    error = "a text cell names a string past the shared string table";
    return false;
  }
  stream_ = stream;
  stream_size_ = stream_size;
  sst_ = &sst;
  // Where the record puts values, if anywhere: found by putting them into
  // the decoded row, which is then cleared whole before it is read again.
  if (decoded_.size() < kMaxSheetColumns)
    decoded_.resize(kMaxSheetColumns);
  decoded_row_ = UINT32_MAX;
  decoded_reach_ = kMaxSheetColumns;
  bool places = false;
  uint32_t row = 0;
  std::size_t reach = 0;
  put_values(record, sst, [&](unsigned placed_row, unsigned first_column, std::size_t count) -> XlsCell* {
    if (first_column + count > kMaxSheetColumns)
      return nullptr;
    places = true;
    row = placed_row;
    reach = first_column + count;
    return &decoded_[first_column];
  });
  if (!places)
    return true;
  bool joined = std::visit([](const BiffRecord& cell) { return !cell.continue_offsets().empty(); }, record);
  bool row_unused = !row_is_kept(row) && (row >= rows_.size() || rows_[row].empty());
  if (joined || (row != open_row_ && !row_unused)) {
    // Only a row's own run of whole records stays in the stream.
    put_values(record, sst, [this](unsigned placed_row, unsigned first_column, std::size_t count) {
      return cell_run(placed_row, first_column, count);
    });
    return true;
  }
  if (kept_rows_.size() <= row) {
    if (kept_rows_.capacity() <= row)
      kept_rows_.reserve(std::max<std::size_t>(row + 1, row_count_));
    kept_rows_.resize(row + 1);
  }
  KeptRow& kept = kept_rows_[row];
  if (row != open_row_) {
    kept.first = uint32_t(kept_offsets_.size());
    open_row_ = row;
  }
  // A stream's size is a 32-bit number.
  kept_offsets_.push_back(uint32_t(offset));
  kept.end = uint32_t(kept_offsets_.size());
  row_count_ = std::max(row_count_, row + 1);
  column_count_ = std::max(column_count_, uint32_t(reach));
  return true;
}

void XlsSheet::take_dimensions(const DimensionsRecord& dimensions)
{
  row_count_ = std::max(row_count_, std::min(dimensions.last_row_plus_one, kMaxSheetRows));
  int columns = int16_t(dimensions.last_column_plus_one);
  column_count_ = std::max(column_count_, std::min<uint32_t>(std::max(columns, 0), kMaxSheetColumns));
}
