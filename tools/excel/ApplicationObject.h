#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// The "Excel.Application" object a client creates: its workbooks, whether
// it shows itself and leaves the user in control, and Quit.
class ApplicationObject : public DispatchObject {
public:
  ApplicationObject();
  ~ApplicationObject() override;

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  void quit();

  std::shared_ptr<ApplicationState> state_;
};
