#pragma once

// The plain message box: the application's name as caption; owned by the
// calling thread's main window (or by the dialog that window is running
// modally), and by no window on a thread without a CWinThread, so that a
// worker thread never waits on the user-interface thread. Returns the
// button pressed (IDOK...).

#include "core/Platform.h"

FRAMEWORK_API int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK);
// The text is the string resource nIDPrompt, found through the resource chain.
FRAMEWORK_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
