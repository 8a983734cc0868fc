#include "collections/CMapWordToPtr.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
