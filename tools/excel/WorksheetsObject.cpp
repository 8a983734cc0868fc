#include "WorksheetsObject.h"
#include "DispatchIds.h"
#include "WorksheetObject.h"

namespace {

const DispatchMember kMembers[] = {
  {L"Add", kDispidAdd},
  {L"Item", kDispidItem},
};

}

WorksheetsObject::WorksheetsObject(std::shared_ptr<OpenWorkbook> workbook)
  : DispatchObject(kMembers), workbook_(std::move(workbook))
{
}

void WorksheetsObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  require_open(*workbook_);
  if (put)
    refuse_call();
  std::shared_ptr<SheetModel> sheet;
  if (id == kDispidAdd) {
    // A new sheet always goes before the active one, alone and blank.
    arguments.expect(0, 0);
    sheet = workbook_->model.add_sheet();
  } else {
    arguments.expect(1, 1);
    sheet = item(arguments.at(0));
  }
  set_object(result, new WorksheetObject(workbook_, sheet));
}

std::shared_ptr<SheetModel> WorksheetsObject::item(const VARIANT& which) const
{
  const WorkbookModel& model = workbook_->model;
  if ((which.vt & ~VT_BYREF) == VT_BSTR) {
    BSTR name = which.vt & VT_BYREF ? *which.pbstrVal : which.bstrVal;
    std::u16string wanted(reinterpret_cast<const char16_t*>(name ? name : L""), SysStringLen(name));
    if (std::shared_ptr<SheetModel> sheet = model.find_sheet(wanted))
      return sheet;
    throw ArgumentError(DISP_E_BADINDEX, 0);
  }
  long place = DispatchArguments::to_long(which, 0);
  if (place < 1 || place > model.sheet_count())
    throw ArgumentError(DISP_E_BADINDEX, 0);
  return model.sheet(int(place - 1));
}
