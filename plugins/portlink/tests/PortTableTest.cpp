#include "PortTable.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> names(const PortTable& table)
{
  std::vector<std::string> result;
  for (const PortInfo& port : table.entries()) {
    result.push_back(port.name);
  }
  return result;
}

TEST(PortTable, NewPortsGetTheDefaultSettings)
{
  PortTable table;
  ASSERT_TRUE(table.add_registry_value("\\Device\\Serial0", "COM1"));
  const PortInfo& port = table.entries().front();
  EXPECT_EQ("COM1", port.name);
  EXPECT_EQ("", port.friendly_name);
  EXPECT_EQ(0, port.usb_or_pci);
  EXPECT_EQ(12, port.baud_index);
  EXPECT_EQ(115200, port.baud);
  EXPECT_EQ(kBaudRates[port.baud_index], static_cast<uint32_t>(port.baud));
  EXPECT_EQ(0, port.high_speed);
  EXPECT_EQ(230400, port.high_baud);
}

TEST(PortTable, SkipsModemsAndPortsListedTwice)
{
  PortTable table;
  EXPECT_TRUE(table.add_registry_value("\\Device\\Serial0", "COM1"));
  EXPECT_FALSE(table.add_registry_value("\\Device\\Serial7", "COM1"));
  EXPECT_FALSE(table.add_registry_value("\\Device\\UsbModem0", "COM4"));
  EXPECT_TRUE(table.add_registry_value("\\Device\\Serial1", "COM2"));
  EXPECT_EQ((std::vector<std::string>{"COM1", "COM2"}), names(table));

  table.clear();
  EXPECT_TRUE(table.entries().empty());
}

TEST(PortTable, TableGrowsPastItsFirstCapacity)
{
  PortTable table;
  for (std::size_t i = 1; i <= PortTable::kInitialCapacity + 4; ++i) {
    EXPECT_TRUE(table.add_registry_value("\\Device\\Serial" + std::to_string(i), "COM" + std::to_string(i)));
  }
  EXPECT_EQ(PortTable::kInitialCapacity + 4, table.entries().size());
}

TEST(PortTable, FriendlyNameGoesToThePortItEndsWith)
{
  PortTable table;
  table.add_registry_value("\\Device\\Serial0", "COM1");
  table.add_registry_value("\\Device\\VCP0", "COM12");
  table.apply_friendly_name("USB Serial Port (COM12)", true);
  EXPECT_EQ("", table.entries()[0].friendly_name);
  EXPECT_EQ(0, table.entries()[0].usb_or_pci);
  EXPECT_EQ("USB Serial Port (COM12)", table.entries()[1].friendly_name);
  EXPECT_EQ(1, table.entries()[1].usb_or_pci);

  table.apply_friendly_name("Communications Port (COM1)", false);
  EXPECT_EQ("Communications Port (COM1)", table.entries()[0].friendly_name);
  table.apply_friendly_name("Printer Port (LPT1)", true);
  EXPECT_EQ(0, table.entries()[0].usb_or_pci);
}

TEST(PortTable, LongPortNamesMatchOnTheirFirst28Characters)
{
  PortTable table;
  const std::string long_name = "COM_" + std::string(30, 'x');
  table.add_registry_value("\\Device\\Long", long_name);
  table.apply_friendly_name("Adapter (" + long_name.substr(0, 28) + ")", false);
  EXPECT_EQ("Adapter (" + long_name.substr(0, 28) + ")", table.entries()[0].friendly_name);
}

TEST(PortTable, UsbAndPciAdaptersAreToldByTheirDevicePath)
{
  struct Case {
    const char* path;
    bool usb_or_pci;
  };
  const Case cases[] = {
      {"\\\\?\\usb#vid_0403&pid_6001#a1b2#{86e0d1e0-8089-11d0-9ce4-08003e301f73}", true},
      {"\\\\?\\pci#ven_1415&dev_c158#3&61aaa01&0&48#{86e0d1e0-8089-11d0-9ce4-08003e301f73}", true},
      {"\\\\?\\ftdibus#vid_0403+pid_6001+a1b2#0000#{86e0d1e0-8089-11d0-9ce4-08003e301f73}", true},
      {"\\\\?\\acpi#pnp0501#1#{86e0d1e0-8089-11d0-9ce4-08003e301f73}", false},
      {"\\\\?\\USB#VID_0403&PID_6001#A1B2#{86E0D1E0-8089-11D0-9CE4-08003E301F73}", false},
      {"\\\\?\\bth#vid_1#{86e0d1e0-8089-11d0-9ce4-08003e301f73}", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(c.usb_or_pci, PortTable::device_path_is_usb_or_pci(c.path));
  }
}

}  // namespace
