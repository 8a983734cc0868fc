#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// One open workbook: its worksheets, SaveAs and Close.
class WorkbookObject : public DispatchObject {
public:
  WorkbookObject(std::shared_ptr<ApplicationState> state, std::shared_ptr<OpenWorkbook> workbook);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  void save_as(const std::wstring& path);
  void close(bool save_changes);

  std::shared_ptr<ApplicationState> state_;
  std::shared_ptr<OpenWorkbook> workbook_;
};
