#include "collections/CMapStringToString.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
