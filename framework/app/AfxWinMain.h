#pragma once

// The program's start and end around the application object.
//
// MinGW links no framework entry point into an exe, and a static library
// holding WinMain would be one more artefact every exe must link in the
// right place; so the framework exports the driver and each exe's WinMain is
// one line:
//
//   int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
//   {
//       return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
//   }

#include "core/Platform.h"

// Runs the one CWinApp: AfxWinInit, InitApplication, InitInstance, then Run
// (which ends with ExitInstance), or ExitInstance at once when InitInstance
// fails; then AfxWinTerm. Returns the exit code, -1 when there is no
// application object or it failed before InitInstance.
FRAMEWORK_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Gives the application object its instance, command line, show command and
// names, and makes the exe the first link of the resource chain.
FRAMEWORK_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Ends the platform services started through the framework (AfxOleInit,
// AfxSocketInit), in reverse order.
FRAMEWORK_API void AfxWinTerm();
