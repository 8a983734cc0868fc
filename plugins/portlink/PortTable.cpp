#include "PortTable.h"

namespace {

// The friendly-name pattern keeps this much of a port's name.
constexpr std::size_t kPatternNameLength = 28;

bool contains(const std::string& text, const char* part)
{
  return text.find(part) != std::string::npos;
}

}  // namespace

PortTable::PortTable()
{
  entries_.reserve(kInitialCapacity);
}

void PortTable::clear()
{
  entries_.clear();
}

bool PortTable::add_registry_value(const std::string& value_name, const std::string& port_name)
{
  if (contains(value_name, "odem")) {
    return false;
  }
  for (const PortInfo& port : entries_) {
    if (port.name == port_name) {
      return false;
    }
  }
  PortInfo port;
  port.name = port_name;
  entries_.push_back(port);
  return true;
}

void PortTable::apply_friendly_name(const std::string& friendly_name, bool usb_or_pci)
{
  for (PortInfo& port : entries_) {
    std::string pattern = port.name.substr(0, kPatternNameLength) + ")";
    if (contains(friendly_name, pattern.c_str())) {
      port.usb_or_pci = usb_or_pci ? 1 : 0;
      port.friendly_name = friendly_name;
      return;
    }
  }
}

bool PortTable::device_path_is_usb_or_pci(const std::string& device_path)
{
  return contains(device_path, "pci") || contains(device_path, "usb") ||
         (contains(device_path, "pid") && contains(device_path, "vid"));
}
