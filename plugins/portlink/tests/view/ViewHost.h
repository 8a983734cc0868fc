#pragma once
#include "BusEventRecorder.h"
#include "PluginInterface.h"
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

class CMDIFrameWnd;
class CMDIChildWnd;
class Component;

// What korvo does for portlink, and no more: an MDI frame with one child
// titled "COM connection", korvo's component system, portlink.dll loaded by
// name and its dll_init called with both. A bus participant records the
// broadcasts. Everything runs in a fresh working directory.
class ViewHost {
public:
  // Makes the working directory and enters it; the settings file, when
  // given, is written there before the plug-in starts.
  explicit ViewHost(const std::string& settings_text);
  ~ViewHost();

  bool start();
  int32_t init_result() const { return init_result_; }
  int32_t call_init_again();

  HWND view() const;
  HWND control(int id) const;
  BusEventRecorder& recorder() { return *recorder_; }
  int32_t ask_connector(int32_t type, int32_t len = 0, void* data = nullptr);
  // Sends one byte as the console does: when the connector is idle.
  bool type_byte(char byte);
  std::string settings_text() const;
  const std::string& directory() const { return directory_; }

  // Runs the messages of this thread until the condition holds; false when
  // it never does.
  static bool pump_until(const std::function<bool()>& condition);
  static std::string text_of(HWND window);
  static std::vector<std::string> combo_items(HWND combo);
  static std::string combo_selection(HWND combo);
  // Picks an item as the user does: the selection, then the notification.
  void choose(int combo_id, int index);
  // A click on a button, as its parent receives it.
  void click(int button_id);

private:
  std::string directory_;
  CMDIFrameWnd* frame_;
  CMDIChildWnd* child_;
  HMENU child_menu_;
  HMODULE plugin_;
  DllInitFunction dll_init_;
  int32_t init_result_;
  BusEventRecorder* recorder_;
  Component* connector_;
};
