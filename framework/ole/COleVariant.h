#pragma once

#include "core/Platform.h"
#include "strings/CString.h"

#ifdef _WIN32
#include <ole2.h>
#endif

class CArchive;

typedef const VARIANT* LPCVARIANT;

// A VARIANT that owns its value: copies are deep (VariantCopy), destruction
// clears. Failures of the system's variant functions throw COleException.
class FRAMEWORK_API COleVariant : public tagVARIANT
{
public:
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(COleVariant&& varSrc) noexcept;
    // Text becomes a VT_BSTR (UTF-16).
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(const CString& strSrc);
    COleVariant(BYTE nSrc);
    // vtSrc: VT_I2 or VT_BOOL.
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
    // vtSrc: VT_I4, VT_ERROR or VT_BOOL.
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(int nSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(float fltSrc);
    // vtSrc: VT_R8 or VT_DATE.
    COleVariant(double dblSrc, VARTYPE vtSrc = VT_R8);
    COleVariant(LONGLONG nSrc);
    COleVariant(ULONGLONG nSrc);
    ~COleVariant();

    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(LPCVARIANT pSrc);
    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(COleVariant&& varSrc) noexcept;
    COleVariant& operator=(LPCTSTR lpszSrc);
    COleVariant& operator=(const CString& strSrc);
    COleVariant& operator=(BYTE nSrc);
    COleVariant& operator=(short nSrc);
    COleVariant& operator=(long lSrc);
    COleVariant& operator=(int nSrc);
    COleVariant& operator=(float fltSrc);
    COleVariant& operator=(double dblSrc);
    COleVariant& operator=(LONGLONG nSrc);
    COleVariant& operator=(ULONGLONG nSrc);

    // Same type and same value; strings compare exactly, objects and arrays
    // by identity.
    bool operator==(const VARIANT& varSrc) const;
    bool operator==(LPCVARIANT pSrc) const;
    bool operator!=(const VARIANT& varSrc) const { return !(*this == varSrc); }
    bool operator!=(LPCVARIANT pSrc) const { return !(*this == pSrc); }

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }

    void Clear();
    // Converts pSrc (this variant when NULL) to vartype into this variant.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = NULL);
    // Takes varSrc's value over; varSrc is left VT_EMPTY.
    void Attach(VARIANT& varSrc);
    // Hands the value to the caller, who clears it; this is left VT_EMPTY.
    VARIANT Detach();
};

// The archive form: the VARTYPE word, then the value: nothing for VT_EMPTY
// and VT_NULL; 16 bits for VT_BOOL, VT_I2 and VT_UI2; a byte for VT_UI1 and
// VT_I1; 32 bits for VT_I4, VT_UI4, VT_INT, VT_UINT and VT_ERROR; a float for
// VT_R4; a double for VT_R8 and VT_DATE; 64 bits for VT_CY, VT_I8 and VT_UI8;
// the archive's string form for VT_BSTR. Other types cannot be stored
// (CNotSupportedException); an unknown type read back throws
// CArchiveException(badIndex).
FRAMEWORK_API CArchive& operator<<(CArchive& ar, const COleVariant& varSrc);
FRAMEWORK_API CArchive& operator>>(CArchive& ar, COleVariant& varSrc);
