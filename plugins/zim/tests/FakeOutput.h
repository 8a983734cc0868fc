#pragma once
// The console's "output" component for tests: collects the text written to
// it from any thread.
#include "Component.h"
#include "ComponentNames.h"
#include <mutex>
#include <string>

class FakeOutput : public Component {
public:
  explicit FakeOutput(ComponentSystem* system) : Component(kOutputName, system) { set_active(true); }

  bool shareable() const override { return true; }
  std::string type_name() const override { return "output"; }

  int32_t notify(BusMessage* message) override
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (message->type == BUS_TEXT && message->data != nullptr && message->len > 0) {
      text_.append(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
    } else if (message->type == BUS_CLEAR_TEXT) {
      ++clears_;
    }
    return 0;
  }

  std::string text() const
  {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_;
  }

  int clears() const
  {
    std::lock_guard<std::mutex> lock(mutex_);
    return clears_;
  }

private:
  mutable std::mutex mutex_;
  std::string text_;
  int clears_ = 0;
};
