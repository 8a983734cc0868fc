#include "CellVariant.h"
#include "AutomationError.h"
#include <cmath>
#include <new>

void variant_from_cell(const CellValue& value, VARIANT& result)
{
  VariantInit(&result);
  if (const double* number = std::get_if<double>(&value)) {
    result.vt = VT_R8;
    result.dblVal = *number;
  } else if (const std::u16string* text = std::get_if<std::u16string>(&value)) {
    BSTR string = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text->data()), UINT(text->size()));
    if (!string)
      throw std::bad_alloc();
    result.vt = VT_BSTR;
    result.bstrVal = string;
  }
}

CellValue cell_from_variant(const VARIANT& value, unsigned position)
{
  VARTYPE type = VARTYPE(value.vt & ~VT_BYREF);
  switch (type) {
  case VT_EMPTY:
  case VT_NULL:
    return std::monostate();
  case VT_BSTR: {
    BSTR string = value.vt & VT_BYREF ? *value.pbstrVal : value.bstrVal;
    std::u16string text(reinterpret_cast<const char16_t*>(string ? string : L""), SysStringLen(string));
    if (text.size() > kMaxCellText)
      throw AutomationError(L"a cell holds at most 32767 characters");
    return text;
  }
  case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
  case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
  case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: case VT_DATE: {
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_R8)))
      throw ArgumentError(DISP_E_TYPEMISMATCH, position);
    if (!std::isfinite(number.dblVal))
      throw AutomationError(L"a cell holds finite numbers only");
    return number.dblVal;
  }
  default:
    throw ArgumentError(DISP_E_TYPEMISMATCH, position);
  }
}
