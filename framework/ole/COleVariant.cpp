#include "ole/COleVariant.h"

#include "core/CException.h"
#include "ole/COleException.h"

#include <cstring>

namespace {

void CheckResult(HRESULT hr)
{
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

BSTR AllocBstr(LPCTSTR lpsz)
{
    BSTR bstr = CString(lpsz).AllocSysString();
    if (bstr == nullptr)
        AfxThrowMemoryException();
    return bstr;
}

bool EqualBstr(BSTR left, BSTR right)
{
    UINT nLength = ::SysStringLen(left);
    return nLength == ::SysStringLen(right) &&
           (nLength == 0 || std::memcmp(left, right, nLength * sizeof(OLECHAR)) == 0);
}

} // namespace

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    CheckResult(::VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
}

COleVariant::COleVariant(LPCVARIANT pSrc)
{
    ::VariantInit(this);
    CheckResult(::VariantCopy(this, const_cast<VARIANT*>(pSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(COleVariant&& varSrc) noexcept
{
    ::VariantInit(this);
    Attach(varSrc);
}

COleVariant::COleVariant(LPCTSTR lpszSrc)
{
    vt = VT_BSTR;
    bstrVal = AllocBstr(lpszSrc);
}

COleVariant::COleVariant(const CString& strSrc)
    : COleVariant(static_cast<LPCTSTR>(strSrc))
{
}

COleVariant::COleVariant(BYTE nSrc)
{
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = nSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else
    {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = lSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else if (vtSrc == VT_ERROR)
    {
        vt = VT_ERROR;
        scode = static_cast<SCODE>(lSrc);
    }
    else
    {
        vt = VT_I4;
        lVal = static_cast<LONG>(lSrc);
    }
}

COleVariant::COleVariant(int nSrc, VARTYPE vtSrc)
    : COleVariant(static_cast<long>(nSrc), vtSrc)
{
}

COleVariant::COleVariant(float fltSrc)
{
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc, VARTYPE vtSrc)
{
    if (vtSrc == VT_DATE)
    {
        vt = VT_DATE;
        date = dblSrc;
    }
    else
    {
        vt = VT_R8;
        dblVal = dblSrc;
    }
}

COleVariant::COleVariant(LONGLONG nSrc)
{
    vt = VT_I8;
    llVal = nSrc;
}

COleVariant::COleVariant(ULONGLONG nSrc)
{
    vt = VT_UI8;
    ullVal = nSrc;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (static_cast<const VARIANT*>(this) != &varSrc)
        CheckResult(::VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
    return *this;
}

COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    return *this = *pSrc;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

COleVariant& COleVariant::operator=(COleVariant&& varSrc) noexcept
{
    if (this != &varSrc)
        Attach(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCTSTR lpszSrc)
{
    BSTR bstr = AllocBstr(lpszSrc);
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

COleVariant& COleVariant::operator=(const CString& strSrc)
{
    return *this = static_cast<LPCTSTR>(strSrc);
}

COleVariant& COleVariant::operator=(BYTE nSrc)
{
    return *this = COleVariant(nSrc);
}

COleVariant& COleVariant::operator=(short nSrc)
{
    return *this = COleVariant(nSrc);
}

COleVariant& COleVariant::operator=(long lSrc)
{
    return *this = COleVariant(lSrc);
}

COleVariant& COleVariant::operator=(int nSrc)
{
    return *this = COleVariant(nSrc);
}

COleVariant& COleVariant::operator=(float fltSrc)
{
    return *this = COleVariant(fltSrc);
}

COleVariant& COleVariant::operator=(double dblSrc)
{
    return *this = COleVariant(dblSrc);
}

COleVariant& COleVariant::operator=(LONGLONG nSrc)
{
    return *this = COleVariant(nSrc);
}

COleVariant& COleVariant::operator=(ULONGLONG nSrc)
{
    return *this = COleVariant(nSrc);
}

bool COleVariant::operator==(const VARIANT& varSrc) const
{
    if (static_cast<const VARIANT*>(this) == &varSrc)
        return true;
    if (vt != varSrc.vt)
        return false;
    if ((vt & (VT_ARRAY | VT_BYREF)) != 0)
        return byref == varSrc.byref;
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BOOL:
        return boolVal == varSrc.boolVal;
    case VT_UI1:
    case VT_I1:
        return bVal == varSrc.bVal;
    case VT_I2:
    case VT_UI2:
        return iVal == varSrc.iVal;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        return lVal == varSrc.lVal;
    case VT_R4:
        return fltVal == varSrc.fltVal;
    case VT_R8:
        return dblVal == varSrc.dblVal;
    case VT_DATE:
        return date == varSrc.date;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        return llVal == varSrc.llVal;
    case VT_BSTR:
        return EqualBstr(bstrVal, varSrc.bstrVal);
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return punkVal == varSrc.punkVal;
    case VT_DECIMAL:
        return std::memcmp(&decVal, &varSrc.decVal, sizeof(DECIMAL)) == 0;
    default:
        return false;
    }
}

bool COleVariant::operator==(LPCVARIANT pSrc) const
{
    return *this == *pSrc;
}

void COleVariant::Clear()
{
    CheckResult(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (pSrc == nullptr)
        pSrc = this;
    if (pSrc != this || vartype != vt)
        CheckResult(::VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    ::VariantClear(this);
    std::memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT result = *this;
    vt = VT_EMPTY;
    return result;
}
