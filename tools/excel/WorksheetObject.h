#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// One worksheet: its name and the ranges of its cells.
class WorksheetObject : public DispatchObject {
public:
  WorksheetObject(std::shared_ptr<OpenWorkbook> workbook, std::shared_ptr<SheetModel> sheet);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  void access_name(bool put, const DispatchArguments& arguments, VARIANT& result);
  CellRange named_range(const DispatchArguments& arguments) const;

  std::shared_ptr<OpenWorkbook> workbook_;
  std::shared_ptr<SheetModel> sheet_;
};
