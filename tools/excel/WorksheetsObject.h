#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// A workbook's worksheets: Add puts a new one before the active sheet, Item
// finds one by name or by its 1-based place.
class WorksheetsObject : public DispatchObject {
public:
  explicit WorksheetsObject(std::shared_ptr<OpenWorkbook> workbook);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  std::shared_ptr<SheetModel> item(const VARIANT& which) const;

  std::shared_ptr<OpenWorkbook> workbook_;
};
