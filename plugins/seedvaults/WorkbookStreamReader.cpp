#include "WorkbookStreamReader.h"
#include "ByteReader.h"

namespace {

constexpr const char* kMissingEof = "a substream ends without its EOF record";

}

WorkbookStreamReader::WorkbookStreamReader(const std::vector<uint8_t>& stream, WorkbookGlobals& globals,
                                           std::vector<WorksheetStream>& worksheets)
  : stream_(stream), globals_(globals), worksheets_(worksheets)
{
}

bool WorkbookStreamReader::fail(const std::string& reason)
{
  error_ = reason;
  return false;
}

bool WorkbookStreamReader::at_end() const
{
  return stream_.size() - position_ < kRecordHeaderSize;
}

uint16_t WorkbookStreamReader::next_code() const
{
  return peek_code(stream_.data() + position_, stream_.size() - position_);
}

bool WorkbookStreamReader::take(BiffRecord& record)
{
  std::size_t consumed = record.read(stream_.data() + position_, stream_.size() - position_);
  if (consumed == 0)
    return fail("a record runs past the end of the stream or is too short for its fields");
  position_ += consumed;
  return true;
}

bool WorkbookStreamReader::skip_record()
{
  std::size_t available = stream_.size() - position_;
  if (available < kRecordHeaderSize)
    return fail(kMissingEof);
  std::size_t size = load_u16(stream_.data() + position_ + 2);
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
  while (next_code() == kCodeBof) {
    std::size_t start = position_;
    BofRecord bof;
    if (!take(bof))
      return false;
    if (bof.version != kBiff8Version)
      break;
    position_ = start;
    if (bof.type == kSubstreamGlobals) {
      if (!read_globals())
        return false;
    } else if (bof.type == kSubstreamWorksheet) {
      worksheets_.emplace_back();
      if (!read_worksheet(worksheets_.back()))
        return false;
    } else {
      // Sheets after a chart, macro or other substream are not loaded.
      break;
    }
  }
  return true;
}

bool WorkbookStreamReader::read_globals()
{
  if (!take(globals_.bof))
    return false;
  while (true) {
    if (at_end())
      return fail(kMissingEof);
    switch (next_code()) {
    case kCodeEof:
      return take(globals_.eof);
    case kCodeBof:
      if (!skip_nested_substream())
        return false;
      break;
    case kCodeWindow1:
      if (!take(globals_.window1))
        return false;
      break;
    case kCodeSst:
      if (!take(globals_.sst))
        return false;
      break;
    case kCodeFont:
      globals_.fonts.emplace_back();
      if (!take(globals_.fonts.back()))
        return false;
      break;
    case kCodeXf:
      globals_.xfs.emplace_back();
      if (!take(globals_.xfs.back()))
        return false;
      break;
    case kCodeStyle:
      globals_.styles.emplace_back();
      if (!take(globals_.styles.back()))
        return false;
      break;
    case kCodeBoundSheet:
      globals_.bound_sheets.emplace_back();
      if (!take(globals_.bound_sheets.back()))
        return false;
      break;
    default:
      if (!skip_record())
        return false;
      break;
    }
  }
}

bool WorkbookStreamReader::read_worksheet(WorksheetStream& sheet)
{
  if (!take(sheet.bof))
    return false;
  while (true) {
    if (at_end())
      return fail(kMissingEof);
    switch (next_code()) {
    case kCodeEof:
      return take(sheet.eof);
    case kCodeBof:
      if (!skip_nested_substream())
        return false;
      break;
    case kCodeIndex:
      if (!take(sheet.index))
        return false;
      break;
    case kCodeDimensions:
      if (!take(sheet.dimensions))
        return false;
      break;
    case kCodeWindow2:
      if (!take(sheet.window2))
        return false;
      break;
    case kCodeRow:
      while (next_code() == kCodeRow) {
        sheet.row_blocks.emplace_back();
        if (!read_row_block(sheet.row_blocks.back()))
          return false;
      }
      break;
    default:
      if (!skip_record())
        return false;
      break;
    }
  }
}

bool WorkbookStreamReader::read_row_block(RowBlock& block)
{
  // A block ends with its DBCELL; one that lacks it ends at the sheet's EOF.
  while (true) {
    if (at_end())
      return fail(kMissingEof);
    uint16_t code = next_code();
    if (code == kCodeEof)
      return true;
    if (code == kCodeDbCell)
      return take(block.dbcell);
    if (code == kCodeRow) {
      block.rows.emplace_back();
      if (!take(block.rows.back()))
        return false;
    } else if (is_cell_code(code)) {
      if (!read_cell(block.cells))
        return false;
    } else if (!skip_record()) {
      return false;
    }
  }
}

bool WorkbookStreamReader::read_cell(std::vector<CellRecord>& cells)
{
  switch (next_code()) {
  case kCodeFormula:
    return read_formula(cells);
  case kCodeMulRk:
    return take(std::get<MulRkRecord>(cells.emplace_back(MulRkRecord())));
  case kCodeMulBlank:
    return take(std::get<MulBlankRecord>(cells.emplace_back(MulBlankRecord())));
  case kCodeLabelSst:
    return take(std::get<LabelSstRecord>(cells.emplace_back(LabelSstRecord())));
  case kCodeBlank:
    return take(std::get<BlankRecord>(cells.emplace_back(BlankRecord())));
  case kCodeNumber:
    return take(std::get<NumberRecord>(cells.emplace_back(NumberRecord())));
  case kCodeBoolErr:
    return take(std::get<BoolErrRecord>(cells.emplace_back(BoolErrRecord())));
  default:
    return take(std::get<RkRecord>(cells.emplace_back(RkRecord())));
  }
}

bool WorkbookStreamReader::read_formula(std::vector<CellRecord>& cells)
{
  FormulaRecord& formula = std::get<FormulaRecord>(cells.emplace_back(FormulaRecord()));
  if (!take(formula))
    return false;
  if (is_formula_follower_code(next_code())) {
    formula.follower.emplace();
    if (!take(*formula.follower))
      return false;
  }
  if (next_code() == kCodeString) {
    formula.cached_string.emplace();
    if (!take(*formula.cached_string))
      return false;
  }
  return true;
}
