// zim.dll's entry points: an extension library whose form and block dialog
// templates join the framework's resource chain while it is loaded.
#include "CZimDialog.h"
#include "HostSystem.h"
#include "PluginInterface.h"
#include "app/ExtensionDllMain.h"
#include "frames/FrameIds.h"
#include <type_traits>

namespace {

constexpr char kZimTitle[] = "ZIM";
// The style korvo gives every plug-in's view: WS_CHILD, WS_VISIBLE, WS_BORDER.
constexpr DWORD kViewStyle = 0x50800000;

AFX_EXTENSION_MODULE extensionModule;
bool viewCreated = false;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
  return AfxExtensionDllMain(extensionModule, hInstance, dwReason);
}

extern "C" __declspec(dllexport) int32_t dll_init(CWnd* child, HostSystem* system)
{
  if (viewCreated) {
    return 1;
  }
  // A view that cannot be created has deleted itself.
  CZimDialog* view = new CZimDialog(system);
  if (!view->Create(NULL, NULL, kViewStyle, CRect(0, 0, 0, 0), child, AFX_IDW_PANE_FIRST, NULL)) {
    return 0;
  }
  viewCreated = true;
  return 1;
}

extern "C" __declspec(dllexport) void dll_deinit()
{
}

extern "C" __declspec(dllexport) const char* dll_get_title()
{
  return kZimTitle;
}

extern "C" __declspec(dllexport) int32_t dll_is_gui()
{
  return 1;
}

static_assert(std::is_same_v<decltype(&dll_init), DllInitFunction>);
static_assert(std::is_same_v<decltype(&dll_deinit), DllDeinitFunction>);
static_assert(std::is_same_v<decltype(&dll_get_title), DllGetTitleFunction>);
static_assert(std::is_same_v<decltype(&dll_is_gui), DllIsGuiFunction>);
