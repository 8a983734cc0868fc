#pragma once

#include "core/Platform.h"

#include <string>

// The window's area as the screen shows it, as a 24-bit picture
// ..\artifacts\<name>.bmp; false when it could not be written.
bool SaveWindowPicture(HWND hWnd, const std::string& name);
