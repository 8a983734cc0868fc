#include "collections/CStringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)
