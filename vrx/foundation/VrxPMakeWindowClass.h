#pragma once

#include "strings/CString.h"

// A window class of the library's windows: double clicks, the arrow cursor,
// the face colour as background. Its name is made of the prefix and those
// settings, so a second call with the same prefix finds the class registered
// and registers nothing. A class that cannot be registered throws the
// framework's resource exception.
CString VrxPMakeWindowClass(LPCTSTR lpszPrefix);
