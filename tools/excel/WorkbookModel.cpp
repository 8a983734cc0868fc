#include "WorkbookModel.h"
#include <cwctype>

namespace {

const std::u16string kForbiddenNameUnits = u":\\/?*[]";

bool same_name(const std::u16string& a, const std::u16string& b)
{
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::towupper(wint_t(a[i])) != std::towupper(wint_t(b[i])))
      return false;
  return true;
}

std::u16string numbered_name(int number)
{
  std::string digits = std::to_string(number);
  return u"Sheet" + std::u16string(digits.begin(), digits.end());
}

const char* name_fault(const std::u16string& name)
{
  if (name.empty())
    return "a sheet name cannot be empty";
  if (name.size() > kMaxSheetNameLength)
    return "a sheet name cannot be longer than 31 characters";
  if (name.find_first_of(kForbiddenNameUnits) != std::u16string::npos)
    return "a sheet name cannot hold any of : \\ / ? * [ ]";
  return nullptr;
}

}

WorkbookModel WorkbookModel::make_new()
{
  WorkbookModel workbook;
  for (int i = 0; i < kNewWorkbookSheets; ++i)
    workbook.sheets_.push_back(std::make_shared<SheetModel>(numbered_name(workbook.next_number_++)));
  return workbook;
}

std::shared_ptr<SheetModel> WorkbookModel::find_sheet(const std::u16string& name) const
{
  for (const std::shared_ptr<SheetModel>& sheet : sheets_)
    if (same_name(sheet->name(), name))
      return sheet;
  return nullptr;
}

bool WorkbookModel::name_taken(const std::u16string& name, const SheetModel* except) const
{
  for (const std::shared_ptr<SheetModel>& sheet : sheets_)
    if (sheet.get() != except && same_name(sheet->name(), name))
      return true;
  return false;
}

std::shared_ptr<SheetModel> WorkbookModel::add_sheet()
{
  std::u16string name = numbered_name(next_number_++);
  while (name_taken(name, nullptr))
    name = numbered_name(next_number_++);
  auto sheet = std::make_shared<SheetModel>(name);
  // Inserted at the active sheet's place, the new sheet takes that index.
  sheets_.insert(sheets_.begin() + active_, sheet);
  return sheet;
}

bool WorkbookModel::append_sheet(std::shared_ptr<SheetModel> sheet)
{
  if (name_fault(sheet->name()) || name_taken(sheet->name(), nullptr))
    return false;
  sheets_.push_back(std::move(sheet));
  next_number_ = sheet_count() + 1;
  return true;
}

void WorkbookModel::set_active_sheet(int index)
{
  if (index >= 0 && index < sheet_count())
    active_ = index;
}

bool WorkbookModel::rename_sheet(SheetModel& sheet, const std::u16string& name, std::string& reason) const
{
  if (const char* fault = name_fault(name)) {
    reason = fault;
    return false;
  }
  if (name_taken(name, &sheet)) {
    reason = "another sheet already has that name";
    return false;
  }
  sheet.set_name(name);
  return true;
}
