#include "collections/CMapPtrToWord.h"

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
