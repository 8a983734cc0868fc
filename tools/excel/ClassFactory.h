#pragma once
#include <windows.h>
#include <unknwn.h>

// Makes the application object for a client. It lives as long as the
// server, so it counts no references.
class ClassFactory : public IClassFactory {
public:
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  STDMETHODIMP LockServer(BOOL lock) override;
};
