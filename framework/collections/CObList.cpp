#include "collections/CObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
