#pragma once

// Framework-internal: the framework's window procedure. Every window with a
// permanent CWnd that the framework created or subclassed gets its messages
// through it (WM_QUERYAFXWNDPROC tells other modules whether it does).

#include "core/Platform.h"

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
