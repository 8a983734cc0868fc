#include "collections/CByteArray.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
