#pragma once
#include "WorkbookModel.h"
#include <cstdint>
#include <string>
#include <vector>

// A workbook as an .xls file: a compound file whose "Workbook" stream holds
// BIFF8 records. Numbers and texts are kept; formulas read as their cached
// results, booleans as 1 and 0, and formats and colours are not kept.
class WorkbookFile {
public:
  // False, with the reason, when the bytes are not a readable workbook or it
  // holds no worksheet.
  static bool read(std::vector<uint8_t> bytes, WorkbookModel& workbook, std::string& reason);
  static std::vector<uint8_t> write(const WorkbookModel& workbook);
};
