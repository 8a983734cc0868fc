#include "FakeSerialDevice.h"
#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// Long enough for any step of the connector; only a broken test waits it out.
constexpr std::chrono::seconds kHangGuard(20);

}  // namespace

void FakeSerialDevice::receive(const std::string& bytes)
{
  std::lock_guard<std::mutex> lock(mutex_);
  incoming_ += bytes;
  changed_.notify_all();
}

void FakeSerialDevice::hold_writes()
{
  std::lock_guard<std::mutex> lock(mutex_);
  held_ = true;
}

void FakeSerialDevice::permit_writes(int count)
{
  std::lock_guard<std::mutex> lock(mutex_);
  permits_ += count;
  changed_.notify_all();
}

void FakeSerialDevice::release_writes()
{
  std::lock_guard<std::mutex> lock(mutex_);
  held_ = false;
  changed_.notify_all();
}

void FakeSerialDevice::cut_write(std::size_t index, uint32_t accepted)
{
  std::lock_guard<std::mutex> lock(mutex_);
  cut_index_ = index;
  cut_accepted_ = accepted;
}

void FakeSerialDevice::acknowledge_headers()
{
  std::lock_guard<std::mutex> lock(mutex_);
  acknowledging_ = true;
}

bool FakeSerialDevice::wait_for_writes_begun(std::size_t count)
{
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, kHangGuard, [&] { return writes_begun_ >= count; });
}

bool FakeSerialDevice::wait_for_reads_begun(std::size_t count)
{
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, kHangGuard, [&] { return reads_begun_ >= count; });
}

std::vector<std::string> FakeSerialDevice::pieces() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return pieces_;
}

std::string FakeSerialDevice::written() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  std::string all;
  for (const std::string& piece : pieces_) {
    all += piece;
  }
  return all;
}

int FakeSerialDevice::cancels() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return cancels_;
}

std::vector<bool> FakeSerialDevice::baud_changes() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return baud_changes_;
}

uint32_t FakeSerialDevice::write(const uint8_t* bytes, uint32_t count, int32_t)
{
  std::unique_lock<std::mutex> lock(mutex_);
  std::size_t index = writes_begun_++;
  changed_.notify_all();
  changed_.wait(lock, [&] { return !held_ || permits_ > 0; });
  if (held_) {
    --permits_;
  }
  uint32_t accepted = index == cut_index_ ? std::min(cut_accepted_, count) : count;
  pieces_.emplace_back(reinterpret_cast<const char*>(bytes), accepted);
  if (acknowledging_ && accepted == 9 && bytes[0] == '#') {
    incoming_ += '#';
  }
  changed_.notify_all();
  return accepted;
}

uint32_t FakeSerialDevice::read(uint8_t* buffer, uint32_t size, int32_t timeout_ms)
{
  std::unique_lock<std::mutex> lock(mutex_);
  ++reads_begun_;
  changed_.notify_all();
  auto ready = [&] { return cancelled_ || !incoming_.empty(); };
  if (timeout_ms < 0) {
    changed_.wait(lock, ready);
  } else {
    changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), ready);
  }
  if (cancelled_) {
    cancelled_ = false;
    return 0;
  }
  uint32_t count = std::min<uint32_t>(size, static_cast<uint32_t>(incoming_.size()));
  std::memcpy(buffer, incoming_.data(), count);
  incoming_.erase(0, count);
  return count;
}

void FakeSerialDevice::cancel()
{
  std::lock_guard<std::mutex> lock(mutex_);
  cancelled_ = true;
  ++cancels_;
  changed_.notify_all();
}

bool FakeSerialDevice::open(uint8_t)
{
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = open_result;
  return open_;
}

void FakeSerialDevice::close()
{
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = false;
}

uint32_t FakeSerialDevice::enumerate()
{
  return static_cast<uint32_t>(ports_.size());
}

std::vector<PortInfo>& FakeSerialDevice::ports()
{
  return ports_;
}

int32_t FakeSerialDevice::high_baud()
{
  return high;
}

bool FakeSerialDevice::set_baud(bool high_rate)
{
  std::lock_guard<std::mutex> lock(mutex_);
  baud_changes_.push_back(high_rate);
  return true;
}

bool FakeSerialDevice::high_speed_usable()
{
  return usable;
}
