#include "RangeObject.h"
#include "CellVariant.h"
#include "DispatchIds.h"
#include "InteriorObject.h"
#include "XlsSheet.h"
#include <new>
#include <vector>

namespace {

const DispatchMember kMembers[] = {
  {L"Item", kDispidItem},       {L"Value2", kDispidValue2}, {L"Rows", kDispidRows},
  {L"Columns", kDispidColumns}, {L"Count", kDispidCount},   {L"Interior", kDispidInterior},
};

// The most cells whose values are read or put at once.
constexpr uint64_t kMaxCellsAtOnce = 1 << 20;

void require_size_within_limit(const CellRange& range)
{
  if (uint64_t(range.rows()) * range.columns() > kMaxCellsAtOnce)
    throw AutomationError(L"at most 1048576 cells are read or put at once");
}

// Clears a VARIANT when it goes out of scope.
class VariantScope {
public:
  VariantScope() { VariantInit(&value); }
  ~VariantScope() { VariantClear(&value); }
  VariantScope(const VariantScope&) = delete;
  VariantScope& operator=(const VariantScope&) = delete;
  VARIANT value;
};

uint32_t array_length(const SAFEARRAY& array, UINT dimension)
{
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(const_cast<SAFEARRAY*>(&array), dimension, &lower);
  SafeArrayGetUBound(const_cast<SAFEARRAY*>(&array), dimension, &upper);
  return upper < lower ? 0 : uint32_t(upper - lower + 1);
}

std::wstring size_text(uint32_t rows, uint32_t columns)
{
  return std::to_wstring(rows) + L" x " + std::to_wstring(columns);
}

}

RangeObject::RangeObject(std::shared_ptr<OpenWorkbook> workbook, std::shared_ptr<SheetModel> sheet, CellRange range,
                         RangeCounting counting)
  : DispatchObject(kMembers), workbook_(std::move(workbook)), sheet_(std::move(sheet)), range_(range),
    counting_(counting)
{
}

void RangeObject::invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result)
{
  require_open(*workbook_);
  if (id == kDispidItem) {
    access_item(put, arguments, result);
    return;
  }
  arguments.expect(0, 0);
  if (id == kDispidValue2) {
    if (put)
      put_values(arguments.put_value(), arguments.count());
    else
      get_values(result);
    return;
  }
  if (put)
    refuse_call();
  switch (id) {
  case kDispidRows:
    set_object(result, with_counting(RangeCounting::rows));
    break;
  case kDispidColumns:
    set_object(result, with_counting(RangeCounting::columns));
    break;
  case kDispidCount:
    result.vt = VT_I4;
    result.lVal = count();
    break;
  case kDispidInterior:
    set_object(result, new InteriorObject(workbook_));
    break;
  }
}

// Item(row, column): the cell at that 1-based place counted from the
// range's first cell, which may lie beyond the range but not the sheet.
void RangeObject::access_item(bool put, const DispatchArguments& arguments, VARIANT& result)
{
  arguments.expect(2, 2);
  int64_t row = int64_t(range_.first_row) + arguments.long_at(0) - 1;
  int64_t column = int64_t(range_.first_column) + arguments.long_at(1) - 1;
  if (row < 1 || row > int64_t(kMaxSheetRows))
    throw ArgumentError(DISP_E_BADINDEX, 0);
  if (column < 1 || column > int64_t(kMaxSheetColumns))
    throw ArgumentError(DISP_E_BADINDEX, 1);
  if (put) {
    sheet_->set_value(uint32_t(row), uint32_t(column), cell_from_variant(arguments.put_value(), arguments.count()));
    return;
  }
  CellRange cell{uint32_t(row), uint32_t(column), uint32_t(row), uint32_t(column)};
  set_object(result, new RangeObject(workbook_, sheet_, cell));
}

// One cell's value as it is; a block's as a 2-D array indexed from 1, rows first.
void RangeObject::get_values(VARIANT& result) const
{
  if (range_.rows() == 1 && range_.columns() == 1) {
    variant_from_cell(sheet_->value(range_.first_row, range_.first_column), result);
    return;
  }
  require_size_within_limit(range_);
  SAFEARRAYBOUND bounds[2] = {{range_.rows(), 1}, {range_.columns(), 1}};
  SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
  if (!array)
    throw std::bad_alloc();
  try {
    const auto& cells = sheet_->cells();
    for (auto cell = cells.lower_bound({range_.first_row, 0});
         cell != cells.end() && cell->first.first <= range_.last_row; ++cell) {
      uint32_t column = cell->first.second;
      if (column < range_.first_column || column > range_.last_column)
        continue;
      LONG place[2] = {LONG(cell->first.first - range_.first_row + 1), LONG(column - range_.first_column + 1)};
      VariantScope value;
      variant_from_cell(cell->second, value.value);
      if (FAILED(SafeArrayPutElement(array, place, &value.value)))
        throw std::bad_alloc();
    }
  } catch (...) {
    SafeArrayDestroy(array);
    throw;
  }
  result.vt = VT_ARRAY | VT_VARIANT;
  result.parray = array;
}

// A single value goes into every cell; an array of values (one row, or rows
// and columns) must have the range's size.
void RangeObject::put_values(const VARIANT& values, unsigned position)
{
  if (!(values.vt & VT_ARRAY)) {
    CellValue value = cell_from_variant(values, position);
    if (std::holds_alternative<std::monostate>(value)) {
      sheet_->clear(range_);
      return;
    }
    require_size_within_limit(range_);
    for (uint32_t row = range_.first_row; row <= range_.last_row; ++row)
      for (uint32_t column = range_.first_column; column <= range_.last_column; ++column)
        sheet_->set_value(row, column, value);
    return;
  }
  const SAFEARRAY* array = values.vt & VT_BYREF ? *values.pparray : values.parray;
  if ((values.vt & VT_TYPEMASK) != VT_VARIANT || !array)
    throw ArgumentError(DISP_E_TYPEMISMATCH, position);
  put_array(*array, position);
}

void RangeObject::put_array(const SAFEARRAY& array, unsigned position)
{
  UINT dimensions = SafeArrayGetDim(const_cast<SAFEARRAY*>(&array));
  if (dimensions != 1 && dimensions != 2)
    throw ArgumentError(DISP_E_TYPEMISMATCH, position);
  uint32_t rows = dimensions == 1 ? 1 : array_length(array, 1);
  uint32_t columns = array_length(array, dimensions);
  if (rows != range_.rows() || columns != range_.columns())
    throw AutomationError(L"an array of " + size_text(rows, columns) + L" values cannot fill a range of " +
                          size_text(range_.rows(), range_.columns()) + L" cells");
  LONG first_row = 0, first_column = 0;
  if (dimensions == 2)
    SafeArrayGetLBound(const_cast<SAFEARRAY*>(&array), 1, &first_row);
  SafeArrayGetLBound(const_cast<SAFEARRAY*>(&array), dimensions, &first_column);
  // Every value is taken before any cell changes, so a refused value leaves the sheet as it was.
  std::vector<CellValue> taken;
  taken.reserve(std::size_t(rows) * columns);
  for (uint32_t row = 0; row < rows; ++row)
    for (uint32_t column = 0; column < columns; ++column) {
      LONG place[2] = {first_row + LONG(row), first_column + LONG(column)};
      if (dimensions == 1)
        place[0] = place[1];
      VariantScope value;
      if (FAILED(SafeArrayGetElement(const_cast<SAFEARRAY*>(&array), place, &value.value)))
        throw ArgumentError(DISP_E_TYPEMISMATCH, position);
      taken.push_back(cell_from_variant(value.value, position));
    }
  std::size_t next = 0;
  for (uint32_t row = range_.first_row; row <= range_.last_row; ++row)
    for (uint32_t column = range_.first_column; column <= range_.last_column; ++column)
      sheet_->set_value(row, column, std::move(taken[next++]));
}

long RangeObject::count() const
{
  switch (counting_) {
  case RangeCounting::rows:
    return long(range_.rows());
  case RangeCounting::columns:
    return long(range_.columns());
  default:
    return long(range_.rows()) * long(range_.columns());
  }
}

RangeObject* RangeObject::with_counting(RangeCounting counting) const
{
  return new RangeObject(workbook_, sheet_, range_, counting);
}
