#pragma once

#include "core/Platform.h"

// The name of a window class with DefWindowProc as its procedure and the
// given style, cursor, background brush and icon, registered under the
// application's instance the first time these arguments are asked for. The
// name is made from the arguments, so equal arguments give the same class;
// the text stays valid for the life of the process. Throws
// CResourceException when the class cannot be registered.
FRAMEWORK_API LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                          HICON hIcon = 0);

// Registers the class unless its instance already has a class of that name;
// TRUE when the class exists afterwards.
FRAMEWORK_API BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
