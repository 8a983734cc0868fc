#pragma once
// A LinkChannel without a port or threads: every send goes to a FakeTarget at
// once and its answer lands in the receive queue; waits only move a clock.
#include "FakeTarget.h"
#include "LinkChannel.h"
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedChannel : public LinkChannel {
public:
  explicit ScriptedChannel(FakeTarget& target) : target_(target) {}

  bool read_bytes(uint8_t* destination, std::size_t count, uint32_t timeout_ms) override;
  bool send_and_wait(const uint8_t* data, std::size_t length) override;
  void flush_queue() override { queue.clear(); }
  void print(const std::string& text) override { printed += text; }
  bool pause(uint32_t milliseconds) override;
  bool running() const override { return operation_running; }

  std::deque<uint8_t> queue;
  std::string printed;
  uint64_t clock_ms = 0;
  bool operation_running = true;
  // Sends that do not complete (the connector gave them up).
  bool sends_fail = false;
  std::vector<Bytes> sent;
  // Runs when a read finds fewer bytes than it wants, before it times out:
  // the moment a user would cancel a waiting operation.
  std::function<void()> when_starved;

private:
  FakeTarget& target_;
};
