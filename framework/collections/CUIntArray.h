#pragma once

#include "collections/CArray.h"

// An array of unsigned integers.
class FRAMEWORK_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() = default;
};
