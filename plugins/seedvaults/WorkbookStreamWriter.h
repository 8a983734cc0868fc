#pragma once
#include "WorkbookGlobals.h"
#include "WorksheetStream.h"
#include "XlsSheet.h"
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Lays a workbook out as a "Workbook" stream: the globals with a shared
// string table made from the sheets' texts, then one worksheet substream per
// sheet whose dimensions, row blocks and index are made from its cells.
class WorkbookStreamWriter {
public:
  WorkbookStreamWriter(const WorkbookGlobals& globals, const std::vector<WorksheetStream>& worksheets,
                       const std::vector<const XlsSheet*>& sheets);
  std::vector<uint8_t> write();

private:
  uint32_t string_index(const XlsCell& cell);
  void make_worksheet(const XlsSheet& sheet, WorksheetStream& worksheet);
  void add_cell(RowBlock& block, uint16_t row, uint16_t column, const XlsCell& cell);
  std::size_t globals_size() const;
  static std::size_t worksheet_size(const WorksheetStream& worksheet);
  static void place_worksheet(WorksheetStream& worksheet, uint32_t position);

  WorkbookGlobals globals_;
  std::vector<WorksheetStream> worksheets_;
  std::vector<const XlsSheet*> sheets_;
  std::unordered_map<std::string, uint32_t> string_indexes_;
};
