#include "XlsWorkbook.h"
#include "StorageFile.h"
#include "StorageWriter.h"
#include "WorkbookStreamReader.h"
#include "WorkbookStreamWriter.h"
#include <cstdio>

namespace {

constexpr int kNewFonts = 4;
constexpr int kNewXfs = 21;
constexpr int kNewStyles = 6;
constexpr std::size_t kMaxSheetName = 255;
const char16_t* const kWorkbookStream = u"Workbook";

}

void XlsWorkbook::reset_to_new(int sheet_count)
{
  globals_ = WorkbookGlobals();
  worksheets_.clear();
  globals_.fonts.resize(kNewFonts);
  globals_.xfs.resize(kNewXfs);
  globals_.styles.resize(kNewStyles);
  globals_.bound_sheets.resize(1);
  worksheets_.resize(1);
  rebuild_sheets(globals_, worksheets_, sheets_);
  for (int i = 1; i < sheet_count; ++i)
    add_numbered_worksheet(-1);
}

bool XlsWorkbook::load_file(const std::string& path)
{
  StorageFile storage;
  if (!storage.open(path)) {
    error_ = storage.error();
    return false;
  }
  return load_storage(storage);
}

bool XlsWorkbook::load_bytes(std::vector<uint8_t> bytes)
{
  StorageFile storage;
  if (!storage.open_bytes(std::move(bytes))) {
    error_ = storage.error();
    return false;
  }
  return load_storage(storage);
}

bool XlsWorkbook::load_storage(StorageFile& storage)
{
  std::vector<uint8_t> stream;
  if (storage.read_stream(kWorkbookStream, stream) == kStorageStreamDamaged) {
    error_ = storage.error();
    return false;
  }
  WorkbookGlobals globals;
  std::vector<WorksheetStream> worksheets;
  WorkbookStreamReader reader(stream, globals, worksheets);
  if (!reader.read()) {
    error_ = reader.error();
    return false;
  }
  std::vector<std::unique_ptr<XlsSheet>> sheets;
  if (!rebuild_sheets(globals, worksheets, sheets))
    return false;
  globals_ = std::move(globals);
  worksheets_ = std::move(worksheets);
  sheets_ = std::move(sheets);
  error_.clear();
  return true;
}

bool XlsWorkbook::rebuild_sheets(const WorkbookGlobals& globals, const std::vector<WorksheetStream>& worksheets,
                                 std::vector<std::unique_ptr<XlsSheet>>& sheets)
{
  sheets.clear();
  for (std::size_t i = 0; i < worksheets.size(); ++i) {
    sheets.push_back(std::make_unique<XlsSheet>(this, int(i)));
    if (!sheets.back()->build(worksheets[i], globals.sst, error_))
      return false;
  }
  return true;
}

XlsSheet* XlsWorkbook::find_worksheet(const std::string& name)
{
  for (std::size_t i = 0; i < sheets_.size() && i < globals_.bound_sheets.size(); ++i) {
    const BiffText& sheet_name = globals_.bound_sheets[i].name;
    if (!sheet_name.wide && sheet_name.narrow == name)
      return sheets_[i].get();
  }
  return nullptr;
}

XlsSheet* XlsWorkbook::add_worksheet(const std::string& name, int index)
{
  if (name.size() > kMaxSheetName || index < -1 || index > int(sheets_.size()) ||
      sheets_.size() != globals_.bound_sheets.size() || sheets_.size() != worksheets_.size())
    return nullptr;
  for (const BoundSheetRecord& bound_sheet : globals_.bound_sheets)
    if (!bound_sheet.name.wide && bound_sheet.name.narrow == name)
      return nullptr;
  std::size_t at = index < 0 ? sheets_.size() : std::size_t(index);
  BoundSheetRecord bound_sheet;
  bound_sheet.name = narrow_text(name);
  WorksheetStream worksheet;
  worksheet.window2.flags &= uint16_t(~kWindow2Selected);
  globals_.bound_sheets.insert(globals_.bound_sheets.begin() + at, bound_sheet);
  worksheets_.insert(worksheets_.begin() + at, worksheet);
  sheets_.insert(sheets_.begin() + at, std::make_unique<XlsSheet>(this, int(at)));
  for (std::size_t i = at + 1; i < sheets_.size(); ++i)
    sheets_[i]->index_ = int(i);
  return sheets_[at].get();
}

XlsSheet* XlsWorkbook::add_numbered_worksheet(int index)
{
  // Every taken name belongs to a sheet, so one of the next names is free.
  int first = sheet_count() + 1;
  int last = first + int(globals_.bound_sheets.size());
  for (int number = first; number <= last; ++number) {
    char name[32];
    std::snprintf(name, sizeof name, "Sheet%d", number);
    if (XlsSheet* sheet = add_worksheet(name, index))
      return sheet;
  }
  return nullptr;
}

std::vector<uint8_t> XlsWorkbook::save_bytes() const
{
  std::vector<const XlsSheet*> sheets;
  for (const std::unique_ptr<XlsSheet>& sheet : sheets_)
    sheets.push_back(sheet.get());
  StorageWriter storage;
  storage.add_stream(kWorkbookStream, WorkbookStreamWriter(globals_, worksheets_, sheets).write());
  return storage.build();
}

bool XlsWorkbook::save_file(const std::string& path) const
{
  std::vector<uint8_t> bytes = save_bytes();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
