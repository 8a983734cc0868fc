#pragma once
#include <windows.h>

// The size of the path buffer ask_open_file_name fills.
constexpr DWORD kOpenFilePathSize = MAX_PATH;

// Shows the system's open-file dialog. filter: pairs of NUL-ended texts
// (description, pattern) ended by an empty one. path: kOpenFilePathSize
// characters; it may hold an initial name, and keeps it when the user
// cancels. True when a file was chosen.
bool ask_open_file_name(HWND owner, const char* filter, char* path);
