#pragma once

#include "collections/CArray.h"

// An array of 32-bit values. Its archive form is the count, then the raw
// little-endian values.
class FRAMEWORK_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
};
