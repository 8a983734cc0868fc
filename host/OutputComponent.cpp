#include "OutputComponent.h"
#include "BusMessage.h"
#include "CComEdit.h"
#include "ComponentNames.h"
#include "HostMessage.h"
#include "HostSystem.h"

namespace {

// How long a broadcasting thread waits between looks at a full ring.
constexpr DWORD kRingWaitMilliseconds = 1;

}  // namespace

OutputComponent::OutputComponent(CComEdit* edit, HostSystem* system)
    : Component(kOutputName, system), edit_(edit), system_(system)
{
  set_active(true);
}

OutputComponent::~OutputComponent() = default;

int32_t OutputComponent::notify(BusMessage* message)
{
  // Both are posted, whatever the thread: text and a clear reach the console
  // in the order they were sent.
  if (message->type == BUS_TEXT) {
    if (message->len > 0 && message->data != nullptr) {
      append(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
    }
  } else if (message->type == BUS_CLEAR_TEXT) {
    ::PostMessage(edit_->m_hWnd, WM_CONSOLE_CLEAR, 0, 0);
  }
  return 0;
}

void OutputComponent::append(const char* bytes, std::size_t count)
{
  if (count > kOutputRingSize) {
    count = kOutputRingSize;
  }
  HWND edit = edit_->m_hWnd;
  long offset;
  while ((offset = place(bytes, count)) < 0) {
    // A stopped system shows nothing more; waiting would hold the sender up
    // while korvo ends.
    if (!::IsWindow(edit) || !system_->running()) {
      return;
    }
    if (!on_edit_thread()) {
      ::Sleep(kRingWaitMilliseconds);
    } else if (!show_posted_text(edit)) {
      // Nothing posted is waiting, so nothing will free the ring: the block
      // is shown at once.
      ::SendMessage(edit, WM_CONSOLE_APPEND, reinterpret_cast<WPARAM>(bytes), static_cast<LPARAM>(count));
      return;
    }
  }
  const char* block = ring_.data() + offset;
  if (!::PostMessage(edit, WM_CONSOLE_APPEND, reinterpret_cast<WPARAM>(block), static_cast<LPARAM>(count))) {
    ring_.shown(static_cast<std::size_t>(offset), count);
  }
}

long OutputComponent::place(const char* bytes, std::size_t count)
{
  std::lock_guard<std::mutex> lock(placing_);
  return ring_.place(bytes, count);
}

bool OutputComponent::show_posted_text(HWND edit)
{
  // The console's own thread is the one that frees the ring: it takes the
  // text posted before this block, in order, and so makes room.
  bool shown_any = false;
  MSG message;
  while (::PeekMessage(&message, edit, WM_CONSOLE_APPEND, WM_CONSOLE_CLEAR, PM_REMOVE)) {
    ::DispatchMessage(&message);
    shown_any = true;
  }
  return shown_any;
}

bool OutputComponent::on_edit_thread() const
{
  return ::GetWindowThreadProcessId(edit_->m_hWnd, nullptr) == ::GetCurrentThreadId();
}

void OutputComponent::shown(const void* bytes, std::size_t count)
{
  if (ring_.holds(bytes)) {
    ring_.shown(static_cast<std::size_t>(static_cast<const char*>(bytes) - ring_.data()), count);
  }
}

bool OutputComponent::send_key(unsigned character)
{
  Component* connector = system_->acquire(kConnectorName);
  if (!is_connector_ready(connector)) {
    return false;
  }
  unsigned char byte = static_cast<unsigned char>(character & 0xFF);
  BusMessage message = {BUS_SEND_RAW, 1, &byte};
  connector->request(&message);
  return true;
}

bool is_connector_ready(Component* connector)
{
  BusMessage open = {BUS_QUERY_OPEN, 0, nullptr};
  if (connector->request(&open) == 0) {
    show_host_message(kConnectorSleepsText);
    return false;
  }
  BusMessage busy = {BUS_QUERY_BUSY, 0, nullptr};
  return connector->request(&busy) == 0;
}
