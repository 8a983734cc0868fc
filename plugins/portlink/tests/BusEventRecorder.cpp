#include "BusEventRecorder.h"
#include "TransportState.h"
#include <chrono>

namespace {

constexpr std::chrono::seconds kHangGuard(20);

}  // namespace

BusEventRecorder::BusEventRecorder(const std::string& name, ComponentSystem* system) : Component(name, system)
{
  set_active(true);
}

int32_t BusEventRecorder::notify(BusMessage* message)
{
  Event event{message->type, message->len, {}, 0};
  if (message->type == BUS_SEND_PROGRESS) {
    event.progress = *static_cast<const uint32_t*>(message->data);
  } else if (message->data != nullptr && message->len > 0 &&
             message->len <= static_cast<int32_t>(kTransportChunkSize)) {
    event.bytes.assign(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
  }
  std::lock_guard<std::mutex> lock(mutex_);
  events_.push_back(event);
  changed_.notify_all();
  return 0;
}

std::vector<BusEventRecorder::Event> BusEventRecorder::events() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return events_;
}

std::vector<uint32_t> BusEventRecorder::progress() const
{
  std::vector<uint32_t> counts;
  for (const Event& event : events()) {
    if (event.type == BUS_SEND_PROGRESS) {
      counts.push_back(event.progress);
    }
  }
  return counts;
}

std::string BusEventRecorder::bytes_of(int32_t type) const
{
  return bytes_of(events(), type);
}

std::string BusEventRecorder::bytes_of(const std::vector<Event>& events, int32_t type)
{
  std::string bytes;
  for (const Event& event : events) {
    if (event.type == type) {
      bytes += event.bytes;
    }
  }
  return bytes;
}

void BusEventRecorder::clear()
{
  std::lock_guard<std::mutex> lock(mutex_);
  events_.clear();
}

bool BusEventRecorder::wait_until(const std::function<bool(const std::vector<Event>&)>& condition) const
{
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, kHangGuard, [&] { return condition(events_); });
}

bool BusEventRecorder::wait_for_progress(uint32_t count) const
{
  return wait_until([count](const std::vector<Event>& events) {
    for (const Event& event : events) {
      if (event.type == BUS_SEND_PROGRESS && event.progress == count) {
        return true;
      }
    }
    return false;
  });
}
