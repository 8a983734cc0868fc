#include "WorkbooksObject.h"
#include "DispatchIds.h"
#include "FileBytes.h"
#include "WorkbookFile.h"
#include "WorkbookObject.h"

namespace {

const DispatchMember kMembers[] = {
  {L"Add", kDispidAdd},
  {L"Open", kDispidOpen},
};

}

WorkbooksObject::WorkbooksObject(std::shared_ptr<ApplicationState> state)
  : DispatchObject(kMembers), state_(std::move(state))
{
}

void WorkbooksObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  if (state_->quit)
    throw AutomationError(L"the application has quit");
  if (put)
    refuse_call();
  std::shared_ptr<OpenWorkbook> workbook;
  if (id == kDispidAdd) {
    // New workbooks come from no template.
    arguments.expect(0, 0);
    workbook = std::make_shared<OpenWorkbook>(WorkbookModel::make_new());
  } else {
    // Only the file name is used: the workbook opens as it is in the file.
    arguments.expect(1, 1);
    workbook = open(arguments.string_at(0));
  }
  state_->workbooks.push_back(workbook);
  set_object(result, new WorkbookObject(state_, workbook));
}

std::shared_ptr<OpenWorkbook> WorkbooksObject::open(const std::wstring& path)
{
  std::wstring full = full_path(path);
  std::vector<uint8_t> bytes;
  std::wstring reason;
  if (!read_file_bytes(full, bytes, reason))
    throw AutomationError(L"cannot open " + full + L": " + reason);
  WorkbookModel model;
  std::string format_reason;
  if (!WorkbookFile::read(std::move(bytes), model, format_reason))
    throw AutomationError(L"cannot open " + full + L": " + widened(format_reason));
  auto workbook = std::make_shared<OpenWorkbook>(std::move(model));
  workbook->path = full;
  return workbook;
}
