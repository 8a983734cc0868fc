#pragma once

// What an extension DLL (a plug-in, or any DLL with framework resources or
// classes) does in its DllMain; MinGW links no framework entry point into
// a DLL, so each writes its own:
//
//   static AFX_EXTENSION_MODULE extensionModule;
//
//   extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
//   {
//       return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
//   }
//
// On attach the DLL's resources join the chain; on detach they leave it and
// its run-time classes are unregistered.

#include "app/CDynLinkLibrary.h"

inline BOOL AfxExtensionDllMain(AFX_EXTENSION_MODULE& state, HINSTANCE hInstance, DWORD dwReason)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(state, hInstance))
            return FALSE;
        new CDynLinkLibrary(state);
        break;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(state);
        break;
    }
    return TRUE;
}
