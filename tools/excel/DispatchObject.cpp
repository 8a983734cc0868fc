#include "DispatchObject.h"
#include "AutomationError.h"
#include "ServerLifetime.h"
#include "ServerRegistration.h"
#include <new>

namespace {

// The scode of the exceptions this server reports.
constexpr SCODE kExceptionCode = E_FAIL;

void fill_exception(EXCEPINFO* exception, const std::wstring& text)
{
  if (!exception)
    return;
  *exception = EXCEPINFO();
  exception->bstrSource = SysAllocString(kServerProgId);
  exception->bstrDescription = SysAllocStringLen(text.data(), UINT(text.size()));
  exception->scode = kExceptionCode;
}

}

DispatchObject::DispatchObject(const DispatchMember* members, std::size_t count)
  : members_(members), member_count_(count)
{
  ServerLifetime::object_created();
}

DispatchObject::~DispatchObject()
{
  ServerLifetime::object_destroyed();
}

STDMETHODIMP DispatchObject::QueryInterface(REFIID iid, void** object)
{
  if (!object)
    return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDispatch) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) DispatchObject::AddRef()
{
  return ULONG(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) DispatchObject::Release()
{
  LONG left = InterlockedDecrement(&references_);
  if (left == 0)
    delete this;
  return ULONG(left);
}

STDMETHODIMP DispatchObject::GetTypeInfoCount(UINT* count)
{
  if (!count)
    return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
  if (info)
    *info = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP DispatchObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
  if (iid != IID_NULL)
    return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids)
    return E_POINTER;
  // Named arguments are not supported: every name after the member's is unknown.
  HRESULT outcome = count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
  for (UINT i = 0; i < count; ++i)
    ids[i] = DISPID_UNKNOWN;
  if (count == 0)
    return outcome;
  for (std::size_t i = 0; i < member_count_; ++i)
    if (names[0] && lstrcmpiW(names[0], members_[i].name) == 0) {
      ids[0] = members_[i].id;
      return outcome;
    }
  return DISP_E_UNKNOWNNAME;
}

const DispatchMember* DispatchObject::find_member(DISPID id) const
{
  for (std::size_t i = 0; i < member_count_; ++i)
    if (members_[i].id == id)
      return &members_[i];
  return nullptr;
}

STDMETHODIMP DispatchObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* exception, UINT* argument_error)
{
  if (iid != IID_NULL)
    return DISP_E_UNKNOWNINTERFACE;
  if (!params)
    return E_POINTER;
  if (!find_member(id))
    return DISP_E_MEMBERNOTFOUND;
  bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  if (put ? params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || params->cArgs < 1
          : params->cNamedArgs != 0)
    return DISP_E_NONAMEDARGS;
  if (!put && !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)))
    return DISP_E_MEMBERNOTFOUND;

  VARIANT outcome;
  VariantInit(&outcome);
  try {
    invoke_member(id, put, DispatchArguments(*params, put), outcome);
  } catch (const AutomationError& error) {
    VariantClear(&outcome);
    fill_exception(exception, error.text);
    return DISP_E_EXCEPTION;
  } catch (const ArgumentError& error) {
    VariantClear(&outcome);
    // The caller learns which argument only for the codes that name one.
    bool names_argument = error.code == DISP_E_TYPEMISMATCH || error.code == DISP_E_PARAMNOTFOUND;
    if (argument_error && names_argument)
      *argument_error = params->cArgs - 1 - error.position;
    return error.code;
  } catch (const std::bad_alloc&) {
    VariantClear(&outcome);
    return E_OUTOFMEMORY;
  }
  if (result)
    *result = outcome;
  else
    VariantClear(&outcome);
  return S_OK;
}

void set_object(VARIANT& result, DispatchObject* object)
{
  result.vt = VT_DISPATCH;
  result.pdispVal = object;
}

void refuse_call()
{
  throw ArgumentError(DISP_E_MEMBERNOTFOUND, 0);
}
