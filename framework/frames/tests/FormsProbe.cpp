// An extension DLL that holds nothing but a form's dialog template, as a
// plug-in does: its resources join the chain while it is loaded.

#include "app/ExtensionDllMain.h"

static AFX_EXTENSION_MODULE extensionModule;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
}
