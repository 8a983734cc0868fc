// A plug-in for korvo's window tests. Its title, whether it wants a window
// and what dll_init answers are fixed when it is built. It keeps a marker
// file "<title>.events" in the working directory with one line per entry
// point call, so a test can read the order of start and shut-down.
#include "BusMessage.h"
#include "Component.h"
#include "HostSystem.h"
#include "PluginInterface.h"
#include "app/ExtensionDllMain.h"
#include "frames/CFormView.h"
#include "frames/FrameIds.h"
#include "KorvoTestPluginIds.h"
#include <cstdio>
#include <atomic>
#include <string>
#include <thread>

namespace {

AFX_EXTENSION_MODULE extension_module;

void record_event(const char* event)
{
  std::string path = std::string(PLUGIN_TITLE) + ".events";
  if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
    std::fprintf(file, "%s\n", event);
    std::fclose(file);
  }
}

// Tells the marker file when the host deletes the plug-in's components; ends
// its console flood first, as a connector ends its worker.
class Probe : public Component {
public:
  explicit Probe(ComponentSystem* system) : Component(std::string("probe:") + PLUGIN_TITLE, system) {}
  ~Probe() override
  {
    flooding_ = false;
    if (flood_.joinable()) {
      flood_.join();
    }
    record_event("component deleted");
  }

  void start_flood(ComponentSystem* system)
  {
    if (flood_.joinable()) {
      return;
    }
    flooding_ = true;
    flood_ = std::thread([this, system] {
      std::string text;
      while (text.size() < 64000) {
        text += "flooding the console from a worker thread\n";
      }
      BusMessage message = {BUS_TEXT, static_cast<int32_t>(text.size()), const_cast<char*>(text.data())};
      while (flooding_) {
        system->broadcast(this, &message);
      }
    });
  }

  bool shareable() const override { return true; }
  std::string type_name() const override { return "test probe"; }

private:
  std::atomic<bool> flooding_{false};
  std::thread flood_;
};

HostSystem* host_system = nullptr;

void send_console(Component* sender, int32_t type, const std::string& text)
{
  BusMessage message = {type, static_cast<int32_t>(text.size()), const_cast<char*>(text.data())};
  host_system->broadcast(sender, &message);
}

class TestForm : public CFormView {
public:
  explicit TestForm(Probe* probe) : CFormView(IDD_TEST_PLUGIN_FORM), probe_(probe) {}

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message != WM_TEST_PLUGIN_SPEAK) {
      return CFormView::WindowProc(message, wParam, lParam);
    }
    if (wParam == 2) {
      probe_->start_flood(host_system);
      return 0;
    }
    if (wParam == 1) {
      for (LPARAM block = 0; block < lParam; ++block) {
        std::string text;
        while (text.size() < 600000 - 20) {
          text += std::string(79, 'u') + "\n";
        }
        text += "block " + std::to_string(block) + "\n";
        send_console(probe_, BUS_TEXT, text);
      }
      return 0;
    }
    std::thread worker([this] { send_console(probe_, BUS_TEXT, "from the worker\n"); });
    worker.join();
    send_console(probe_, BUS_CLEAR_TEXT, "");
    send_console(probe_, BUS_TEXT, "after the clear\n");
    return 0;
  }

private:
  Probe* probe_;
};


bool view_created = false;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
  if (reason == DLL_PROCESS_DETACH) {
    record_event("library freed");
  }
  return AfxExtensionDllMain(extension_module, instance, reason);
}

extern "C" {

__declspec(dllexport) int32_t dll_init(CWnd* child, HostSystem* system)
{
  record_event("dll_init");
  host_system = system;
  Probe* probe = new Probe(system);
  if (PLUGIN_INIT_RESULT == 0) {
    return 0;
  }
  if (view_created) {
    return 1;
  }
  // The form deletes itself with its window.
  TestForm* form = new TestForm(probe);
  view_created = form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), child,
                              AFX_IDW_PANE_FIRST, nullptr) != FALSE;
  return view_created ? 1 : 0;
}

__declspec(dllexport) void dll_deinit()
{
  record_event("dll_deinit");
}

__declspec(dllexport) const char* dll_get_title()
{
  return PLUGIN_TITLE;
}

__declspec(dllexport) int32_t dll_is_gui()
{
  return PLUGIN_IS_GUI;
}

}  // extern "C"
