// portlink.dll's entry points: an extension library whose form and dialog
// templates join the framework's resource chain while it is loaded.
#include "CPortlink.h"
#include "HostSystem.h"
#include "PluginExports.h"
#include "PluginView.h"
#include "app/ExtensionDllMain.h"
#include "frames/CView.h"
#include "windows/FrameworkMessages.h"

namespace {

constexpr char kPortlinkTitle[] = "COM connection";

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
  CPortlink* view = create_plugin_view<CPortlink>(child, system);
  if (view == nullptr) {
    return 0;
  }
  viewCreated = true;
  // The host's child frame is past its own initial update when the view
  // comes, so the view asks for its own; it runs once however it is asked.
  view->SendMessage(WM_INITIALUPDATE, kInitialUpdateOnce);
  return 1;
}

void dll_deinit()
{
}

const char* dll_get_title()
{
  return kPortlinkTitle;
}

int32_t dll_is_gui()
{
  return 1;
}

