#pragma once

// The automation types and functions (VARIANT, BSTR and their system
// functions) for the native build, laid out as the 32-bit Windows ABI lays
// them out. Conversions cover the scalar types, dates and strings; text
// forms of numbers and dates use the C locale.

typedef WCHAR OLECHAR;
typedef OLECHAR* BSTR;
typedef const OLECHAR* LPCOLESTR;
typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
typedef double DATE;
struct IUnknown;
struct IDispatch;

#define VARIANT_TRUE (static_cast<VARIANT_BOOL>(-1))
#define VARIANT_FALSE (static_cast<VARIANT_BOOL>(0))

#define S_OK (static_cast<HRESULT>(0L))
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define E_UNEXPECTED (static_cast<HRESULT>(0x8000FFFFL))
#define E_NOTIMPL (static_cast<HRESULT>(0x80004001L))
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
#define DISP_E_BADVARTYPE (static_cast<HRESULT>(0x80020008L))
#define DISP_E_OVERFLOW (static_cast<HRESULT>(0x8002000AL))
#define DISP_E_TYPEMISMATCH (static_cast<HRESULT>(0x80020005L))

enum VARENUM
{
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000
};

typedef struct tagDEC
{
    USHORT wReserved;
    BYTE scale;
    BYTE sign;
    ULONG Hi32;
    ULONGLONG Lo64;
} DECIMAL;

typedef struct tagVARIANT
{
    union
    {
        struct
        {
            VARTYPE vt;
            WORD wReserved1;
            WORD wReserved2;
            WORD wReserved3;
            union
            {
                LONGLONG llVal;
                LONG lVal;
                BYTE bVal;
                SHORT iVal;
                float fltVal;
                double dblVal;
                VARIANT_BOOL boolVal;
                SCODE scode;
                DATE date;
                BSTR bstrVal;
                IUnknown* punkVal;
                IDispatch* pdispVal;
                CHAR cVal;
                USHORT uiVal;
                ULONG ulVal;
                ULONGLONG ullVal;
                INT intVal;
                UINT uintVal;
                void* byref;
            };
        };
        DECIMAL decVal;
    };
} VARIANT, *LPVARIANT, VARIANTARG;

BSTR SysAllocStringLen(const OLECHAR* pch, UINT cch);
BSTR SysAllocString(const OLECHAR* psz);
BOOL SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT cch);
void SysFreeString(BSTR bstr);
UINT SysStringLen(BSTR bstr);

void VariantInit(VARIANT* pvarg);
HRESULT VariantClear(VARIANT* pvarg);
HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc);
HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, USHORT wFlags, VARTYPE vt);
