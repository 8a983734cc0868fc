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

template <typename Take> class CellRecordSinkOf : public CellRecordSink {
public:
  explicit CellRecordSinkOf(Take take) : take_(take) {}
  bool take_cell(std::size_t worksheet, std::size_t offset, const CellRecord& record, std::string& error) override
  {
    return take_(worksheet, offset, record, error);
  }

private:
  Take take_;
};

}

void XlsWorkbook::reset_to_new(int sheet_count)
{
  sheets_.clear();
  globals_ = WorkbookGlobals();
  worksheets_.clear();
  globals_.fonts.resize(kNewFonts);
  globals_.xfs.resize(kNewXfs);
  globals_.styles.resize(kNewStyles);
  globals_.bound_sheets.resize(1);
  worksheets_.resize(1);
  add_sheet_fronts(worksheets_, worksheets_.size(), sheets_);
  for (int i = 1; i < sheet_count; ++i)
    add_numbered_worksheet(-1);
}

bool XlsWorkbook::load_file(const std::string& path)
{
  auto storage = std::make_unique<StorageFile>();
  if (!storage->open(path)) {
    error_ = storage->error();
    return false;
  }
  return load_storage(std::move(storage));
}

bool XlsWorkbook::load_bytes(std::vector<uint8_t> bytes)
{
  auto storage = std::make_unique<StorageFile>();
  if (!storage->open_bytes(std::move(bytes))) {
    error_ = storage->error();
    return false;
  }
  return load_storage(std::move(storage));
}

bool XlsWorkbook::load_storage(std::unique_ptr<StorageFile> storage)
{
  StreamBytes stream;
  if (storage->view_stream(kWorkbookStream, stream) == kStorageStreamDamaged) {
    error_ = storage->error();
    return false;
  }
  WorkbookGlobals globals;
  std::vector<WorksheetStream> worksheets;
  std::vector<std::unique_ptr<XlsSheet>> sheets;
  // Cells go to their sheets as they are read, their texts staying in the
  // string table: the row blocks keep no cell records.
  CellRecordSinkOf place([&](std::size_t worksheet, std::size_t offset, const CellRecord& record, std::string& error) {
    add_sheet_fronts(worksheets, worksheet + 1, sheets);
    return sheets[worksheet]->take_record(stream.data, stream.size, offset, record, globals.sst, error);
  });
  WorkbookStreamReader reader(stream.data, stream.size, globals, worksheets, &place);
  if (!reader.read()) {
    error_ = reader.error();
    return false;
  }
  add_sheet_fronts(worksheets, worksheets.size(), sheets);
  for (std::size_t i = 0; i < sheets.size(); ++i)
    sheets[i]->take_dimensions(worksheets[i].dimensions);
  sheets_.clear();
  // Moving the globals keeps the strings where they are, and the cells point
  // at them; moving the stream's gathered bytes keeps them where they are.
  globals_ = std::move(globals);
  worksheets_ = std::move(worksheets);
  storage_ = std::move(storage);
  stream_ = std::move(stream);
  for (std::unique_ptr<XlsSheet>& sheet : sheets)
    sheet->show_strings_of(globals_.sst);
  sheets_ = std::move(sheets);
  error_.clear();
  return true;
}

void XlsWorkbook::add_sheet_fronts(const std::vector<WorksheetStream>& worksheets, std::size_t count,
                                   std::vector<std::unique_ptr<XlsSheet>>& sheets)
{
  while (sheets.size() < count) {
    std::size_t index = sheets.size();
    sheets.push_back(std::make_unique<XlsSheet>(this, int(index)));
    sheets.back()->take_dimensions(worksheets[index].dimensions);
  }
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
