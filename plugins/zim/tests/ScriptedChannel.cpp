#include "ScriptedChannel.h"
#include <algorithm>

bool ScriptedChannel::read_bytes(uint8_t* destination, std::size_t count, uint32_t timeout_ms)
{
  if (!operation_running) {
    return false;
  }
  if (queue.size() < count) {
    if (when_starved) {
      when_starved();
    }
    clock_ms += timeout_ms;
    return false;
  }
  std::copy_n(queue.begin(), count, destination);
  queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(count));
  return true;
}

bool ScriptedChannel::send_and_wait(const uint8_t* data, std::size_t length)
{
  if (!operation_running || sends_fail) {
    return false;
  }
  sent.emplace_back(data, data + length);
  Bytes answer = target_.receive(sent.back());
  queue.insert(queue.end(), answer.begin(), answer.end());
  return true;
}

bool ScriptedChannel::pause(uint32_t milliseconds)
{
  clock_ms += milliseconds;
  return operation_running;
}
