#pragma once
#include "StorageFile.h"
#include "WorkbookGlobals.h"
#include "WorksheetStream.h"
#include "XlsSheet.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An .xls workbook: loaded from a compound file's "Workbook" stream, its
// worksheets found by name and their cells read by row and column. A load
// that fails leaves the workbook exactly as it was.
class XlsWorkbook {
public:
  XlsWorkbook() = default;
  XlsWorkbook(const XlsWorkbook&) = delete;
  XlsWorkbook& operator=(const XlsWorkbook&) = delete;

  // Makes the workbook a new one with sheet_count empty sheets.
  void reset_to_new(int sheet_count);
  // Loads the file at path (the platform's narrow code page). False, with a
  // reason in error(), when it is not a readable compound file or its
  // workbook stream is damaged; a file without a "Workbook" stream, or with
  // one that is not BIFF8, loads as a workbook without sheets.
  bool load_file(const std::string& path);
  bool load_bytes(std::vector<uint8_t> bytes);
  const std::string& error() const { return error_; }

  XlsSheet* find_worksheet(const std::string& name);
  // Adds a sheet at index (-1: at the end); null when the name is taken or
  // does not fit a sheet name, or the index lies outside the sheets.
  XlsSheet* add_worksheet(const std::string& name, int index);
  XlsSheet* add_numbered_worksheet(int index);
  int sheet_count() const { return int(sheets_.size()); }
  XlsSheet* sheet(int index) { return sheets_[std::size_t(index)].get(); }

  // The workbook as a compound file with one "Workbook" stream, its sheets'
  // records made again from their cells.
  std::vector<uint8_t> save_bytes() const;
  bool save_file(const std::string& path) const;

  const WorkbookGlobals& globals() const { return globals_; }
  const std::vector<WorksheetStream>& worksheets() const { return worksheets_; }

private:
  bool load_storage(std::unique_ptr<StorageFile> storage);
  // Adds fronts to sheets up to count, each sized by its worksheet's DIMENSIONS.
  void add_sheet_fronts(const std::vector<WorksheetStream>& worksheets, std::size_t count,
                        std::vector<std::unique_ptr<XlsSheet>>& sheets);

  // The loaded file and its workbook stream stay open while the sheets keep
  // their cells there.
  std::unique_ptr<StorageFile> storage_;
  StreamBytes stream_;
  WorkbookGlobals globals_;
  std::vector<WorksheetStream> worksheets_;
  std::vector<std::unique_ptr<XlsSheet>> sheets_;
  std::string error_;
};
