#include "WorksheetObject.h"
#include "CellName.h"
#include "CellVariant.h"
#include "DispatchIds.h"
#include "RangeObject.h"
#include "XlsSheet.h"
#include <algorithm>

namespace {

const DispatchMember kMembers[] = {
  {L"Name", kDispidName},
  {L"Cells", kDispidCells},
  {L"Range", kDispidRange},
  {L"UsedRange", kDispidUsedRange},
};

}

WorksheetObject::WorksheetObject(std::shared_ptr<OpenWorkbook> workbook, std::shared_ptr<SheetModel> sheet)
  : DispatchObject(kMembers), workbook_(std::move(workbook)), sheet_(std::move(sheet))
{
}

void WorksheetObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  require_open(*workbook_);
  if (id == kDispidName) {
    access_name(put, arguments, result);
    return;
  }
  if (put)
    refuse_call();
  CellRange range;
  switch (id) {
  case kDispidCells:
    arguments.expect(0, 0);
    range.last_row = kMaxSheetRows;
    range.last_column = kMaxSheetColumns;
    break;
  case kDispidRange:
    range = named_range(arguments);
    break;
  case kDispidUsedRange:
    arguments.expect(0, 0);
    range = sheet_->used_range();
    break;
  }
  set_object(result, new RangeObject(workbook_, sheet_, range));
}

void WorksheetObject::access_name(bool put, const DispatchArguments& arguments, VARIANT& result)
{
  arguments.expect(0, 0);
  if (!put) {
    variant_from_cell(sheet_->name(), result);
    return;
  }
  std::wstring name = arguments.put_string();
  std::string reason;
  if (!workbook_->model.rename_sheet(*sheet_, std::u16string(name.begin(), name.end()), reason))
    throw AutomationError(widened(reason));
}

// Range(first cell) or Range(first cell, last cell): the block between them.
CellRange WorksheetObject::named_range(const DispatchArguments& arguments) const
{
  arguments.expect(1, 2);
  unsigned last = arguments.omitted(1) ? 0 : 1;
  uint32_t rows[2], columns[2];
  for (unsigned corner = 0; corner < 2; ++corner) {
    std::wstring name = arguments.string_at(corner == 0 ? 0 : last);
    if (!parse_cell_name(std::u16string(name.begin(), name.end()), rows[corner], columns[corner]))
      throw AutomationError(L"'" + name + L"' is not a cell name");
  }
  CellRange range;
  range.first_row = std::min(rows[0], rows[1]);
  range.last_row = std::max(rows[0], rows[1]);
  range.first_column = std::min(columns[0], columns[1]);
  range.last_column = std::max(columns[0], columns[1]);
  return range;
}
