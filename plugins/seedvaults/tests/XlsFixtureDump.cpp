// Prints every cell our reader gives for one .xls file, and the cached
// result of every formula, for xlrd_agrees_with_our_reader.py to check
// against an independent reader. Texts are printed as hex so that no console
// code page stands between the two.
#include "StorageFile.h"
#include "WorkbookStreamReader.h"
#include "XlsWorkbook.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr uint8_t kResultText = 0;
constexpr uint8_t kResultBoolean = 1;
constexpr uint8_t kResultError = 2;
constexpr uint8_t kResultEmptyText = 3;

std::string hex_of(const void* bytes, std::size_t count)
{
  std::string hex;
  char digits[3];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", static_cast<const uint8_t*>(bytes)[i]);
    hex += digits;
  }
  return hex.empty() ? "-" : hex;
}

std::string text_of(const BiffText& text)
{
  if (text.wide)
    return "wide " + hex_of(text.wide_text.data(), text.wide_text.size() * 2);
  return "narrow " + hex_of(text.narrow.data(), text.narrow.size());
}

void print_cells(XlsWorkbook& workbook)
{
  for (int index = 0; index < workbook.sheet_count(); ++index) {
    std::printf("sheet %d %s\n", index, text_of(workbook.globals().bound_sheets[std::size_t(index)].name).c_str());
    const XlsSheet::Rows& rows = workbook.sheet(index)->placed_rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
      for (std::size_t column = 0; column < rows[row].size(); ++column) {
        const XlsCell& cell = rows[row][column];
        std::printf("cell %d %zu %zu ", index, row, column);
        switch (cell.type()) {
        case kCellInteger:
          std::printf("integer %d\n", cell.integer_value());
          break;
        case kCellFloat:
          std::printf("float %.17g\n", cell.float_value());
          break;
        case kCellNarrowText:
          std::printf("narrow %s\n", hex_of(cell.narrow_text(), std::size_t(cell.text_length())).c_str());
          break;
        case kCellWideText:
          std::printf("wide %s\n", hex_of(cell.wide_text(), std::size_t(cell.text_length()) * 2).c_str());
          break;
        default:
          std::printf("undefined\n");
        }
      }
    }
  }
}

void print_formula(std::size_t sheet, const FormulaRecord& formula)
{
  std::printf("formula %zu %u %u ", sheet, formula.row, formula.column);
  const uint8_t* result = formula.result;
  if (result[6] != 0xFF || result[7] != 0xFF) {
    double value;
    std::memcpy(&value, result, sizeof value);
    std::printf("number %.17g\n", value);
  } else if (result[0] == kResultText) {
    std::printf("text %s\n", formula.cached_string ? text_of(formula.cached_string->text.text).c_str() : "missing");
  } else if (result[0] == kResultBoolean) {
    std::printf("boolean %u\n", result[2]);
  } else if (result[0] == kResultError) {
    std::printf("error %u\n", result[2]);
  } else if (result[0] == kResultEmptyText) {
    std::printf("text narrow -\n");
  } else {
    std::printf("unknown %u\n", result[0]);
  }
}

// The formulas' records, which the workbook's sheets do not keep.
bool print_formulas(const std::string& path)
{
  StorageFile storage;
  StreamBytes stream;
  if (!storage.open(path) || storage.view_stream(u"Workbook", stream) != kStorageDone)
    return false;
  WorkbookGlobals globals;
  std::vector<WorksheetStream> worksheets;
  WorkbookStreamReader reader(stream.data, stream.size, globals, worksheets);
  if (!reader.read())
    return false;
  for (std::size_t sheet = 0; sheet < worksheets.size(); ++sheet)
    for (const RowBlock& block : worksheets[sheet].row_blocks)
      for (const CellRecord& record : block.cells)
        if (const FormulaRecord* formula = std::get_if<FormulaRecord>(&record))
          print_formula(sheet, *formula);
  return true;
}

}

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: seedvaults_xls_dump <file.xls>\n");
    return 2;
  }
  XlsWorkbook workbook;
  if (!workbook.load_file(argv[1])) {
    std::fprintf(stderr, "not loaded: %s\n", workbook.error().c_str());
    return 1;
  }
  print_cells(workbook);
  if (!print_formulas(argv[1])) {
    std::fprintf(stderr, "the formulas could not be read\n");
    return 1;
  }
  return 0;
}
