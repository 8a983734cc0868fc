#pragma once

#include "collections/CList.h"

// A list of CObject pointers; the list does not own the objects. Its archive
// form is the count, then each object (WriteObject).
class FRAMEWORK_API CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};
