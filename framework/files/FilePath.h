#pragma once

#include "strings/CString.h"

// Path helpers shared by the file classes.

// The absolute form of a path, relative to the current directory; the path
// itself when the system cannot make one.
CString FilePathFull(LPCTSTR lpszPath);
// Everything after the last separator (backslash, slash or a drive's colon).
CString FilePathName(LPCTSTR lpszPath);
// The name without its extension; a name that starts with its only dot
// keeps it.
CString FilePathTitle(LPCTSTR lpszPath);
// Everything before the last separator of a full path: C:\dir for
// C:\dir\*.dll, C:\ for C:\*.
CString FilePathFolder(LPCTSTR lpszPath);
