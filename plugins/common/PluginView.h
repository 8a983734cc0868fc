#pragma once
#include "frames/FrameIds.h"
#include "windows/CWnd.h"
#include <windows.h>

class HostSystem;

// The style korvo gives every plug-in's view.
constexpr DWORD kPluginViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

// Creates a plug-in's one view over the whole of the host's child frame; null
// when it cannot be created, the view having deleted itself then.
template <class View>
View* create_plugin_view(CWnd* child, HostSystem* system)
{
  auto* view = new View(system);
  if (!view->Create(nullptr, nullptr, kPluginViewStyle, CRect(0, 0, 0, 0), child, AFX_IDW_PANE_FIRST, nullptr)) {
    return nullptr;
  }
  return view;
}
