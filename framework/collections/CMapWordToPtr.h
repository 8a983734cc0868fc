#pragma once

#include "collections/CMap.h"

// A map from 16-bit words to untyped pointers.
class FRAMEWORK_API CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
