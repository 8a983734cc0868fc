#pragma once

#include "collections/CArray.h"

// An array of untyped pointers; the array does not own what they point to.
class FRAMEWORK_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};
