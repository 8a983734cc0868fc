#pragma once
#include <cstdint>
#include <string>

// The rates the connection view offers, in its list's order.
constexpr uint32_t kBaudRates[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200};
constexpr int32_t kBaudRateCount = sizeof kBaudRates / sizeof kBaudRates[0];
constexpr int32_t kDefaultBaudIndex = 12;
constexpr int32_t kDefaultBaud = 115200;
constexpr int32_t kDefaultHighBaud = 230400;

// One COM port the system knows, with the user's settings for it while the
// program runs.
struct PortInfo {
  std::string name;           // as the registry gives it, e.g. COM3
  std::string friendly_name;  // empty when the device has none
  int32_t usb_or_pci = 0;     // 1: the adapter may run at a high rate
  int32_t baud_index = kDefaultBaudIndex;
  int32_t baud = kDefaultBaud;
  int32_t high_speed = 0;     // the user's choice to use the high rate for bulk transfers
  int32_t high_baud = kDefaultHighBaud;
};
