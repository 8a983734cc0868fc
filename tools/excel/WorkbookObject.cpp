#include "WorkbookObject.h"
#include "DispatchIds.h"
#include "FileBytes.h"
#include "WorkbookFile.h"
#include "WorksheetsObject.h"
#include <algorithm>

namespace {

const DispatchMember kMembers[] = {
  {L"Worksheets", kDispidWorksheets},
  {L"SaveAs", kDispidSaveAs},
  {L"Close", kDispidClose},
};

}

WorkbookObject::WorkbookObject(std::shared_ptr<ApplicationState> state, std::shared_ptr<OpenWorkbook> workbook)
  : DispatchObject(kMembers), state_(std::move(state)), workbook_(std::move(workbook))
{
}

void WorkbookObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  require_open(*workbook_);
  if (put)
    refuse_call();
  switch (id) {
  case kDispidWorksheets:
    arguments.expect(0, 0);
    set_object(result, new WorksheetsObject(workbook_));
    break;
  case kDispidSaveAs: {
    // Only the file name is used: the workbook is always written as an .xls
    // file, so format, password and access arguments change nothing.
    arguments.expect(1, arguments.count());
    save_as(full_path(arguments.string_at(0)));
    break;
  }
  case kDispidClose:
    arguments.expect(0, 1);
    // Without a user to ask, a workbook closes unsaved unless told otherwise.
    close(!arguments.omitted(0) && DispatchArguments::to_bool(arguments.at(0), 0));
    break;
  }
}

void WorkbookObject::save_as(const std::wstring& path)
{
  std::wstring reason;
  if (!write_file_bytes(path, WorkbookFile::write(workbook_->model), reason))
    throw AutomationError(L"cannot save " + path + L": " + reason);
  workbook_->path = path;
}

void WorkbookObject::close(bool save_changes)
{
  if (save_changes) {
    if (workbook_->path.empty())
      throw AutomationError(L"the workbook has no file to save its changes to");
    save_as(workbook_->path);
  }
  workbook_->open = false;
  std::vector<std::shared_ptr<OpenWorkbook>>& workbooks = state_->workbooks;
  workbooks.erase(std::remove(workbooks.begin(), workbooks.end(), workbook_), workbooks.end());
}
