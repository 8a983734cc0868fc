// seedvaults.dll: the plug-in's entry points and its place in the framework's
// resource chain.
#include "PluginExports.h"
#include "PluginView.h"
#include "PresetDialog.h"
#include "app/ExtensionDllMain.h"

namespace {

constexpr char kTitle[] = "Seedvaults";

AFX_EXTENSION_MODULE extension_module;
// The one view; it belongs to its child frame.
CPresetDialog* view = nullptr;

}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
  return AfxExtensionDllMain(extension_module, instance, reason);
}

int32_t dll_init(CWnd* child, HostSystem* system)
{
  if (view != nullptr)
    return 1;
  view = create_plugin_view<CPresetDialog>(child, system);
  return view != nullptr ? 1 : 0;
}

// The child frame is going and takes the view with it.
void dll_deinit()
{
  view = nullptr;
}

const char* dll_get_title()
{
  return kTitle;
}

int32_t dll_is_gui()
{
  return 1;
}
