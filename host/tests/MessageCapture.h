#pragma once
#include "HostMessage.h"
#include <string>
#include <vector>

// Collects the texts korvo would show in message boxes while it exists.
class MessageCapture {
public:
  MessageCapture() { previous_ = set_host_message_display(&MessageCapture::collect); texts().clear(); }
  ~MessageCapture() { set_host_message_display(previous_); }

  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  static std::vector<std::string>& texts()
  {
    static std::vector<std::string> shown;
    return shown;
  }

private:
  static void collect(const std::string& text) { texts().push_back(text); }

  HostMessageDisplay previous_;
};
