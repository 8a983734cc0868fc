#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// The interior of a range. Its colour is taken and not kept: the workbook
// file is written with one cell format for every cell.
class InteriorObject : public DispatchObject {
public:
  explicit InteriorObject(std::shared_ptr<OpenWorkbook> workbook);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  std::shared_ptr<OpenWorkbook> workbook_;
};
