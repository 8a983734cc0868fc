// A small extension DLL: joins the resource chain in its DllMain, as the
// plug-ins do, and can be asked to leave it while it stays loaded.

#include "app/ExtensionDllMain.h"

static AFX_EXTENSION_MODULE extensionModule;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
}

extern "C" __declspec(dllexport) void WINAPI probe_leave_chain()
{
    AfxTermExtensionModule(extensionModule);
}
