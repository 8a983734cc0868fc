#include "collections/CMapStringToOb.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
