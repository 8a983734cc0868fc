#include "FakeConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include <algorithm>

namespace {

// The real connector reads and broadcasts at most this much at a time.
constexpr std::size_t kChunk = 1024;

}  // namespace

FakeConnector::FakeConnector(ComponentSystem* system, FakeTarget& target)
    : Component(kConnectorName, system), system_(system), target_(target), worker_([this] { run(); })
{
}

FakeConnector::~FakeConnector()
{
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    changed_.notify_all();
  }
  worker_.join();
}

int32_t FakeConnector::request(BusMessage* message)
{
  std::lock_guard<std::mutex> lock(mutex_);
  switch (message->type) {
  case BUS_SEND_RAW: {
    const uint8_t* bytes = static_cast<const uint8_t*>(message->data);
    jobs_.push_back({true, Bytes(bytes, bytes + message->len)});
    sends_.push_back(jobs_.back().bytes);
    changed_.notify_all();
    return 1;
  }
  case BUS_QUERY_BUSY:
    return working_ || std::any_of(jobs_.begin(), jobs_.end(), [](const Job& job) { return job.send; }) ? 1 : 0;
  case BUS_ABORT:
    ++aborts_;
    return 0;
  default:
    return 0;
  }
}

void FakeConnector::deliver(const Bytes& bytes)
{
  std::lock_guard<std::mutex> lock(mutex_);
  jobs_.push_back({false, bytes});
  changed_.notify_all();
}

void FakeConnector::drain()
{
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !working_; });
}

std::vector<Bytes> FakeConnector::sends() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return sends_;
}

int FakeConnector::aborts() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return aborts_;
}

void FakeConnector::run()
{
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
    if (quit_) {
      return;
    }
    Job job = jobs_.front();
    jobs_.pop_front();
    working_ = true;
    lock.unlock();
    if (job.send) {
      bool aborted = abort_sends;
      uint32_t sent = aborted ? 0 : static_cast<uint32_t>(job.bytes.size());
      BusMessage progress{BUS_SEND_PROGRESS, 4, &sent};
      system_->broadcast(this, &progress);
      if (!aborted) {
        broadcast_text(target_.receive(job.bytes));
      }
    } else {
      broadcast_text(job.bytes);
    }
    lock.lock();
    working_ = false;
    changed_.notify_all();
  }
}

void FakeConnector::broadcast_text(const Bytes& bytes)
{
  for (std::size_t start = 0; start < bytes.size(); start += kChunk) {
    Bytes chunk(bytes.begin() + start, bytes.begin() + std::min(bytes.size(), start + kChunk));
    BusMessage text{BUS_TEXT, static_cast<int32_t>(chunk.size()), chunk.data()};
    system_->broadcast(this, &text);
  }
}
