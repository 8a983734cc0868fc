#include "TestAutomationObject.h"

TestAutomationObject::TestAutomationObject()
{
    name = ::SysAllocString(L"first");
}

TestAutomationObject::~TestAutomationObject()
{
    ClearRecord();
    ::SysFreeString(name);
}

HRESULT TestAutomationObject::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDispatch)
    {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG TestAutomationObject::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

ULONG TestAutomationObject::Release()
{
    LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

HRESULT TestAutomationObject::GetTypeInfoCount(UINT* pctinfo)
{
    *pctinfo = 0;
    return S_OK;
}

HRESULT TestAutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT TestAutomationObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

void TestAutomationObject::ClearRecord()
{
    for (VARIANT& arg : recordedArgs)
        ::VariantClear(&arg);
    recordedArgs.clear();
    recordedNamedArgs.clear();
}

void TestAutomationObject::Record(WORD wFlags, const DISPPARAMS* pDispParams)
{
    ClearRecord();
    recordedFlags = wFlags;
    for (UINT i = pDispParams->cArgs; i-- > 0;)
    {
        VARIANT copy;
        ::VariantInit(&copy);
        ::VariantCopy(&copy, &pDispParams->rgvarg[i]);
        recordedArgs.push_back(copy);
    }
    recordedNamedArgs.assign(pDispParams->rgdispidNamedArgs,
                             pDispParams->rgdispidNamedArgs + pDispParams->cNamedArgs);
}

HRESULT TestAutomationObject::MakeValues(VARIANT* pResult)
{
    SAFEARRAYBOUND bounds[2] = {{2, 1}, {2, 1}};
    SAFEARRAY* pArray = ::SafeArrayCreate(VT_VARIANT, 2, bounds);
    const struct
    {
        LONG row, column;
        const wchar_t* text;
        double number;
    } cells[] = {{1, 1, L"*block", 0}, {1, 2, nullptr, 42}, {2, 1, L"field", 0}, {2, 2, nullptr, 7.5}};
    for (const auto& cell : cells)
    {
        VARIANT value;
        ::VariantInit(&value);
        if (cell.text != nullptr)
        {
            value.vt = VT_BSTR;
            value.bstrVal = ::SysAllocString(cell.text);
        }
        else
        {
            value.vt = VT_R8;
            value.dblVal = cell.number;
        }
        LONG indexes[2] = {cell.row, cell.column};
        ::SafeArrayPutElement(pArray, indexes, &value);
        ::VariantClear(&value);
    }
    pResult->vt = VT_ARRAY | VT_VARIANT;
    pResult->parray = pArray;
    return S_OK;
}

HRESULT TestAutomationObject::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    switch (dispIdMember)
    {
    case dispidAdd:
    {
        if (pDispParams->cArgs != 2)
            return DISP_E_BADPARAMCOUNT;
        VARIANT a, b;
        ::VariantInit(&a);
        ::VariantInit(&b);
        if (FAILED(::VariantChangeType(&a, &pDispParams->rgvarg[1], 0, VT_I4)) ||
            FAILED(::VariantChangeType(&b, &pDispParams->rgvarg[0], 0, VT_I4)))
        {
            *puArgErr = 0;
            return DISP_E_TYPEMISMATCH;
        }
        if (pVarResult != nullptr)
        {
            pVarResult->vt = VT_I4;
            pVarResult->lVal = a.lVal + b.lVal;
        }
        return S_OK;
    }
    case dispidName:
        if ((wFlags & DISPATCH_PROPERTYPUT) != 0)
        {
            Record(wFlags, pDispParams);
            if (pDispParams->cArgs != 1 || pDispParams->rgvarg[0].vt != VT_BSTR)
                return DISP_E_TYPEMISMATCH;
            ::SysFreeString(name);
            name = ::SysAllocString(pDispParams->rgvarg[0].bstrVal);
            return S_OK;
        }
        if (pVarResult != nullptr)
        {
            pVarResult->vt = VT_BSTR;
            pVarResult->bstrVal = ::SysAllocString(name);
        }
        return S_OK;
    case dispidRecord:
        Record(wFlags, pDispParams);
        return S_OK;
    case dispidFail:
        pExcepInfo->wCode = 1004;
        pExcepInfo->scode = E_FAIL;
        pExcepInfo->bstrSource = ::SysAllocString(L"TestAutomationObject");
        pExcepInfo->bstrDescription = ::SysAllocString(L"Sheet \"Program\" not found");
        return DISP_E_EXCEPTION;
    case dispidValues:
        return pVarResult != nullptr ? MakeValues(pVarResult) : S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}
