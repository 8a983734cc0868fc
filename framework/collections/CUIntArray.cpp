#include "collections/CUIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)
