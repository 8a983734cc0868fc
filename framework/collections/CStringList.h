#pragma once

#include "collections/CList.h"

// A list of strings. Its archive form is the count, then each string.
class FRAMEWORK_API CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};
