#include "PluginOpener.h"
#include "HostMessage.h"
#include "HostSystem.h"
#include "PluginList.h"
#include <cstring>
#include <string>

PluginOpener::PluginOpener(PluginList& list, PluginFrameFactory& frames)
    : list_(list), frames_(frames), connection_window_(nullptr)
{
}

bool PluginOpener::open_all()
{
  for (std::size_t index = 0; list_.item(index).valid != 0; ++index) {
    PluginRecord& record = list_.item(index);
    if (record.dll_is_gui() == 1) {
      const char* title = record.dll_get_title();
      if (title == nullptr) {
        title = "";
      }
      record.child = frames_.create_plugin_frame(title);
      if (record.child == nullptr) {
        show_host_message(kFailedToLoadText + record.file_name);
        return false;
      }
      if (std::strcmp(title, kConnectionTitle) == 0) {
        connection_window_ = record.child;
      }
      if (record.dll_init(record.child, HostSystem::instance()) == 0) {
        show_host_message(kFailedToLoadText + record.file_name);
        return false;
      }
    }
    record.loaded = 1;
  }
  return true;
}
