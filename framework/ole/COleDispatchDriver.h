#pragma once

#include "core/Platform.h"

#include <ole2.h>

#include <cstdarg>

class COleException;

// Parameter type codes for InvokeHelper and SetProperty: a string of one
// code per argument, e.g. VTS_BSTR VTS_I4. What each argument must be:
//   VTS_I2, VTS_UI1, VTS_I1, VTS_UI2   an int-sized value (promoted)
//   VTS_I4, VTS_SCODE                  long
//   VTS_UI4                            unsigned long
//   VTS_INT, VTS_UINT                  int, unsigned
//   VTS_I8, VTS_UI8                    LONGLONG, ULONGLONG
//   VTS_R4, VTS_R8, VTS_DATE           double (a float is promoted)
//   VTS_CY                             CY
//   VTS_BOOL                           BOOL
//   VTS_BSTR                           LPCTSTR (converted to a BSTR)
//   VTS_WBSTR                          LPCOLESTR
//   VTS_DISPATCH, VTS_UNKNOWN          the interface pointer (borrowed)
//   VTS_VARIANT                        const VARIANT* (passed by value; a
//                                      NULL pointer is an omitted argument)
//   VTS_Pxxx                           a pointer to the value (by reference)
// Class objects never go through "...": pass (LPCTSTR)str, or a VARIANT*.
#define VTS_EMPTY ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_CY "\x06"
#define VTS_DATE "\x07"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_I1 "\x10"
#define VTS_UI1 "\x11"
#define VTS_UI2 "\x12"
#define VTS_UI4 "\x13"
#define VTS_I8 "\x14"
#define VTS_UI8 "\x15"
#define VTS_INT "\x16"
#define VTS_UINT "\x17"
#define VTS_WBSTR "\x1F"
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PR4 "\x44"
#define VTS_PR8 "\x45"
#define VTS_PCY "\x46"
#define VTS_PDATE "\x47"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PSCODE "\x4A"
#define VTS_PBOOL "\x4B"
#define VTS_PVARIANT "\x4C"
#define VTS_PUNKNOWN "\x4D"
#define VTS_PUI1 "\x51"

// A client of an automation object's IDispatch.
//
// InvokeHelper's result goes to pvRet according to vtRet: VT_EMPTY none;
// VT_I2 short*; VT_I4 long*; VT_UI4 ULONG*; VT_I8 LONGLONG*; VT_UI8
// ULONGLONG*; VT_UI1 BYTE*; VT_R4 float*; VT_R8 and VT_DATE double*; VT_CY
// CY*; VT_BOOL BOOL*; VT_ERROR SCODE*; VT_BSTR CString*; VT_DISPATCH and
// VT_UNKNOWN a pointer the caller releases; VT_VARIANT VARIANT* (overwritten
// without being cleared first: pass an empty one), which also carries
// arrays. A result of another type is converted to vtRet first.
// An error the object raises throws COleDispatchException with its
// description; any other failure throws COleException.
class FRAMEWORK_API COleDispatchDriver
{
public:
    COleDispatchDriver();
    explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    COleDispatchDriver(const COleDispatchDriver& dispatchSrc);
    ~COleDispatchDriver();
    COleDispatchDriver& operator=(const COleDispatchDriver& dispatchSrc);

    // Starts the object in process or as a local server. FALSE on failure,
    // with the status in *pError when given.
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = NULL);
    BOOL CreateDispatch(LPCTSTR lpszProgID, COleException* pError = NULL);

    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();

    operator LPDISPATCH() const { return m_lpDispatch; }

    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                      const BYTE* pbParamInfo, ...);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                       const BYTE* pbParamInfo, va_list argList);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;
    // One argument of the type vtProp, passed as for InvokeHelper.
    void SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);

    LPDISPATCH m_lpDispatch;
    BOOL m_bAutoRelease;
};
