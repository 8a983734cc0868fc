#pragma once

#include "strings/CString.h"

// The key path of a section of the application's saved state: lpszPath
// itself when it is given and not empty; otherwise "SOFTWARE\<registry
// key>\<profile name>\<section>\" (the registry key part left out when the
// application has none), relative to HKEY_CURRENT_USER.
CString VrxPBuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszPath);
