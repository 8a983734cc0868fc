#pragma once

#include "collections/CList.h"

// A list of untyped pointers; the list does not own what they point to.
class FRAMEWORK_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};
