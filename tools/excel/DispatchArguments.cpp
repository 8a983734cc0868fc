#include "DispatchArguments.h"
#include "AutomationError.h"

namespace {

// value converted to type into result (cleared by the caller).
void convert(const VARIANT& value, VARTYPE type, VARIANT& result, unsigned position)
{
  VariantInit(&result);
  HRESULT code = VariantChangeType(&result, const_cast<VARIANT*>(&value), 0, type);
  if (FAILED(code))
    throw ArgumentError(code == E_OUTOFMEMORY ? code : DISP_E_TYPEMISMATCH, position);
}

}

DispatchArguments::DispatchArguments(const DISPPARAMS& params, bool property_put)
  : params_(params), count_(params.cArgs - (property_put && params.cArgs ? 1 : 0))
{
}

const VARIANT& DispatchArguments::read_through(const VARIANT& value) const
{
  return value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal ? *value.pvarVal : value;
}

const VARIANT& DispatchArguments::at(unsigned position) const
{
  return read_through(params_.rgvarg[params_.cArgs - 1 - position]);
}

const VARIANT& DispatchArguments::put_value() const
{
  return read_through(params_.rgvarg[0]);
}

bool DispatchArguments::omitted(unsigned position) const
{
  if (position >= count_)
    return true;
  const VARIANT& value = at(position);
  return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

void DispatchArguments::expect(unsigned required, unsigned supported) const
{
  if (count_ < required)
    throw ArgumentError(DISP_E_BADPARAMCOUNT, count_);
  for (unsigned position = 0; position < required; ++position)
    if (omitted(position))
      throw ArgumentError(DISP_E_PARAMNOTOPTIONAL, position);
  for (unsigned position = supported; position < count_; ++position)
    if (!omitted(position))
      throw AutomationError(L"argument " + std::to_wstring(position + 1) + L" of this member is not supported");
}

long DispatchArguments::to_long(const VARIANT& value, unsigned position)
{
  VARIANT result;
  convert(value, VT_I4, result, position);
  return result.lVal;
}

bool DispatchArguments::to_bool(const VARIANT& value, unsigned position)
{
  VARIANT result;
  convert(value, VT_BOOL, result, position);
  return result.boolVal != VARIANT_FALSE;
}

std::wstring DispatchArguments::to_string(const VARIANT& value, unsigned position)
{
  VARIANT result;
  convert(value, VT_BSTR, result, position);
  std::wstring text(result.bstrVal ? result.bstrVal : L"", SysStringLen(result.bstrVal));
  VariantClear(&result);
  return text;
}
