#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// While it exists, a thread of its own reads every message box this process
// shows and presses its OK button, as a user would.
class MessageBoxAnswerer {
public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();

  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The texts of the boxes answered so far, in order. A box's text is taken
  // before it is closed, so it is here once the call that showed it returns.
  std::vector<std::string> texts() const;

private:
  void answer();

  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::atomic<bool> stop_;
  std::thread thread_;
};
