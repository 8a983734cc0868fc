#pragma once
#include "PluginInterface.h"
#include <windows.h>
#include <cstdint>
#include <string>

// One accepted plug-in library. Copied by value.
struct PluginRecord {
  std::string file_name;  // as the directory scan returned it, without a directory
  HMODULE module;
  DllInitFunction dll_init;
  DllDeinitFunction dll_deinit;
  DllGetTitleFunction dll_get_title;
  DllIsGuiFunction dll_is_gui;
  CWnd* child;     // the plug-in's child frame, once the main frame made it
  uint8_t loaded;  // set once the opening has handled the record
  uint8_t valid;   // 0 for the list's terminator and sentinel
};
