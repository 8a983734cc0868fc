#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the link procedures stand on: the bytes the target sent, sends that
// are waited for, the console and the clock. The engine provides it with its
// receive queue and worker thread; tests provide it without a port.
class LinkChannel {
public:
  virtual ~LinkChannel() = default;

  // Takes count bytes from the front of the receive queue once they are all
  // there. False when the time-out passed first or the operation was
  // cancelled meanwhile.
  virtual bool read_bytes(uint8_t* destination, std::size_t count, uint32_t timeout_ms) = 0;
  // Sends the bytes to the target and returns once all are out. False when
  // the send did not complete (refused, aborted, or the operation cancelled).
  virtual bool send_and_wait(const uint8_t* data, std::size_t length) = 0;
  virtual void flush_queue() = 0;
  virtual void print(const std::string& text) = 0;
  // Lets the time pass. False when the operation was cancelled meanwhile.
  virtual bool pause(uint32_t milliseconds) = 0;
  // Whether an operation is under way (it has not been cancelled).
  virtual bool running() const = 0;
};
