// zim.dll's entry points: an extension library whose form and block dialog
// templates join the framework's resource chain while it is loaded.
#include "CZimDialog.h"
#include "HostSystem.h"
#include "PluginExports.h"
#include "PluginView.h"
#include "app/ExtensionDllMain.h"

namespace {

constexpr char kZimTitle[] = "ZIM";

AFX_EXTENSION_MODULE extensionModule;
bool viewCreated = false;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
  return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
}

int32_t dll_init(CWnd* child, HostSystem* system)
{
  if (viewCreated) {
    return 1;
  }
  if (create_plugin_view<CZimDialog>(child, system) == nullptr) {
    return 0;
  }
  viewCreated = true;
  return 1;
}

void dll_deinit()
{
}

const char* dll_get_title()
{
  return kZimTitle;
}

int32_t dll_is_gui()
{
  return 1;
}

