#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// The application's open workbooks: Add makes a new one, Open reads one
// from an .xls file.
class WorkbooksObject : public DispatchObject {
public:
  explicit WorkbooksObject(std::shared_ptr<ApplicationState> state);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  std::shared_ptr<OpenWorkbook> open(const std::wstring& path);

  std::shared_ptr<ApplicationState> state_;
};
