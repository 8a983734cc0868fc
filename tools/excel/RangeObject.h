#pragma once
#include "ApplicationState.h"
#include "DispatchObject.h"
#include <memory>

// What Count counts on a range: its cells, or the rows or columns it was
// asked for through Rows and Columns.
enum class RangeCounting { cells, rows, columns };

// A block of cells of a worksheet: its values as a whole (Value2), single
// cells by place (Item), its rows, columns, count and interior.
class RangeObject : public DispatchObject {
public:
  RangeObject(std::shared_ptr<OpenWorkbook> workbook, std::shared_ptr<SheetModel> sheet, CellRange range,
              RangeCounting counting = RangeCounting::cells);

protected:
  void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) override;

private:
  void access_item(bool put, const DispatchArguments& arguments, VARIANT& result);
  void get_values(VARIANT& result) const;
  void put_values(const VARIANT& values, unsigned position);
  void put_array(const SAFEARRAY& array, unsigned position);
  long count() const;
  RangeObject* with_counting(RangeCounting counting) const;

  std::shared_ptr<OpenWorkbook> workbook_;
  std::shared_ptr<SheetModel> sheet_;
  CellRange range_;
  RangeCounting counting_;
};
