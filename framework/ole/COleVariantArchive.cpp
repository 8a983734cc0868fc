#include "ole/COleVariant.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <utility>

CArchive& operator<<(CArchive& ar, const COleVariant& varSrc)
{
    switch (varSrc.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return ar << static_cast<WORD>(varSrc.vt);
    case VT_BOOL:
    case VT_I2:
    case VT_UI2:
        return ar << static_cast<WORD>(varSrc.vt) << static_cast<WORD>(varSrc.uiVal);
    case VT_UI1:
    case VT_I1:
        return ar << static_cast<WORD>(varSrc.vt) << varSrc.bVal;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        return ar << static_cast<WORD>(varSrc.vt) << static_cast<DWORD>(varSrc.ulVal);
    case VT_R4:
        return ar << static_cast<WORD>(varSrc.vt) << varSrc.fltVal;
    case VT_R8:
    case VT_DATE:
        return ar << static_cast<WORD>(varSrc.vt) << varSrc.dblVal;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        return ar << static_cast<WORD>(varSrc.vt) << varSrc.llVal;
    case VT_BSTR:
    {
        CString text(varSrc.bstrVal, static_cast<int>(::SysStringLen(varSrc.bstrVal)));
        return ar << static_cast<WORD>(varSrc.vt) << text;
    }
    default:
        AfxThrowNotSupportedException();
    }
}

CArchive& operator>>(CArchive& ar, COleVariant& varSrc)
{
    WORD wType = 0;
    ar >> wType;
    COleVariant value;
    switch (wType)
    {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL:
    case VT_I2:
    case VT_UI2:
    {
        WORD w = 0;
        ar >> w;
        value.uiVal = w;
        break;
    }
    case VT_UI1:
    case VT_I1:
        ar >> value.bVal;
        break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
    {
        DWORD dw = 0;
        ar >> dw;
        value.ulVal = dw;
        break;
    }
    case VT_R4:
        ar >> value.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        ar >> value.dblVal;
        break;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        ar >> value.llVal;
        break;
    case VT_BSTR:
    {
        CString text;
        ar >> text;
        value.bstrVal = text.AllocSysString();
        break;
    }
    default:
        AfxThrowArchiveException(CArchiveException::badIndex);
    }
    value.vt = wType;
    varSrc = std::move(value);
    return ar;
}
