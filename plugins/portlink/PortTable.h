#pragma once
#include "PortInfo.h"
#include <string>
#include <vector>

// The ports found by enumeration, built from the serial-port registry values
// and the device-setup friendly names.
class PortTable {
public:
  static constexpr std::size_t kInitialCapacity = 16;

  PortTable();

  void clear();
  // Adds the port a registry value names; skips modems and ports already in
  // the table. True when an entry was added.
  bool add_registry_value(const std::string& value_name, const std::string& port_name);
  // Gives the friendly name to the first port whose name and a closing
  // parenthesis occur in it, e.g. "USB Serial Port (COM3)" to COM3.
  void apply_friendly_name(const std::string& friendly_name, bool usb_or_pci);
  // The device path of an adapter that may run at a high rate.
  static bool device_path_is_usb_or_pci(const std::string& device_path);

  std::vector<PortInfo>& entries() { return entries_; }
  const std::vector<PortInfo>& entries() const { return entries_; }

private:
  std::vector<PortInfo> entries_;
};
