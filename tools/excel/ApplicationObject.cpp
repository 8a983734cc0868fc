#include "ApplicationObject.h"
#include "DispatchIds.h"
#include "ServerLifetime.h"
#include "WorkbooksObject.h"

namespace {

const DispatchMember kMembers[] = {
  {L"Workbooks", kDispidWorkbooks},
  {L"Visible", kDispidVisible},
  {L"UserControl", kDispidUserControl},
  {L"Quit", kDispidQuit},
};

// A flag the client sets and reads back.
void access_flag(bool& flag, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  if (put) {
    flag = arguments.put_bool();
    return;
  }
  result.vt = VT_BOOL;
  result.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

}

ApplicationObject::ApplicationObject() : DispatchObject(kMembers), state_(std::make_shared<ApplicationState>())
{
  ServerLifetime::application_started();
}

ApplicationObject::~ApplicationObject()
{
  if (!state_->quit)
    ServerLifetime::application_released();
}

void ApplicationObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  if (state_->quit)
    throw AutomationError(L"the application has quit");
  arguments.expect(0, 0);
  switch (id) {
  case kDispidVisible:
    access_flag(state_->visible, put, arguments, result);
    break;
  case kDispidUserControl:
    access_flag(state_->user_control, put, arguments, result);
    break;
  case kDispidWorkbooks:
    if (put)
      refuse_call();
    set_object(result, new WorkbooksObject(state_));
    break;
  case kDispidQuit:
    if (put)
      refuse_call();
    quit();
    break;
  }
}

void ApplicationObject::quit()
{
  for (const std::shared_ptr<OpenWorkbook>& workbook : state_->workbooks)
    workbook->open = false;
  state_->workbooks.clear();
  state_->quit = true;
  ServerLifetime::application_quit();
}
