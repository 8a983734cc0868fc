#pragma once

#include "collections/CArray.h"

// An array of 16-bit words. Its archive form is the count, then the raw
// little-endian words.
class FRAMEWORK_API CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
};
