#pragma once
#include "BusMessage.h"
#include "Component.h"
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// An active bus participant that keeps the broadcasts reaching it, which
// arrive on the connector's worker thread, and lets a test wait for them.
class BusEventRecorder : public Component {
public:
  struct Event {
    int32_t type;
    int32_t len;
    std::string bytes;   // the data of text and reply events
    uint32_t progress;   // the count of a progress event
  };

  BusEventRecorder(const std::string& name, ComponentSystem* system);

  bool shareable() const override { return true; }
  std::string type_name() const override { return "recorder"; }
  int32_t notify(BusMessage* message) override;

  std::vector<Event> events() const;
  std::vector<uint32_t> progress() const;
  // The bytes of every event of this type, in order.
  std::string bytes_of(int32_t type) const;
  static std::string bytes_of(const std::vector<Event>& events, int32_t type);
  void clear();
  // Waits until the events satisfy the condition; false when they never do.
  bool wait_until(const std::function<bool(const std::vector<Event>&)>& condition) const;
  bool wait_for_progress(uint32_t count) const;

private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<Event> events_;
};
