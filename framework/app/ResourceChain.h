#pragma once

// The resource chain: every lookup of a dialog, menu, string, bitmap, cursor
// or custom resource searches the application's resource module (the exe,
// unless AfxSetResourceHandle replaced it), then each extension DLL in the
// order it joined, then the framework DLL itself. So an id the exe defines
// hides the same id in a plug-in, and a plug-in's id hides the framework's.
//
// An extension DLL joins from its DllMain (see app/ExtensionDllMain.h):
// AfxInitExtensionModule records the module, a new CDynLinkLibrary links it
// into the chain, and AfxTermExtensionModule unlinks it again and drops its
// run-time classes. All functions here are safe on any thread.

#include "core/Platform.h"

// One per extension DLL, a static of that DLL.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    // Where the DLL's resources are looked up; normally the DLL itself.
    HMODULE hResource;
};

// Records the DLL in state; TRUE (a second call changes nothing).
FRAMEWORK_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the DLL's CDynLinkLibrary objects (which unlinks its resources)
// and unregisters the run-time classes it defines. Harmless when the module
// was never initialised or has already left.
FRAMEWORK_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// The first module of the chain that holds the resource; when none does,
// the application's resource module (so that the caller's FindResource fails
// as it would without a chain).
FRAMEWORK_API HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The first module of the chain whose string table holds a non-empty string
// nID; NULL when none does.
FRAMEWORK_API HINSTANCE AfxFindStringResourceHandle(UINT nID);

// The first link of the chain.
FRAMEWORK_API HINSTANCE AfxGetResourceHandle();
FRAMEWORK_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The application's exe.
FRAMEWORK_API HINSTANCE AfxGetInstanceHandle();
