#pragma once

// Framework-internal: the file names of a loaded module.

#include "core/Platform.h"
#include "strings/CString.h"

// The full path of the module's file (NULL: the exe).
CString ModuleFilePath(HMODULE hModule);
// The path without its extension.
CString WithoutExtension(const CString& strPath);
// The file name without directory and extension.
CString FileTitle(const CString& strPath);
