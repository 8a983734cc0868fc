#pragma once

#include "collections/CMap.h"

// A map from strings (case-sensitive) to untyped pointers.
class FRAMEWORK_API CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
