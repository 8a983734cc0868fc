#pragma once

#include "collections/CArray.h"

// An array of bytes. Its archive form is the count, then the raw bytes.
class FRAMEWORK_API CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
};
