#pragma once

#include "collections/CMap.h"

// A map from strings (case-sensitive) to CObject pointers; the map does not
// own the objects. Its archive form is the count, then each key and object.
class FRAMEWORK_API CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
