#pragma once

// Ids of the window layer's own strings in the framework DLL. Included by
// Windows.rc, so only #define lines.

// Shown when a window's message handler failed without a message of its own.
#define AFX_IDS_UNEXPECTED_ERROR 0xF100
// The same with the failure's own description (%s).
#define AFX_IDS_UNEXPECTED_ERROR_DETAIL 0xF101
