// A plug-in library for the host's tests. Its behaviour is set through
// test_plugin_configure after loading; dll_init registers a probe component of
// its own bus copy with the system it is given.
#include "Component.h"
#include "ComponentSystem.h"
#include "HostSystem.h"
#include "PluginInterface.h"
#include <cstdint>
#include <cstring>
#include <string>

namespace {

char title[64] = "test plugin";
int32_t gui = 1;
int32_t init_result = 1;
int32_t init_calls = 0;
CWnd* init_child = nullptr;
HostSystem* init_system = nullptr;
int32_t probes_alive = 0;
std::string probe_text;

class Probe : public Component {
public:
  explicit Probe(ComponentSystem* system) : Component(std::string("probe:") + title, system)
  {
    ++probes_alive;
    set_active(true);
  }
  ~Probe() override { --probes_alive; }

  bool shareable() const override { return true; }
  std::string type_name() const override { return "test probe"; }

  int32_t notify(BusMessage* message) override
  {
    if (message->type == BUS_TEXT && message->data != nullptr && message->len > 0) {
      probe_text.append(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
    }
    return 0;
  }
};

}  // namespace

extern "C" {

__declspec(dllexport) void test_plugin_configure(const char* new_title, int32_t new_gui, int32_t new_init_result)
{
  std::strncpy(title, new_title, sizeof title - 1);
  gui = new_gui;
  init_result = new_init_result;
}

__declspec(dllexport) int32_t test_plugin_init_calls()
{
  return init_calls;
}

__declspec(dllexport) CWnd* test_plugin_init_child()
{
  return init_child;
}

__declspec(dllexport) HostSystem* test_plugin_init_system()
{
  return init_system;
}

__declspec(dllexport) int32_t test_plugin_probes_alive()
{
  return probes_alive;
}

__declspec(dllexport) const char* test_plugin_probe_text()
{
  return probe_text.c_str();
}

__declspec(dllexport) int32_t dll_init(CWnd* child, HostSystem* system)
{
  ++init_calls;
  init_child = child;
  init_system = system;
  if (init_result != 0) {
    new Probe(system);
  }
  return init_result;
}

#ifndef TEST_PLUGIN_WITHOUT_DEINIT
__declspec(dllexport) void dll_deinit()
{
}
#endif

__declspec(dllexport) const char* dll_get_title()
{
  return title;
}

__declspec(dllexport) int32_t dll_is_gui()
{
  return gui;
}

}  // extern "C"
