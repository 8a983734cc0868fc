#pragma once
#include "IniFile.h"
#include "PortInfo.h"
#include <cstdint>
#include <string>
#include <vector>

constexpr char kConnectionSection[] = "COM connection";
constexpr char kHighSpeedEnableKey[] = "Highspeed_control_enable";
constexpr char kSettingsMissingText[] = "Can't Find the ini File!";
// The high rates the user may enter.
constexpr uint32_t kMinUserBaud = 9600;
constexpr uint32_t kMaxUserBaud = 2048000;

// What the connection view decides about the ports' rates and the high-speed
// controls, apart from its windows.
class ConnectionSettings {
public:
  // How the view treats its four high-speed controls for a port.
  struct HighSpeedControls {
    enum Visibility { kUnchanged, kShown, kHidden } visibility;
    // When shown: the high-rate list (the high rate, then the normal one)
    // and the check box's value.
    std::vector<std::string> rates;
    int32_t check;
  };

  // Reads whether the high-speed controls are allowed. A missing settings
  // file is created with the permission given; false, after telling the
  // user, when it cannot be.
  bool load_high_speed_setting();
  bool high_speed_allowed() const { return high_speed_allowed_ != 0; }

  HighSpeedControls high_speed_controls(const PortInfo& port) const;

  // The baud list's texts, in the baud table's order.
  static std::vector<std::string> baud_texts();
  static void choose_baud(PortInfo& port, int32_t index);
  static bool user_baud_is_valid(uint32_t rate);
  // Selects the first list item whose number is the rate, or adds one;
  // returns the index to select.
  static std::size_t select_or_add_rate(std::vector<std::string>& rates, uint32_t rate);

private:
  int32_t high_speed_allowed_ = 0;
  IniFile settings_;
};
