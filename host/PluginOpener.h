#pragma once
#include <windows.h>

class CWnd;
class PluginList;

// The title of the plug-in whose window korvo activates after start-up.
constexpr char kConnectionTitle[] = "COM connection";
constexpr char kFailedToLoadText[] = "failed to load ";
// Menu and accelerator resource shared by every plug-in's child frame.
constexpr UINT kPluginFrameResource = 129;

// The window side of opening the plug-ins, which the main frame provides.
class PluginFrameFactory {
public:
  virtual ~PluginFrameFactory() = default;
  // A new plug-in child frame (shared resource kPluginFrameResource) whose
  // window text and frame title are the title; null when it cannot be made.
  virtual CWnd* create_plugin_frame(const char* title) = 0;
};

// Opens the scanned plug-ins in list order: each one whose dll_is_gui returns
// 1 gets a child frame and its dll_init with korvo's HostSystem.
class PluginOpener {
public:
  PluginOpener(PluginList& list, PluginFrameFactory& frames);

  // False, after telling the user "failed to load <file>", when a plug-in's
  // frame or view could not be created; the plug-ins opened before it stay.
  bool open_all();
  // The child frame of the plug-in titled kConnectionTitle, if one was opened.
  CWnd* connection_window() const { return connection_window_; }

private:
  PluginList& list_;
  PluginFrameFactory& frames_;
  CWnd* connection_window_;
};
