// The demo's forms DLL: an extension DLL whose form template joins the
// resource chain, and whose entry point makes the form in a child frame
// that already exists, as korvo's plug-ins do.

#include "app/ExtensionDllMain.h"
#include "frames/FrameIds.h"

#include "DemoForm.h"

static AFX_EXTENSION_MODULE extensionModule;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
}

extern "C" __declspec(dllexport) BOOL demo_forms_create(CWnd* pParent)
{
    // The form deletes itself with its window, or when it cannot be made.
    CDemoForm* pForm = new CDemoForm;
    return pForm->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), pParent,
                         AFX_IDW_PANE_FIRST, NULL);
}
