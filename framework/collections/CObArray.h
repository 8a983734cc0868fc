#pragma once

#include "collections/CArray.h"

// An array of CObject pointers; the array does not own the objects. Its
// archive form is the count, then each object (WriteObject).
class FRAMEWORK_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
};
