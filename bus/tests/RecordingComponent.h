#pragma once
#include "Component.h"
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A bus participant for tests: remembers what reached it and answers requests
// from a table the test fills.
class RecordingComponent : public Component {
public:
  struct Received {
    int32_t type;
    int32_t len;
    std::string bytes;  // the data, when the test asked to capture len bytes of it
  };

  RecordingComponent(const std::string& name, ComponentSystem* system, bool shareable = true)
      : Component(name, system), shareable_(shareable)
  {
  }

  bool shareable() const override { return shareable_; }
  std::string type_name() const override { return "recording"; }

  int32_t request(BusMessage* message) override
  {
    requests.push_back(capture(message));
    auto answer = answers.find(message->type);
    return answer != answers.end() ? answer->second : 0;
  }

  int32_t notify(BusMessage* message) override
  {
    notifications.push_back(capture(message));
    return 0;
  }

  std::vector<Received> requests;
  std::vector<Received> notifications;
  std::map<int32_t, int32_t> answers;
  // Copy the data of messages whose len is a byte count up to this limit.
  int32_t capture_limit = 0x100000;

private:
  Received capture(const BusMessage* message) const
  {
    Received received{message->type, message->len, {}};
    if (message->data != nullptr && message->len > 0 && message->len <= capture_limit) {
      received.bytes.assign(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
    }
    return received;
  }

  bool shareable_;
};
