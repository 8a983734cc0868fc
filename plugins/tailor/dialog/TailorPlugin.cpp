// tailor.dll: the plug-in's entry points and its place in the framework's
// resource chain.
#include "PluginInterface.h"
#include "TailorDialog.h"
#include "app/ExtensionDllMain.h"
#include "frames/FrameIds.h"

namespace {

constexpr char kTitle[] = "TAILOR";
constexpr DWORD kViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

AFX_EXTENSION_MODULE extension_module;
// The one view; it belongs to its child frame.
TailorDialog* view = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
  return AfxExtensionDllMain(extension_module, instance, reason);
}

extern "C" __declspec(dllexport) int32_t dll_init(CWnd* child, HostSystem* system)
{
  if (view != nullptr)
    return 1;
  // On failure the view has deleted itself.
  auto* created = new TailorDialog(system);
  if (!created->Create(nullptr, nullptr, kViewStyle, CRect(0, 0, 0, 0), child, AFX_IDW_PANE_FIRST, nullptr))
    return 0;
  view = created;
  return 1;
}

// The child frame is going and takes the view with it.
extern "C" __declspec(dllexport) void dll_deinit()
{
  view = nullptr;
}

extern "C" __declspec(dllexport) const char* dll_get_title()
{
  return kTitle;
}

extern "C" __declspec(dllexport) int32_t dll_is_gui()
{
  return 1;
}
