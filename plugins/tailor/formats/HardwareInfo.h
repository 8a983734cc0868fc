#pragma once
#include "FormatResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// The 240-byte hardware-info block: a panel part and an LED part, each a u16
// little-endian count followed by its bytes.
const std::size_t kHwPanelPartSize = 40;
const std::size_t kHwLedPartSize = 200;
const std::size_t kHwInfoBlockSize = kHwPanelPartSize + kHwLedPartSize;
const std::size_t kHwCountSize = 2;

const char kPanelParseFailedMessage[] = "error while parsing panel hw info";
const char kLedParseFailedMessage[] = "error while parsing led bitmap";
const char kHwInfoFailedMessage[] = "Parse hw info file failed";

// Kinds of line outside a section.
enum HwLineKind { HwComment = 0, HwSeparator = 1, HwPanelStart = 2, HwLedStart = 3, HwIgnored = 4 };

HwLineKind classify_hw_line(const std::string& line);

// A hardware-info text file: a panel section of hexadecimal values and an LED
// section of character and bitmap pairs, each ended by "##".
class HardwareInfo {
public:
  FormatResult parse_hw_info(std::istream& text);
  // The panel part followed by the LED part.
  std::vector<uint8_t> block() const;

  std::array<uint8_t, kHwPanelPartSize> panel{};
  std::array<uint8_t, kHwLedPartSize> led{};

private:
  bool parse_panel_section(std::istream& text);
  bool parse_led_section(std::istream& text);
};
