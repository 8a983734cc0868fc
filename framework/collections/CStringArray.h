#pragma once

#include "collections/CArray.h"

// An array of strings. Its archive form is the count, then each string.
class FRAMEWORK_API CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
};
