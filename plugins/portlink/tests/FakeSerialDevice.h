#pragma once
#include "SerialDevice.h"
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// A port for the connector's tests: records what is written, hands out what
// the test says was received, and can hold writes back, cut them short or
// acknowledge handshake headers like a target.
class FakeSerialDevice : public SerialDevice {
public:
  // The test's side.
  void receive(const std::string& bytes);
  // Each write waits for a permit while writes are held.
  void hold_writes();
  void permit_writes(int count);
  void release_writes();
  // Write number `index` (from 0) writes only `accepted` bytes.
  void cut_write(std::size_t index, uint32_t accepted);
  // Answers every 9-byte header that starts with '#' with a '#'.
  void acknowledge_headers();
  // Waits until this many writes have begun; false when they do not.
  bool wait_for_writes_begun(std::size_t count);
  bool wait_for_reads_begun(std::size_t count);

  std::vector<std::string> pieces() const;
  std::string written() const;
  int cancels() const;
  std::vector<bool> baud_changes() const;

  bool usable = false;
  bool open_result = true;
  int32_t high = kDefaultHighBaud;

  // The connector's side.
  uint32_t write(const uint8_t* bytes, uint32_t count, int32_t timeout_ms) override;
  uint32_t read(uint8_t* buffer, uint32_t size, int32_t timeout_ms) override;
  void cancel() override;
  bool open(uint8_t index) override;
  void close() override;
  uint32_t enumerate() override;
  std::vector<PortInfo>& ports() override;
  int32_t high_baud() override;
  bool set_baud(bool high_rate) override;
  bool high_speed_usable() override;

private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string incoming_;
  std::vector<std::string> pieces_;
  std::size_t writes_begun_ = 0;
  std::size_t reads_begun_ = 0;
  bool held_ = false;
  int permits_ = 0;
  std::size_t cut_index_ = SIZE_MAX;
  uint32_t cut_accepted_ = 0;
  bool acknowledging_ = false;
  bool cancelled_ = false;
  int cancels_ = 0;
  bool open_ = false;
  std::vector<bool> baud_changes_;
  std::vector<PortInfo> ports_;
};
