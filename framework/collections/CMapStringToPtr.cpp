#include "collections/CMapStringToPtr.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
