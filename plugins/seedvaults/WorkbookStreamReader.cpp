#include "WorkbookStreamReader.h"
#include "ByteReader.h"

namespace {

constexpr const char* kMissingEof = "a substream ends without its EOF record";

}

WorkbookStreamReader::WorkbookStreamReader(const uint8_t* stream, std::size_t size, WorkbookGlobals& globals,
                                           std::vector<WorksheetStream>& worksheets, CellRecordSink* sink)
  : stream_(stream), size_(size), globals_(globals), worksheets_(worksheets), sink_(sink)
{
}

bool WorkbookStreamReader::fail(const std::string& reason)
{
  error_ = reason;
  return false;
}

bool WorkbookStreamReader::at_end() const
{
  return size_ - position_ < kRecordHeaderSize;
}

uint16_t WorkbookStreamReader::next_code() const
{
  return peek_code(stream_ + position_, size_ - position_);
}

bool WorkbookStreamReader::take(BiffRecord& record)
{
  std::size_t consumed = record.read(stream_ + position_, size_ - position_);
  if (consumed == 0)
    return fail("a record runs past the end of the stream or is too short for its fields");
  position_ += consumed;
  return true;
}

template <typename Records> bool WorkbookStreamReader::take_into(Records& records)
{
  records.emplace_back();
  return take(records.back());
}

bool WorkbookStreamReader::skip_record()
{
  std::size_t available = size_ - position_;
  if (available < kRecordHeaderSize)
    return fail(kMissingEof);
  std::size_t size = load_u16(stream_ + position_ + 2);
  if (size > available - kRecordHeaderSize)
    return fail("a record runs past the end of the stream");
  position_ += kRecordHeaderSize + size;
  return true;
}

bool WorkbookStreamReader::skip_nested_substream()
{
  int depth = 0;
  do {
    uint16_t code = next_code();
    if (code == kCodeBof)
      ++depth;
    else if (code == kCodeEof)
      --depth;
    if (!skip_record())
      return false;
  } while (depth > 0);
  return true;
}

bool WorkbookStreamReader::read()
{
  if (next_code() != kCodeBof)
    return true;
  bool globals_read = false;
  while (next_code() == kCodeBof) {
    std::size_t start = position_;
    BofRecord bof;
    if (!take(bof))
      return false;
    if (bof.version != kBiff8Version)
      break;
    position_ = start;
    if (bof.type == kSubstreamGlobals) {
      // The cells read so far show the strings of the first globals' table;
      // a second globals substream would replace that table under them.
      if (globals_read)
        return fail("a workbook stream holds a second globals substream");
      globals_read = true;
      if (!read_substream(globals_.bof, globals_.eof, [this](uint16_t code) { return read_globals_record(code); }))
        return false;
    } else if (bof.type == kSubstreamWorksheet) {
      WorksheetStream& sheet = worksheets_.emplace_back();
      if (!read_substream(sheet.bof, sheet.eof,
                          [this, &sheet](uint16_t code) { return read_worksheet_record(code, sheet); }))
        return false;
    } else {
      // Sheets after a chart, macro or other substream are not loaded.
      break;
    }
  }
  return true;
}

template <typename ReadRecord>
bool WorkbookStreamReader::read_substream(BofRecord& bof, EofRecord& eof, ReadRecord read_record)
{
  if (!take(bof))
    return false;
  while (true) {
    if (at_end())
      return fail(kMissingEof);
    uint16_t code = next_code();
    if (code == kCodeEof)
      return take(eof);
    if (!read_record(code))
      return false;
  }
}

bool WorkbookStreamReader::read_globals_record(uint16_t code)
{
  switch (code) {
  case kCodeBof:
    return skip_nested_substream();
  case kCodeWindow1:
    return take(globals_.window1);
  case kCodeSst:
    return take(globals_.sst);
  case kCodeFont:
    return take_into(globals_.fonts);
  case kCodeXf:
    return take_into(globals_.xfs);
  case kCodeStyle:
    return take_into(globals_.styles);
  case kCodeBoundSheet:
    return take_into(globals_.bound_sheets);
  default:
    return skip_record();
  }
}

bool WorkbookStreamReader::read_worksheet_record(uint16_t code, WorksheetStream& sheet)
{
  switch (code) {
  case kCodeBof:
    return skip_nested_substream();
  case kCodeIndex:
    return take(sheet.index);
  case kCodeDimensions:
    return take(sheet.dimensions);
  case kCodeWindow2:
    return take(sheet.window2);
  case kCodeRow:
    while (next_code() == kCodeRow) {
      RowBlock& block = sheet.row_blocks.emplace_back();
      block.rows.reserve(kRowsPerBlock);
      if (!read_row_block(block))
        return false;
    }
    return true;
  default:
    return skip_record();
  }
}

bool WorkbookStreamReader::read_row_block(RowBlock& block)
{
  // A block ends with its DBCELL. Some writers leave DBCELL out: their rows
  // are cut into blocks of the format's size, which keeps a sheet of many
  // rows from growing (and copying) one long list.
  while (true) {
    if (at_end())
      return fail(kMissingEof);
    uint16_t code = next_code();
    if (code == kCodeEof || (code == kCodeRow && block.rows.size() == kRowsPerBlock))
      return true;
    if (code == kCodeDbCell)
      return take(block.dbcell);
    // A chart drawn on the sheet is a substream of its own, with its own EOF,
    // and may stand among the rows of a block that has no DBCELL.
    bool read = code == kCodeRow      ? read_row(block)
                : code == kCodeBof    ? skip_nested_substream()
                : is_cell_code(code) ? read_cell(block)
                                      : skip_record();
    if (!read)
      return false;
  }
}

bool WorkbookStreamReader::read_row(RowBlock& block)
{
  return sink_ ? take(row_) : take_into(block.rows);
}

bool WorkbookStreamReader::read_cell(RowBlock& block)
{
  std::size_t start = position_;
  std::size_t consumed = 0;
  CellRecord* read = cells_.read(stream_ + position_, size_ - position_, consumed);
  if (!read)
    return fail("a record runs past the end of the stream or is too short for its fields");
  position_ += consumed;
  CellRecord& record = *read;
  if (auto* formula = std::get_if<FormulaRecord>(&record))
    if (!read_formula_followers(*formula))
      return false;
  if (!sink_) {
    block.cells.push_back(record);
    return true;
  }
  std::string reason;
  return sink_->take_cell(worksheets_.size() - 1, start, record, reason) || fail(reason);
}

bool WorkbookStreamReader::read_formula_followers(FormulaRecord& formula)
{
  formula.follower.reset();
  formula.cached_string.reset();
  if (is_formula_follower_code(next_code()) && !take(formula.follower.emplace()))
    return false;
  if (next_code() == kCodeString && !take(formula.cached_string.emplace()))
    return false;
  return true;
}
