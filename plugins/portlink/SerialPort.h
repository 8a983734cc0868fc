#pragma once
#include "PortTable.h"
#include "SerialDevice.h"
#include <windows.h>
#include <atomic>

constexpr char kSetupDevicesFailedText[] = "SetupDiGetClassDevs failed.";

// A Windows COM port with overlapped I/O: 8 data bits, no parity, one stop
// bit, and reads that return as soon as bytes have come.
class SerialPort : public SerialDevice {
public:
  static constexpr DWORD kInputQueueSize = 2048;
  static constexpr DWORD kOutputQueueSize = 1024;
  // How long a read or write on a closed port waits when it has no limit.
  static constexpr DWORD kClosedPortPoll = 100;

  SerialPort();
  ~SerialPort() override;

  uint32_t write(const uint8_t* bytes, uint32_t count, int32_t timeout_ms) override;
  uint32_t read(uint8_t* buffer, uint32_t size, int32_t timeout_ms) override;
  void cancel() override;
  bool open(uint8_t index) override;
  void close() override;
  uint32_t enumerate() override;
  std::vector<PortInfo>& ports() override;
  int32_t high_baud() override;
  bool set_baud(bool high) override;
  bool high_speed_usable() override;

  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

private:
  void read_registry_ports();
  void read_friendly_names();
  bool configure(HANDLE handle, const PortInfo& port);
  // The entry of the open (or last opened) port, null when there is none.
  const PortInfo* current_port() const;
  // Takes up to size of the bytes that have come already; 0 when none has.
  uint32_t read_waiting(HANDLE handle, uint8_t* buffer, uint32_t size);
  // One overlapped read of count bytes, broken off by a cancel, the closing
  // or the time-out.
  uint32_t overlapped_read(HANDLE handle, uint8_t* buffer, uint32_t count, int32_t timeout_ms);
  // After a read that failed (a device that hung up fails every read at
  // once): waits as on a closed port, unless a cancel or the closing comes.
  void rest_after_failed_read(int32_t timeout_ms);

  PortTable table_;
  std::atomic<HANDLE> handle_;
  // Set by cancel and taken by the read it breaks.
  HANDLE cancel_event_;
  // Set while the port closes: breaks reads and writes alike.
  HANDLE closing_event_;
  OVERLAPPED read_overlapped_;
  OVERLAPPED write_overlapped_;
  // Held for a whole read or write, so that the port is closed only between
  // operations and each overlapped record serves one operation at a time.
  CRITICAL_SECTION read_lock_;
  CRITICAL_SECTION write_lock_;
  int32_t current_;
};
