#pragma once
#include "Component.h"
#include "OutputRing.h"
#include <windows.h>
#include <mutex>
#include <string>

class CComEdit;
class HostSystem;

// Messages from the output bridge to the console edit: append the bytes at
// wParam, lParam of them; clear the console.
constexpr UINT WM_CONSOLE_APPEND = WM_USER + 1;
constexpr UINT WM_CONSOLE_CLEAR = WM_USER + 2;
constexpr char kConnectorSleepsText[] = "Connector is .zZzZ";

// The "output" component: takes console text from any thread and hands it to
// the console edit on its own thread, through the ring.
class OutputComponent : public Component {
public:
  OutputComponent(CComEdit* edit, HostSystem* system);
  ~OutputComponent() override;

  bool shareable() const override { return true; }
  std::string type_name() const override { return "output"; }
  int32_t notify(BusMessage* message) override;

  // Sends one typed character to the target through the connector; false
  // when the connector is not open (after telling the user) or busy.
  bool send_key(unsigned character);

  // The console has taken a block that this component posted: its place in
  // the ring is free again.
  void shown(const void* bytes, std::size_t count);

  OutputRing& ring() { return ring_; }

private:
  void append(const char* bytes, std::size_t count);
  // The ring's place for the block; the broadcasting thread and the
  // console's own both place text.
  long place(const char* bytes, std::size_t count);
  // Shows the console text posted and not yet shown; false when there was none.
  static bool show_posted_text(HWND edit);
  bool on_edit_thread() const;

  CComEdit* edit_;
  HostSystem* system_;
  OutputRing ring_;
  std::mutex placing_;
};

// False, after telling the user, when the connector is not open; false when
// it is busy.
bool is_connector_ready(Component* connector);
