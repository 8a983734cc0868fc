#pragma once
// The "com connector" for tests: a worker thread of its own takes each raw
// send to a FakeTarget, reports the send's progress and broadcasts the
// target's answer, as the real connector's worker does with the port.
#include "Component.h"
#include "FakeTarget.h"
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class FakeConnector : public Component {
public:
  FakeConnector(ComponentSystem* system, FakeTarget& target);
  ~FakeConnector() override;

  bool shareable() const override { return true; }
  std::string type_name() const override { return "connector"; }
  int32_t request(BusMessage* message) override;

  // The target speaks without being asked.
  void deliver(const Bytes& bytes);
  // Returns once every send and delivery so far has been answered.
  void drain();

  std::vector<Bytes> sends() const;
  int aborts() const;

  // Sends are given up: their progress ends at 0 and the target gets nothing.
  std::atomic<bool> abort_sends{false};

private:
  struct Job {
    bool send;
    Bytes bytes;
  };

  void run();
  void broadcast_text(const Bytes& bytes);

  ComponentSystem* system_;
  FakeTarget& target_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::vector<Bytes> sends_;
  int aborts_ = 0;
  bool working_ = false;
  bool quit_ = false;
  std::thread worker_;
};
