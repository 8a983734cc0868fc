#include "WorkbookFile.h"
#include "StorageFile.h"
#include "StorageWriter.h"
#include "WorkbookStreamReader.h"
#include "WorkbookStreamWriter.h"
#include "XlsWorkbook.h"

namespace {

const char16_t* const kWorkbookStream = u"Workbook";
constexpr uint8_t kBoundSheetWorksheet = 0;

// 8-bit characters of the format are Latin-1.
std::u16string widened(const std::string& narrow)
{
  std::u16string wide;
  for (char unit : narrow)
    wide.push_back(char16_t(uint8_t(unit)));
  return wide;
}

std::u16string text_of(const BiffText& text)
{
  return text.wide ? text.wide_text : widened(text.narrow);
}

CellValue value_of(const XlsCell& cell)
{
  switch (cell.type()) {
  case kCellInteger:
    return double(cell.integer_value());
  case kCellFloat:
    return cell.float_value();
  case kCellNarrowText:
    return widened(cell.narrow_text());
  case kCellWideText:
    return std::u16string(cell.wide_text());
  default:
    return std::monostate();
  }
}

// RK flags: the value is an integer, and it is scaled by 0.01.
constexpr uint32_t kRkScaledInteger = 0x03;

// The workbook reader cuts a scaled RK integer to a whole number (1234 with
// the 0.01 flag reads as 12); a workbook server gives the exact value.
void place_scaled_rk(SheetModel& sheet, uint16_t row, uint16_t column, uint32_t rk)
{
  if ((rk & kRkScaledInteger) == kRkScaledInteger)
    sheet.set_value(uint32_t(row) + 1, uint32_t(column) + 1, double(int32_t(rk) >> 2) / 100.0);
}

void place_scaled_rk_values(const WorksheetStream& stream, SheetModel& sheet)
{
  for (const RowBlock& block : stream.row_blocks)
    for (const CellRecord& record : block.cells) {
      if (const RkRecord* rk = std::get_if<RkRecord>(&record))
        place_scaled_rk(sheet, rk->row, rk->column, rk->rk);
      else if (const MulRkRecord* mulrk = std::get_if<MulRkRecord>(&record))
        for (std::size_t i = 0; i < mulrk->cells.size(); ++i)
          place_scaled_rk(sheet, mulrk->row, uint16_t(mulrk->first_column + i), mulrk->cells[i].rk);
    }
}

void store(const CellValue& value, XlsCell& cell)
{
  if (const double* number = std::get_if<double>(&value))
    cell.set_float(*number);
  else if (const std::u16string* text = std::get_if<std::u16string>(&value))
    cell.set_wide_text(*text);
}

// The worksheets' cell records as the file holds them: the workbook reader
// keeps only the values it makes of them.
std::vector<WorksheetStream> worksheet_records(const std::vector<uint8_t>& bytes)
{
  StorageFile storage;
  std::vector<uint8_t> stream;
  WorkbookGlobals globals;
  std::vector<WorksheetStream> worksheets;
  if (storage.open_bytes(bytes) && storage.read_stream(kWorkbookStream, stream) >= 0)
    WorkbookStreamReader(stream.data(), stream.size(), globals, worksheets).read();
  return worksheets;
}

}

bool WorkbookFile::read(std::vector<uint8_t> bytes, WorkbookModel& workbook, std::string& reason)
{
  std::vector<WorksheetStream> records = worksheet_records(bytes);
  XlsWorkbook file;
  if (!file.load_bytes(std::move(bytes))) {
    reason = "not a readable workbook: " + file.error();
    return false;
  }
  // Worksheet substreams follow the order of their BOUNDSHEET records.
  WorkbookModel loaded;
  const std::vector<BoundSheetRecord>& bound_sheets = file.globals().bound_sheets;
  int next = 0;
  for (std::size_t i = 0; i < bound_sheets.size() && next < file.sheet_count(); ++i) {
    if (bound_sheets[i].sheet_type != kBoundSheetWorksheet)
      continue;
    auto sheet = std::make_shared<SheetModel>(text_of(bound_sheets[i].name));
    const auto& rows = file.sheet(next)->placed_rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
      for (std::size_t column = 0; column < rows[row].size(); ++column)
        sheet->set_value(uint32_t(row + 1), uint32_t(column + 1), value_of(rows[row][column]));
    if (std::size_t(next) < records.size())
      place_scaled_rk_values(records[std::size_t(next)], *sheet);
    ++next;
    if (!loaded.append_sheet(sheet)) {
      reason = "the workbook holds a sheet without a valid name of its own";
      return false;
    }
  }
  if (loaded.sheet_count() == 0) {
    reason = "the workbook holds no worksheet";
    return false;
  }
  loaded.set_active_sheet(file.globals().window1.active_sheet);
  workbook = std::move(loaded);
  return true;
}

std::vector<uint8_t> WorkbookFile::write(const WorkbookModel& workbook)
{
  XlsWorkbook file;
  file.reset_to_new(workbook.sheet_count());
  std::vector<const XlsSheet*> sheets;
  for (int i = 0; i < workbook.sheet_count(); ++i) {
    XlsSheet* sheet = file.sheet(i);
    for (const auto& cell : workbook.sheet(i)->cells())
      if (XlsCell* target = sheet->cell(cell.first.first - 1, cell.first.second - 1))
        store(cell.second, *target);
    sheets.push_back(sheet);
  }
  // The new file's sheets are "Sheet1" onwards, the first one selected.
  WorkbookGlobals globals = file.globals();
  std::vector<WorksheetStream> worksheets = file.worksheets();
  for (int i = 0; i < workbook.sheet_count(); ++i) {
    globals.bound_sheets[std::size_t(i)].name = wide_text(workbook.sheet(i)->name());
    uint16_t& flags = worksheets[std::size_t(i)].window2.flags;
    flags = i == workbook.active_sheet() ? uint16_t(flags | kWindow2Selected) : uint16_t(flags & ~kWindow2Selected);
  }
  globals.window1.active_sheet = uint16_t(workbook.active_sheet());
  StorageWriter storage;
  storage.add_stream(kWorkbookStream, WorkbookStreamWriter(globals, worksheets, sheets).write());
  return storage.build();
}
