#include "collections/CDWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
