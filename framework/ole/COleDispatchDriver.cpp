#include "ole/COleDispatchDriver.h"

#include "ole/COleDispatchException.h"
#include "ole/COleException.h"
#include "strings/CString.h"

#include <cstring>
#include <vector>

namespace {

// A reference argument's code carries this bit over its VARTYPE.
const BYTE kByReferenceCode = 0x40;
// VTS_WBSTR's code: an argument given as a wide string.
const BYTE kWideStringCode = VT_LPWSTR;

// The arguments of one call in call order, with the BSTRs made for them.
class ArgumentList
{
public:
    ~ArgumentList()
    {
        for (BSTR bstr : m_ownedStrings)
            ::SysFreeString(bstr);
    }

    void Read(const BYTE* pbParamInfo, va_list& argList)
    {
        for (const BYTE* pCode = pbParamInfo; pCode != nullptr && *pCode != 0; pCode++)
            m_args.push_back(ReadOne(*pCode, argList));
    }

    // DISPPARAMS wants the last argument first.
    VARIANT* Reversed()
    {
        m_reversed.assign(m_args.rbegin(), m_args.rend());
        return m_reversed.empty() ? nullptr : m_reversed.data();
    }

    UINT Count() const { return static_cast<UINT>(m_args.size()); }

private:
    VARIANT ReadOne(BYTE code, va_list& argList)
    {
        VARIANT arg;
        ::VariantInit(&arg);
        if ((code & kByReferenceCode) != 0)
        {
            arg.vt = static_cast<VARTYPE>(VT_BYREF | (code & ~kByReferenceCode));
            arg.byref = va_arg(argList, void*);
            return arg;
        }
        arg.vt = code;
        switch (code)
        {
        case VT_UI1:
            arg.bVal = static_cast<BYTE>(va_arg(argList, int));
            break;
        case VT_I1:
            arg.cVal = static_cast<CHAR>(va_arg(argList, int));
            break;
        case VT_I2:
            arg.iVal = static_cast<SHORT>(va_arg(argList, int));
            break;
        case VT_UI2:
            arg.uiVal = static_cast<USHORT>(va_arg(argList, int));
            break;
        case VT_I4:
            arg.lVal = va_arg(argList, long);
            break;
        case VT_UI4:
            arg.ulVal = va_arg(argList, unsigned long);
            break;
        case VT_INT:
            arg.intVal = va_arg(argList, int);
            break;
        case VT_UINT:
            arg.uintVal = va_arg(argList, unsigned int);
            break;
        case VT_I8:
            arg.llVal = va_arg(argList, LONGLONG);
            break;
        case VT_UI8:
            arg.ullVal = va_arg(argList, ULONGLONG);
            break;
        case VT_R4:
            arg.fltVal = static_cast<float>(va_arg(argList, double));
            break;
        case VT_R8:
            arg.dblVal = va_arg(argList, double);
            break;
        case VT_DATE:
            arg.date = va_arg(argList, double);
            break;
        case VT_CY:
            arg.cyVal = va_arg(argList, CY);
            break;
        case VT_BOOL:
            arg.boolVal = va_arg(argList, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case VT_ERROR:
            arg.scode = va_arg(argList, SCODE);
            break;
        case VT_BSTR:
            arg.bstrVal = Own(CString(va_arg(argList, LPCTSTR)).AllocSysString());
            break;
        case kWideStringCode:
            arg.vt = VT_BSTR;
            arg.bstrVal = Own(::SysAllocString(va_arg(argList, LPCOLESTR)));
            break;
        case VT_DISPATCH:
            arg.pdispVal = va_arg(argList, LPDISPATCH);
            break;
        case VT_UNKNOWN:
            arg.punkVal = va_arg(argList, LPUNKNOWN);
            break;
        case VT_VARIANT:
            if (const VARIANT* pValue = va_arg(argList, const VARIANT*))
            {
                arg = *pValue;
            }
            else
            {
                arg.vt = VT_ERROR;
                arg.scode = DISP_E_PARAMNOTFOUND;
            }
            break;
        default:
            AfxThrowOleException(DISP_E_BADVARTYPE);
        }
        return arg;
    }

    BSTR Own(BSTR bstr)
    {
        m_ownedStrings.push_back(bstr);
        return bstr;
    }

    std::vector<VARIANT> m_args;
    std::vector<VARIANT> m_reversed;
    std::vector<BSTR> m_ownedStrings;
};

// Clears a VARIANT when the call's scope ends, whatever way it ends.
struct VariantGuard
{
    VARIANT value;
    VariantGuard() { ::VariantInit(&value); }
    ~VariantGuard() { ::VariantClear(&value); }
};

CString TakeBstr(BSTR& bstr)
{
    CString text(bstr, static_cast<int>(::SysStringLen(bstr)));
    ::SysFreeString(bstr);
    bstr = nullptr;
    return text;
}

[[noreturn]] void ThrowDispatchException(EXCEPINFO& info)
{
    if (info.pfnDeferredFillIn != nullptr)
        info.pfnDeferredFillIn(&info);
    COleDispatchException* pException = new COleDispatchException(nullptr, info.dwHelpContext, info.wCode);
    pException->m_scError = info.scode != 0 ? info.scode : DISP_E_EXCEPTION;
    pException->m_strSource = TakeBstr(info.bstrSource);
    pException->m_strDescription = TakeBstr(info.bstrDescription);
    pException->m_strHelpFile = TakeBstr(info.bstrHelpFile);
    throw pException;
}

// Moves the result into the caller's storage of the type vtRet.
void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    switch (vtRet)
    {
    case VT_UI1:
        *static_cast<BYTE*>(pvRet) = result.bVal;
        break;
    case VT_I2:
        *static_cast<short*>(pvRet) = result.iVal;
        break;
    case VT_I4:
        *static_cast<long*>(pvRet) = result.lVal;
        break;
    case VT_UI4:
        *static_cast<ULONG*>(pvRet) = result.ulVal;
        break;
    case VT_I8:
        *static_cast<LONGLONG*>(pvRet) = result.llVal;
        break;
    case VT_UI8:
        *static_cast<ULONGLONG*>(pvRet) = result.ullVal;
        break;
    case VT_R4:
        *static_cast<float*>(pvRet) = result.fltVal;
        break;
    case VT_R8:
        *static_cast<double*>(pvRet) = result.dblVal;
        break;
    case VT_DATE:
        *static_cast<double*>(pvRet) = result.date;
        break;
    case VT_CY:
        *static_cast<CY*>(pvRet) = result.cyVal;
        break;
    case VT_BOOL:
        *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE;
        break;
    case VT_ERROR:
        *static_cast<SCODE*>(pvRet) = result.scode;
        break;
    case VT_BSTR:
        *static_cast<CString*>(pvRet) = TakeBstr(result.bstrVal);
        result.vt = VT_EMPTY;
        break;
    case VT_DISPATCH:
        *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal;
        result.vt = VT_EMPTY;
        break;
    case VT_UNKNOWN:
        *static_cast<LPUNKNOWN*>(pvRet) = result.punkVal;
        result.vt = VT_EMPTY;
        break;
    case VT_VARIANT:
        std::memcpy(pvRet, &result, sizeof(VARIANT));
        result.vt = VT_EMPTY;
        break;
    default:
        AfxThrowOleException(DISP_E_BADVARTYPE);
    }
}

} // namespace

COleDispatchDriver::COleDispatchDriver()
    : m_lpDispatch(nullptr), m_bAutoRelease(TRUE)
{
}

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& dispatchSrc)
    : m_lpDispatch(dispatchSrc.m_lpDispatch), m_bAutoRelease(TRUE)
{
    if (m_lpDispatch != nullptr)
        m_lpDispatch->AddRef();
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& dispatchSrc)
{
    if (this != &dispatchSrc)
    {
        if (dispatchSrc.m_lpDispatch != nullptr)
            dispatchSrc.m_lpDispatch->AddRef();
        ReleaseDispatch();
        m_lpDispatch = dispatchSrc.m_lpDispatch;
        m_bAutoRelease = TRUE;
    }
    return *this;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    ReleaseDispatch();
    LPUNKNOWN lpUnknown = nullptr;
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                    IID_IUnknown, reinterpret_cast<void**>(&lpUnknown));
    if (SUCCEEDED(hr))
    {
        // A local server may still be starting up.
        hr = ::OleRun(lpUnknown);
        if (SUCCEEDED(hr))
            hr = lpUnknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_lpDispatch));
        lpUnknown->Release();
    }
    if (FAILED(hr))
    {
        m_lpDispatch = nullptr;
        if (pError != nullptr)
            pError->m_sc = hr;
        return FALSE;
    }
    m_bAutoRelease = TRUE;
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR lpszProgID, COleException* pError)
{
    BSTR progId = CString(lpszProgID).AllocSysString();
    CLSID clsid;
    HRESULT hr = ::CLSIDFromProgID(progId, &clsid);
    ::SysFreeString(progId);
    if (FAILED(hr))
    {
        if (pError != nullptr)
            pError->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH lpDispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return lpDispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch != nullptr && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

void COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                      const BYTE* pbParamInfo, ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    try
    {
        InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
    }
    catch (...)
    {
        va_end(argList);
        throw;
    }
    va_end(argList);
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList)
{
    if (m_lpDispatch == nullptr)
        AfxThrowOleException(E_POINTER);

    ArgumentList args;
    args.Read(pbParamInfo, argList);

    DISPPARAMS dispParams = {};
    dispParams.rgvarg = args.Reversed();
    dispParams.cArgs = args.Count();
    DISPID dispIdNamed = DISPID_PROPERTYPUT;
    if ((wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0)
    {
        // The value is the last argument, named as the put value.
        dispParams.cNamedArgs = 1;
        dispParams.rgdispidNamedArgs = &dispIdNamed;
    }

    VariantGuard result;
    EXCEPINFO excepInfo = {};
    UINT nArgErr = 0;
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &dispParams,
                                      vtRet == VT_EMPTY ? nullptr : &result.value, &excepInfo, &nArgErr);
    if (hr == DISP_E_EXCEPTION)
        ThrowDispatchException(excepInfo);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    if (vtRet == VT_EMPTY)
        return;

    if (vtRet != VT_VARIANT && result.value.vt != vtRet)
    {
        hr = ::VariantChangeType(&result.value, &result.value, 0, vtRet);
        if (FAILED(hr))
            AfxThrowOleException(hr);
    }
    StoreResult(result.value, vtRet, pvRet);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}

void COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    const BYTE paramInfo[2] = {static_cast<BYTE>(vtProp), 0};
    va_list argList;
    va_start(argList, vtProp);
    try
    {
        InvokeHelperV(dwDispID, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, paramInfo, argList);
    }
    catch (...)
    {
        va_end(argList);
        throw;
    }
    va_end(argList);
}
