#include "core/Platform.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <string>

namespace {

// A BSTR is preceded by its length in bytes and followed by a terminator.
BSTR AllocBstr(UINT cch)
{
    void* block = std::malloc(sizeof(DWORD) + (static_cast<size_t>(cch) + 1) * sizeof(OLECHAR));
    if (block == nullptr)
        return nullptr;
    *static_cast<DWORD*>(block) = static_cast<DWORD>(cch * sizeof(OLECHAR));
    BSTR bstr = reinterpret_cast<BSTR>(static_cast<DWORD*>(block) + 1);
    bstr[cch] = 0;
    return bstr;
}

void* BlockOf(BSTR bstr)
{
    return reinterpret_cast<DWORD*>(bstr) - 1;
}

// The value of a numeric, boolean or empty variant, or false.
bool NumberOf(const VARIANT& var, double& value)
{
    switch (var.vt)
    {
    case VT_EMPTY: value = 0; return true;
    case VT_I2: value = var.iVal; return true;
    case VT_I4: case VT_INT: value = var.lVal; return true;
    case VT_UI1: value = var.bVal; return true;
    case VT_I1: value = var.cVal; return true;
    case VT_UI2: value = var.uiVal; return true;
    case VT_UI4: case VT_UINT: value = var.ulVal; return true;
    case VT_I8: value = static_cast<double>(var.llVal); return true;
    case VT_UI8: value = static_cast<double>(var.ullVal); return true;
    case VT_R4: value = var.fltVal; return true;
    case VT_R8: value = var.dblVal; return true;
    case VT_DATE: value = var.date; return true;
    case VT_BOOL: value = var.boolVal; return true;
    default: return false;
    }
}

bool ParseNumber(BSTR bstr, double& value)
{
    std::string text;
    for (UINT i = 0; i < SysStringLen(bstr); ++i)
    {
        if (bstr[i] >= 0x80)
            return false;
        text += static_cast<char>(bstr[i]);
    }
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    value = std::strtod(begin, &end);
    if (end == begin)
        return false;
    while (*end == ' ')
        ++end;
    return *end == '\0' && std::isfinite(value);
}

HRESULT TextOf(const VARIANT& var, std::string& text)
{
    char buffer[64];
    switch (var.vt)
    {
    case VT_EMPTY: text.clear(); return S_OK;
    case VT_BOOL: text = var.boolVal != 0 ? "True" : "False"; return S_OK;
    case VT_R4: std::snprintf(buffer, sizeof buffer, "%.7g", var.fltVal); break;
    case VT_R8: case VT_DATE: std::snprintf(buffer, sizeof buffer, "%.15g", var.dblVal); break;
    default:
    {
        double value;
        if (!NumberOf(var, value))
            return DISP_E_TYPEMISMATCH;
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        break;
    }
    }
    text = buffer;
    return S_OK;
}

// Integers are rounded half to even, as the system's conversions round.
HRESULT ToInteger(double value, double lowest, double highest, LONGLONG& result)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= lowest && rounded <= highest))
        return DISP_E_OVERFLOW;
    result = static_cast<LONGLONG>(rounded);
    return S_OK;
}

} // namespace

BSTR SysAllocStringLen(const OLECHAR* pch, UINT cch)
{
    BSTR bstr = AllocBstr(cch);
    if (bstr != nullptr && pch != nullptr)
        std::memcpy(bstr, pch, cch * sizeof(OLECHAR));
    return bstr;
}

BSTR SysAllocString(const OLECHAR* psz)
{
    if (psz == nullptr)
        return nullptr;
    return SysAllocStringLen(psz, static_cast<UINT>(std::char_traits<OLECHAR>::length(psz)));
}

BOOL SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT cch)
{
    BSTR bstr = SysAllocStringLen(psz, cch);
    if (bstr == nullptr)
        return FALSE;
    SysFreeString(*pbstr);
    *pbstr = bstr;
    return TRUE;
}

void SysFreeString(BSTR bstr)
{
    if (bstr != nullptr)
        std::free(BlockOf(bstr));
}

UINT SysStringLen(BSTR bstr)
{
    return bstr != nullptr ? static_cast<UINT>(*static_cast<DWORD*>(BlockOf(bstr)) / sizeof(OLECHAR)) : 0;
}

void VariantInit(VARIANT* pvarg)
{
    std::memset(pvarg, 0, sizeof(VARIANT));
}

HRESULT VariantClear(VARIANT* pvarg)
{
    if (pvarg->vt == VT_BSTR)
        SysFreeString(pvarg->bstrVal);
    else if ((pvarg->vt & (VT_ARRAY | VT_BYREF)) == 0 && (pvarg->vt == VT_DISPATCH || pvarg->vt == VT_UNKNOWN))
        return DISP_E_BADVARTYPE;
    VariantInit(pvarg);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc)
{
    if (pvargDest == pvargSrc)
        return S_OK;
    if (pvargSrc->vt == VT_DISPATCH || pvargSrc->vt == VT_UNKNOWN || (pvargSrc->vt & VT_ARRAY) != 0)
        return DISP_E_BADVARTYPE;
    VARIANT copy = *pvargSrc;
    if (pvargSrc->vt == VT_BSTR && pvargSrc->bstrVal != nullptr)
    {
        copy.bstrVal = SysAllocStringLen(pvargSrc->bstrVal, SysStringLen(pvargSrc->bstrVal));
        if (copy.bstrVal == nullptr)
            return E_OUTOFMEMORY;
    }
    const HRESULT hr = VariantClear(pvargDest);
    if (FAILED(hr))
    {
        if (copy.vt == VT_BSTR)
            SysFreeString(copy.bstrVal);
        return hr;
    }
    *pvargDest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, USHORT, VARTYPE vt)
{
    if (pvarSrc->vt == vt)
        return VariantCopy(pvargDest, pvarSrc);
    VARIANT result;
    VariantInit(&result);
    result.vt = vt;
    double value = 0;
    const bool bNumber = pvarSrc->vt == VT_BSTR ? ParseNumber(pvarSrc->bstrVal, value) : NumberOf(*pvarSrc, value);
    switch (vt)
    {
    case VT_BSTR:
    {
        std::string text;
        const HRESULT hr = TextOf(*pvarSrc, text);
        if (FAILED(hr))
            return hr;
        result.bstrVal = AllocBstr(static_cast<UINT>(text.size()));
        if (result.bstrVal == nullptr)
            return E_OUTOFMEMORY;
        for (size_t i = 0; i < text.size(); ++i)
            result.bstrVal[i] = static_cast<unsigned char>(text[i]);
        break;
    }
    case VT_BOOL:
        if (!bNumber)
            return DISP_E_TYPEMISMATCH;
        result.boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_R8:
    case VT_DATE:
        if (!bNumber)
            return DISP_E_TYPEMISMATCH;
        result.dblVal = value;
        break;
    case VT_R4:
        if (!bNumber)
            return DISP_E_TYPEMISMATCH;
        if (std::fabs(value) > std::numeric_limits<float>::max())
            return DISP_E_OVERFLOW;
        result.fltVal = static_cast<float>(value);
        break;
    case VT_I2:
    case VT_I4:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UINT:
    {
        if (!bNumber)
            return DISP_E_TYPEMISMATCH;
        const bool bSigned = vt == VT_I2 || vt == VT_I4 || vt == VT_INT;
        const double lowest = vt == VT_I2 ? -32768.0 : bSigned ? -2147483648.0 : 0.0;
        const double highest = vt == VT_I2 ? 32767.0 : vt == VT_UI1 ? 255.0 : vt == VT_UI2 ? 65535.0
                             : bSigned ? 2147483647.0 : 4294967295.0;
        LONGLONG integer = 0;
        const HRESULT hr = ToInteger(value, lowest, highest, integer);
        if (FAILED(hr))
            return hr;
        if (vt == VT_I2)
            result.iVal = static_cast<SHORT>(integer);
        else if (vt == VT_UI1)
            result.bVal = static_cast<BYTE>(integer);
        else if (vt == VT_UI2)
            result.uiVal = static_cast<USHORT>(integer);
        else if (bSigned)
            result.lVal = static_cast<LONG>(integer);
        else
            result.ulVal = static_cast<ULONG>(integer);
        break;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
    VariantClear(pvargDest);
    *pvargDest = result;
    return S_OK;
}
