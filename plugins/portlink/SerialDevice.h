#pragma once
#include "PortInfo.h"
#include <cstdint>
#include <vector>

// A read or write time-out that never ends.
constexpr int32_t kNoTimeLimit = -1;

// The serial port as the connector uses it. Reads and writes run on the
// connector's worker; cancel may come from any thread.
class SerialDevice {
public:
  virtual ~SerialDevice() = default;

  // Bytes written; fewer than asked on a time-out, an error or a closed port.
  virtual uint32_t write(const uint8_t* bytes, uint32_t count, int32_t timeout_ms) = 0;
  // Waits for the first byte, then takes it and what else has come, up to
  // size. 0 on a time-out, a cancel, an error or a closed port (which first
  // waits the time-out, 100 ms for kNoTimeLimit).
  virtual uint32_t read(uint8_t* buffer, uint32_t size, int32_t timeout_ms) = 0;
  // Breaks a waiting read; a cancel that comes before the read starts still
  // breaks it.
  virtual void cancel() = 0;
  virtual bool open(uint8_t index) = 0;
  virtual void close() = 0;
  // Lists the ports again; returns their number.
  virtual uint32_t enumerate() = 0;
  virtual std::vector<PortInfo>& ports() = 0;
  // The high rate of the open (or last opened) port.
  virtual int32_t high_baud() = 0;
  // Switches the open port to its high rate or back to its normal one.
  virtual bool set_baud(bool high) = 0;
  // An open USB or PCI port for which the user chose the high rate.
  virtual bool high_speed_usable() = 0;
};
