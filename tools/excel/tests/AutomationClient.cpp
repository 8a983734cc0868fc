#include "AutomationClient.h"
#include "CallTimeLimit.h"
#include <algorithm>

Variant::Variant(const wchar_t* text) : Variant()
{
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocString(text);
}

Variant::Variant(double number) : Variant()
{
  value.vt = VT_R8;
  value.dblVal = number;
}

Variant::Variant(const Variant& other) : Variant()
{
  VariantCopy(&value, const_cast<VARIANT*>(&other.value));
}

Variant& Variant::operator=(const Variant& other)
{
  if (this != &other)
    VariantCopy(&value, const_cast<VARIANT*>(&other.value));
  return *this;
}

Variant Variant::of_long(long number)
{
  Variant made;
  made.value.vt = VT_I4;
  made.value.lVal = number;
  return made;
}

Variant Variant::of_short(short number)
{
  Variant made;
  made.value.vt = VT_I2;
  made.value.iVal = number;
  return made;
}

Variant Variant::of_bool(bool flag)
{
  Variant made;
  made.value.vt = VT_BOOL;
  made.value.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
  return made;
}

Variant Variant::of_unsigned(unsigned number)
{
  Variant made;
  made.value.vt = VT_UI4;
  made.value.ulVal = number;
  return made;
}

Variant Variant::of_unsigned64(uint64_t number)
{
  Variant made;
  made.value.vt = VT_UI8;
  made.value.ullVal = number;
  return made;
}

Variant Variant::missing()
{
  Variant made;
  made.value.vt = VT_ERROR;
  made.value.scode = DISP_E_PARAMNOTFOUND;
  return made;
}

Variant Variant::array(const std::vector<std::vector<Variant>>& rows)
{
  std::size_t columns = 0;
  for (const std::vector<Variant>& row : rows)
    columns = std::max(columns, row.size());
  SAFEARRAYBOUND bounds[2] = {{ULONG(rows.size()), 1}, {ULONG(columns), 1}};
  Variant made;
  made.value.vt = VT_ARRAY | VT_VARIANT;
  made.value.parray = SafeArrayCreate(VT_VARIANT, 2, bounds);
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column) {
      LONG place[2] = {LONG(row + 1), LONG(column + 1)};
      SafeArrayPutElement(made.value.parray, place, const_cast<VARIANT*>(&rows[row][column].value));
    }
  return made;
}

std::wstring Variant::text() const
{
  if (value.vt != VT_BSTR || !value.bstrVal)
    return std::wstring();
  return std::wstring(value.bstrVal, SysStringLen(value.bstrVal));
}

Dispatch::Dispatch(const Dispatch& other) : object_(other.object_)
{
  if (object_)
    object_->AddRef();
}

Dispatch& Dispatch::operator=(const Dispatch& other)
{
  if (other.object_)
    other.object_->AddRef();
  reset();
  object_ = other.object_;
  return *this;
}

Dispatch::~Dispatch()
{
  reset();
}

void Dispatch::reset()
{
  if (object_)
    object_->Release();
  object_ = nullptr;
}

Dispatch Dispatch::create(const wchar_t* progid, HRESULT& code)
{
  CLSID clsid;
  code = CLSIDFromProgID(progid, &clsid);
  if (FAILED(code))
    return Dispatch();
  IDispatch* object = nullptr;
  CallTimeLimit limit((std::wstring(L"activation of ") + progid).c_str(), kActivationLimitMilliseconds);
  code = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object));
  return Dispatch(SUCCEEDED(code) ? object : nullptr);
}

CallOutcome Dispatch::invoke(DISPID id, WORD flags, std::vector<Variant> arguments, bool put) const
{
  CallOutcome outcome;
  if (!object_)
    return outcome;
  // DISPPARAMS holds the arguments last first.
  std::reverse(arguments.begin(), arguments.end());
  std::vector<VARIANT> values;
  for (const Variant& argument : arguments)
    values.push_back(argument.value);
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS params = {values.data(), put ? &put_id : nullptr, UINT(values.size()), put ? 1u : 0u};
  EXCEPINFO exception = {};
  CallTimeLimit limit(L"a call into the server", kCallLimitMilliseconds);
  outcome.code = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &outcome.value.value,
                                 &exception, &outcome.argument_error);
  if (outcome.code == DISP_E_EXCEPTION && exception.bstrDescription)
    outcome.description = exception.bstrDescription;
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return outcome;
}

CallOutcome Dispatch::call(DISPID id, const std::vector<Variant>& arguments) const
{
  return invoke(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments, false);
}

CallOutcome Dispatch::put(DISPID id, const Variant& value, const std::vector<Variant>& arguments) const
{
  std::vector<Variant> all = arguments;
  all.push_back(value);
  return invoke(id, DISPATCH_PROPERTYPUT, all, true);
}

Dispatch Dispatch::object(DISPID id, const std::vector<Variant>& arguments) const
{
  CallOutcome outcome = call(id, arguments);
  if (FAILED(outcome.code) || outcome.value.value.vt != VT_DISPATCH || !outcome.value.value.pdispVal)
    return Dispatch();
  outcome.value.value.pdispVal->AddRef();
  return Dispatch(outcome.value.value.pdispVal);
}

HRESULT Dispatch::id_of(const wchar_t* name, DISPID& id) const
{
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

Variant array_element(const VARIANT& array, long row, long column)
{
  Variant element;
  LONG place[2] = {row, column};
  if (array.vt == (VT_ARRAY | VT_VARIANT))
    SafeArrayGetElement(array.parray, place, &element.value);
  return element;
}

bool array_size(const VARIANT& array, long& rows, long& columns)
{
  if (array.vt != (VT_ARRAY | VT_VARIANT) || SafeArrayGetDim(array.parray) != 2)
    return false;
  LONG low = 0, high = 0;
  SafeArrayGetLBound(array.parray, 1, &low);
  SafeArrayGetUBound(array.parray, 1, &high);
  rows = high - low + 1;
  SafeArrayGetLBound(array.parray, 2, &low);
  SafeArrayGetUBound(array.parray, 2, &high);
  columns = high - low + 1;
  return true;
}
