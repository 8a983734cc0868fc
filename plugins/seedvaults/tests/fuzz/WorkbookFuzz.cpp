// A workbook read either as a whole file (byte 0 even) or as the "Workbook"
// stream of a compound file made around it (byte 0 odd); what is loaded is
// walked cell by cell.
#include "TestWorkbooks.h"
#include "XlsWorkbook.h"
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1) {
    return 0;
  }
  std::vector<uint8_t> bytes(data + 1, data + size);
  if (data[0] & 1) {
    bytes = compound_file_with_workbook(bytes);
  }
  XlsWorkbook workbook;
  if (!workbook.load_bytes(std::move(bytes))) {
    if (workbook.error().empty()) {
      std::abort();
    }
    return 0;
  }
  for (int i = 0; i < workbook.sheet_count(); ++i) {
    const XlsSheet* sheet = workbook.sheet(i);
    if (sheet->row_count() > kMaxSheetRows || sheet->column_count() > kMaxSheetColumns) {
      std::abort();
    }
    // The first rows as read from the stream on demand, then every placed row.
    for (unsigned row = 0; row < sheet->row_count() && row < 100; ++row) {
      for (unsigned column = 0; column < sheet->column_count(); ++column) {
        sheet->find_cell(row, column).integer_value();
      }
    }
    for (unsigned row = 0; row < sheet->placed_rows().size(); ++row) {
      for (unsigned column = 0; column < sheet->placed_rows()[row].size(); ++column) {
        sheet->find_cell(row, column).integer_value();
      }
    }
  }
  workbook.save_bytes();
  return 0;
}
