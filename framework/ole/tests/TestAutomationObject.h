#pragma once

#include <ole2.h>

#include <vector>

// A small automation object of the tests' own:
//   1 Add(a, b)          method, the sum of two longs
//   2 Name               property, a string
//   3 Record(...)        method, keeps what it was called with
//   4 Fail()             method, raises an error with a description
//   5 Values             property, a 2 x 2 array of VARIANTs indexed from 1
// Any other id is not a member.
class TestAutomationObject : public IDispatch
{
public:
    enum : DISPID
    {
        dispidAdd = 1,
        dispidName = 2,
        dispidRecord = 3,
        dispidFail = 4,
        dispidValues = 5,
    };

    TestAutomationObject();
    virtual ~TestAutomationObject();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    LONG RefCount() const { return m_refs; }

    // What the last call of Record (or the last put of Name) received, in
    // call order.
    std::vector<VARIANT> recordedArgs;
    WORD recordedFlags = 0;
    std::vector<DISPID> recordedNamedArgs;

    BSTR name = nullptr;

private:
    void Record(WORD wFlags, const DISPPARAMS* pDispParams);
    void ClearRecord();
    static HRESULT MakeValues(VARIANT* pResult);

    LONG m_refs = 1;
};
