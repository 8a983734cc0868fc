#pragma once

#include "collections/CMap.h"

// A map from 16-bit words to CObject pointers; the map does not own the
// objects. Its archive form is the count, then each key and object.
class FRAMEWORK_API CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
