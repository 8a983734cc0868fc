#include "ExcelWorkbookExchange.h"
#include "CellName.h"
#include "PresetBlock.h"
#include "SheetApplier.h"
#include "TailorResult.h"

#include "ole/COleDispatchDriver.h"
#include "ole/COleDispatchException.h"

#include <cstdio>

namespace {

const std::size_t kMessageLength = 1100;
const long kFirstRow = 1;
const long kFirstColumn = 1;
const long kValueColumn = 2;
const long kMinimumColumn = 3;
const long kMaximumColumn = 4;
const long kDescriptionColumn = 5;
// A field of another type has no value cell, so its description moves left.
const long kUntypedDescriptionColumn = 4;
const long kAccessModeUnchanged = 0;
const char kFirstCell[] = "A1";

const BYTE* parameters(const char* codes)
{
  return reinterpret_cast<const BYTE*>(codes);
}

std::string formatted(const char* format, const std::string& text)
{
  char message[kMessageLength];
  std::snprintf(message, sizeof message, format, text.c_str());
  return message;
}

COleDispatchDriver object_of(COleDispatchDriver& owner, DISPID id)
{
  LPDISPATCH object = nullptr;
  owner.GetProperty(id, VT_DISPATCH, &object);
  return COleDispatchDriver(object);
}

long count_of(COleDispatchDriver& range)
{
  long count = 0;
  range.GetProperty(kDispidCount, VT_I4, &count);
  return count;
}

COleDispatchDriver sheet_named(COleDispatchDriver& worksheets, const char* name)
{
  LPDISPATCH sheet = nullptr;
  worksheets.InvokeHelper(kDispidItem, DISPATCH_PROPERTYGET, VT_DISPATCH, &sheet, parameters(VTS_BSTR), name);
  return COleDispatchDriver(sheet);
}

std::string name_of(COleDispatchDriver& worksheet)
{
  CString name;
  worksheet.GetProperty(kDispidName, VT_BSTR, &name);
  return name.GetString();
}

COleDispatchDriver range_of(COleDispatchDriver& worksheet, const std::string& first, const std::string& last)
{
  LPDISPATCH range = nullptr;
  worksheet.InvokeHelper(kDispidRange, DISPATCH_PROPERTYGET, VT_DISPATCH, &range, parameters(VTS_BSTR VTS_BSTR),
                         first.c_str(), last.c_str());
  return COleDispatchDriver(range);
}

void put_text(COleDispatchDriver& cells, unsigned long row, unsigned long column, const std::string& text)
{
  cells.InvokeHelper(kDispidItem, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, parameters(VTS_UI4 VTS_UI4 VTS_BSTR), row,
                     column, text.c_str());
}

void put_wide_text(COleDispatchDriver& cells, unsigned long row, unsigned long column, const std::u16string& text)
{
  cells.InvokeHelper(kDispidItem, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, parameters(VTS_UI4 VTS_UI4 VTS_WBSTR), row,
                     column, reinterpret_cast<LPCOLESTR>(text.c_str()));
}

void put_value(COleDispatchDriver& cells, unsigned long row, unsigned long column, ULONGLONG value)
{
  cells.InvokeHelper(kDispidItem, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, parameters(VTS_UI4 VTS_UI4 VTS_UI8), row,
                     column, value);
}

void put_unsigned(COleDispatchDriver& cells, unsigned long row, unsigned long column, unsigned long value)
{
  cells.InvokeHelper(kDispidItem, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, parameters(VTS_UI4 VTS_UI4 VTS_UI4), row,
                     column, value);
}

// The program's windows go to the user, who then owns the instance.
void hand_to_user(COleDispatchDriver& application)
{
  application.SetProperty(kDispidVisible, VT_BOOL, TRUE);
  application.SetProperty(kDispidUserControl, VT_BOOL, TRUE);
}

PresetCell cell_of(VARIANT& value)
{
  switch (value.vt) {
  case VT_EMPTY:
  case VT_NULL:
    return PresetCell();
  case VT_BSTR:
    return PresetCell::of_text(std::u16string(reinterpret_cast<const char16_t*>(value.bstrVal ? value.bstrVal : L""),
                                              SysStringLen(value.bstrVal)));
  case VT_BOOL:
  case VT_ERROR: {
    PresetCell other;
    other.kind = PresetCell::Other;
    return other;
  }
  default: {
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, &value, 0, VT_R8))) {
      PresetCell other;
      other.kind = PresetCell::Other;
      return other;
    }
    return PresetCell::of_number(number.dblVal);
  }
  }
}

// Value2 of a block of cells: a 2-D array indexed from 1, rows first.
bool table_of(const VARIANT& values, PresetTable& table)
{
  if (values.vt != (VT_ARRAY | VT_VARIANT) || SafeArrayGetDim(values.parray) != 2)
    return false;
  LONG first_row = 0, last_row = 0, first_column = 0, last_column = 0;
  SafeArrayGetLBound(values.parray, 1, &first_row);
  SafeArrayGetUBound(values.parray, 1, &last_row);
  SafeArrayGetLBound(values.parray, 2, &first_column);
  SafeArrayGetUBound(values.parray, 2, &last_column);
  table = PresetTable(std::size_t(last_row - first_row + 1), std::size_t(last_column - first_column + 1));
  for (std::size_t row = 0; row < table.rows; ++row) {
    for (std::size_t column = 0; column < table.columns; ++column) {
      LONG place[2] = {first_row + LONG(row), first_column + LONG(column)};
      VARIANT value;
      VariantInit(&value);
      if (FAILED(SafeArrayGetElement(values.parray, place, &value)))
        return false;
      table.at(row, column) = cell_of(value);
      VariantClear(&value);
    }
  }
  return true;
}

std::string reason_of(CException* failure)
{
  if (COleDispatchException* raised = dynamic_cast<COleDispatchException*>(failure))
    if (!raised->m_strDescription.IsEmpty())
      return raised->m_strDescription.GetString();
  TCHAR text[kMessageLength] = {};
  failure->GetErrorMessage(text, kMessageLength);
  return text;
}

}

ExcelWorkbookExchange::ExcelWorkbookExchange(std::vector<BlockRecord>& records, ScriptSheet* sheets,
                                             PresetPacker& packer, ExchangeMessageSink show)
  : records_(records), sheets_(sheets), packer_(packer), show_(std::move(show))
{
  VariantInit(&missing_);
  missing_.vt = VT_ERROR;
  missing_.scode = DISP_E_PARAMNOTFOUND;
}

int ExcelWorkbookExchange::export_to_excel(const std::string& folder)
{
  workbook_path_ = folder + "\\" + kWorkbookFileName;
  // A workbook left by an earlier run would make the program ask the user
  // before it is replaced.
  SetFileAttributesA(workbook_path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(workbook_path_.c_str());

  COleDispatchDriver application;
  if (!application.CreateDispatch(kExcelProgId)) {
    show_(kExcelStartFailedMessage, MessageCaption::Program);
    return 0;
  }
  try {
    COleDispatchDriver workbooks = object_of(application, kDispidWorkbooks);
    LPDISPATCH added = nullptr;
    workbooks.InvokeHelper(kDispidAdd, DISPATCH_METHOD, VT_DISPATCH, &added, parameters(VTS_VARIANT), &missing_);
    COleDispatchDriver workbook(added);
    COleDispatchDriver worksheets = object_of(workbook, kDispidWorksheets);
    LPDISPATCH new_sheet = nullptr;
    worksheets.InvokeHelper(kDispidAdd, DISPATCH_METHOD, VT_DISPATCH, &new_sheet,
                            parameters(VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT), &missing_, &missing_, &missing_,
                            &missing_);
    COleDispatchDriver(new_sheet).ReleaseDispatch();

    COleDispatchDriver program = sheet_named(worksheets, kAddedSheetName);
    program.SetProperty(kDispidName, VT_BSTR, kWorkbookSheetNames[0]);
    long program_columns = 0;
    if (!write_program_sheet(program, program_columns)) {
      hand_to_user(application);
      return 0;
    }
    for (std::size_t i = 0; i < kScriptSheetCount; ++i) {
      COleDispatchDriver worksheet = sheet_named(worksheets, kNewWorkbookSheetNames[i]);
      worksheet.SetProperty(kDispidName, VT_BSTR, kWorkbookSheetNames[i + 1]);
      write_script_sheet(worksheet, sheets_[i], program_columns);
    }

    hand_to_user(application);
    workbook.InvokeHelper(kDispidSaveAs, DISPATCH_METHOD, VT_EMPTY, nullptr,
                          parameters(VTS_BSTR VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_I4
                                       VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT),
                          workbook_path_.c_str(), &missing_, &missing_, &missing_, &missing_, &missing_,
                          kAccessModeUnchanged, &missing_, &missing_, &missing_, &missing_);
  } catch (CException* failure) {
    show_failure(reason_of(failure));
    failure->Delete();
    try {
      hand_to_user(application);
    } catch (CException* again) {
      again->Delete();
    }
    return 0;
  }
  application.ReleaseDispatch();
  SetFileAttributesA(workbook_path_.c_str(), FILE_ATTRIBUTE_HIDDEN);
  return 1;
}

bool ExcelWorkbookExchange::write_program_sheet(COleDispatchDriver& worksheet, long& columns)
{
  columns = 0;
  const BlockRecord* record = find_preset_record(records_);
  if (!record)
    return true;
  PresetSheet sheet;
  FormatResult read = read_preset_block(*record, packer_, sheet);
  if (!read.ok()) {
    if (!read.message().empty())
      show_(read.message(), MessageCaption::Program);
    return false;
  }
  columns = long(sheet.columns);
  COleDispatchDriver cells = object_of(worksheet, kDispidCells);
  for (const PresetSheetCell& cell : sheet.cells)
    put_wide_text(cells, static_cast<unsigned long>(cell.row), static_cast<unsigned long>(cell.column), cell.text);
  for (std::size_t row : sheet.marked_rows)
    colour_row(long(row), columns, kMarkedRowColourIndex, worksheet);
  return true;
}

void ExcelWorkbookExchange::write_script_sheet(COleDispatchDriver& worksheet, const ScriptSheet& sheet,
                                               long colour_columns)
{
  // Without a preset table the block rows are coloured across the titles.
  if (colour_columns <= 0)
    colour_columns = std::max<long>(kFirstColumn, long(sheet.columns.size()));
  COleDispatchDriver cells = object_of(worksheet, kDispidCells);
  for (std::size_t i = 0; i < sheet.columns.size(); ++i)
    put_text(cells, kFirstRow, static_cast<unsigned long>(kFirstColumn + i), sheet.columns[i]);
  bool colour_blocks = name_of(worksheet) != kWorkbookSheetNames[3];
  unsigned long row = kFirstRow;
  for (const SheetBlock& block : sheet.blocks) {
    ++row;
    put_text(cells, row, kFirstColumn, "*" + block.name);
    if (colour_blocks)
      colour_row(long(row), colour_columns, kMarkedRowColourIndex, worksheet);
    for (const SheetField& field : block.fields) {
      ++row;
      put_text(cells, row, kFirstColumn, field.name);
      long description_column = kDescriptionColumn;
      switch (field.type) {
      case SheetField::Number:
        put_value(cells, row, kValueColumn, field.value);
        break;
      case SheetField::Text:
        put_text(cells, row, kValueColumn, field.text_value);
        break;
      case SheetField::Choice:
        put_value(cells, row, kValueColumn, field.value);
        put_unsigned(cells, row, kMinimumColumn, field.minimum);
        put_unsigned(cells, row, kMaximumColumn, field.maximum);
        break;
      default:
        description_column = kUntypedDescriptionColumn;
        break;
      }
      if (block.em == SheetBlock::DescribedFields)
        put_text(cells, row, description_column, field.description);
    }
  }
}

int ExcelWorkbookExchange::read_workbook(const std::string& path)
{
  COleDispatchDriver application;
  if (!application.CreateDispatch(kExcelProgId)) {
    show_(kExcelStartFailedMessage, MessageCaption::Program);
    return -1;
  }
  int result = 0;
  COleDispatchDriver workbook;
  try {
    COleDispatchDriver workbooks = object_of(application, kDispidWorkbooks);
    LPDISPATCH opened = nullptr;
    workbooks.InvokeHelper(kDispidOpen, DISPATCH_METHOD, VT_DISPATCH, &opened,
                           parameters(VTS_BSTR VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT
                                        VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT
                                          VTS_VARIANT VTS_VARIANT),
                           path.c_str(), &missing_, &missing_, &missing_, &missing_, &missing_, &missing_, &missing_,
                           &missing_, &missing_, &missing_, &missing_, &missing_, &missing_, &missing_);
    workbook.AttachDispatch(opened);
    COleDispatchDriver worksheets = object_of(workbook, kDispidWorksheets);
    for (std::size_t which = 0; which < kWorkbookSheetCount && result == 0; ++which) {
      COleDispatchDriver worksheet;
      for (short place = 1; !worksheet.m_lpDispatch; ++place) {
        LPDISPATCH sheet = nullptr;
        try {
          worksheets.InvokeHelper(kDispidItem, DISPATCH_PROPERTYGET, VT_DISPATCH, &sheet, parameters(VTS_I2), place);
        } catch (CException* past_the_last) {
          past_the_last->Delete();
          break;
        }
        COleDispatchDriver candidate(sheet);
        if (name_of(candidate) == kWorkbookSheetNames[which])
          worksheet = candidate;
      }
      if (!worksheet.m_lpDispatch) {
        show_(formatted(kSheetMissingMessage, kWorkbookSheetNames[which]), MessageCaption::Program);
        result = -1;
        break;
      }
      long rows = 0, columns = 0;
      get_used_range(worksheet, rows, columns);
      if (rows <= 1 && columns <= 1)
        continue;
      std::string last_cell = cell_name(unsigned(columns), unsigned(rows));
      if (last_cell.empty()) {
        show_failure("sheet " + std::string(kWorkbookSheetNames[which]) + " reaches past column ZZ");
        result = -1;
        break;
      }
      VARIANT values;
      VariantInit(&values);
      range_of(worksheet, kFirstCell, last_cell).GetProperty(kDispidValue2, VT_VARIANT, &values);
      PresetTable table;
      bool read = table_of(values, table);
      VariantClear(&values);
      if (!read) {
        show_failure("the values of sheet " + std::string(kWorkbookSheetNames[which]) + " are not a table");
        result = -1;
        break;
      }
      result = apply_sheet(which, table) < 0 ? -1 : 0;
    }
  } catch (CException* failure) {
    show_failure(reason_of(failure));
    failure->Delete();
    result = -1;
  }
  try {
    if (workbook.m_lpDispatch)
      workbook.InvokeHelper(kDispidClose, DISPATCH_METHOD, VT_EMPTY, nullptr,
                            parameters(VTS_BOOL VTS_VARIANT VTS_VARIANT), FALSE, &missing_, &missing_);
    workbook.ReleaseDispatch();
    application.InvokeHelper(kDispidQuit, DISPATCH_METHOD, VT_EMPTY, nullptr, parameters(VTS_EMPTY));
  } catch (CException* failure) {
    show_failure(reason_of(failure));
    failure->Delete();
    result = -1;
  }
  return result;
}

int ExcelWorkbookExchange::apply_sheet(std::size_t which, const PresetTable& values)
{
  if (which == 0) {
    std::size_t packed_length = 0;
    FormatResult built = build_preset_block(records_, values, packer_, packed_length);
    if (built.ok())
      return 0;
    // The old block would stay silently in the new image otherwise.
    show_(built.message().empty() ? kPresetBuildFailedMessage : built.message(), MessageCaption::Program);
    return -1;
  }
  SheetApplier applier(records_, show_);
  if (which == kWorkbookSheetCount - 1)
    return applier.apply_file_sheet(values, sheets_[which - 1]);
  return applier.apply_field_sheet(values, sheets_[which - 1]);
}

void ExcelWorkbookExchange::get_used_range(COleDispatchDriver& worksheet, long& rows, long& columns)
{
  COleDispatchDriver used = object_of(worksheet, kDispidUsedRange);
  COleDispatchDriver used_rows = object_of(used, kDispidRows);
  COleDispatchDriver used_columns = object_of(used, kDispidColumns);
  rows = count_of(used_rows);
  columns = count_of(used_columns);
}

void ExcelWorkbookExchange::colour_row(long row, long last_column, long colour_index, COleDispatchDriver& worksheet)
{
  COleDispatchDriver range =
    range_of(worksheet, cell_name(kFirstColumn, unsigned(row)), cell_name(unsigned(last_column), unsigned(row)));
  COleDispatchDriver interior = object_of(range, kDispidInterior);
  interior.SetProperty(kDispidColorIndex, VT_I4, colour_index);
}

void ExcelWorkbookExchange::show_failure(const std::string& reason)
{
  show_(formatted(kExcelCallFailedMessage, reason), MessageCaption::Program);
}
