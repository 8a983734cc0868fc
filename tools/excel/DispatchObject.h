#pragma once
#include "DispatchArguments.h"
#include <windows.h>
#include <oleauto.h>

// A member of an automation object: its name and dispatch id.
struct DispatchMember {
  const wchar_t* name;
  DISPID id;
};

// The base of this server's automation objects: IDispatch by hand, without
// type information. Names map to dispatch ids through the object's member
// table; Invoke hands the call to invoke_member, which reports failures by
// throwing AutomationError or ArgumentError. Every object holds the server
// process alive while it exists.
class DispatchObject : public IDispatch {
public:
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argument_error) override;

protected:
  template <std::size_t count>
  explicit DispatchObject(const DispatchMember (&members)[count]) : DispatchObject(members, count)
  {
  }
  virtual ~DispatchObject();

  // Carries out member id: a property put when put is set, otherwise a
  // method call or property get (callers may ask for either or both), whose
  // outcome goes into result, an empty VARIANT.
  virtual void invoke_member(DISPID id, bool put, const DispatchArguments& arguments, VARIANT& result) = 0;

private:
  DispatchObject(const DispatchMember* members, std::size_t count);
  const DispatchMember* find_member(DISPID id) const;

  const DispatchMember* members_;
  std::size_t member_count_;
  LONG references_ = 1;
};

// result holds object, whose first reference it takes over.
void set_object(VARIANT& result, DispatchObject* object);
// Refuses a call that member does not answer.
[[noreturn]] void refuse_call();
