#pragma once

#include "collections/CMap.h"

// A map from strings (case-sensitive) to strings. Its archive form is the
// count, then each key and value.
class FRAMEWORK_API CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
