#include "ClassFactory.h"
#include "ApplicationObject.h"
#include "ServerLifetime.h"
#include <new>

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** object)
{
  if (!object)
    return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IClassFactory) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  return S_OK;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (outer)
    return CLASS_E_NOAGGREGATION;
  ApplicationObject* application = new (std::nothrow) ApplicationObject();
  if (!application)
    return E_OUTOFMEMORY;
  HRESULT outcome = application->QueryInterface(iid, object);
  application->Release();
  return outcome;
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock)
{
  if (lock)
    ServerLifetime::object_created();
  else
    ServerLifetime::object_destroyed();
  return S_OK;
}
