#include "ConnectionSettings.h"
#include "TemporaryDirectory.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string settings_text()
{
  std::ifstream in(kSettingsFile, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

PortInfo usb_port()
{
  PortInfo port;
  port.name = "COM3";
  port.usb_or_pci = 1;
  port.high_speed = 1;
  return port;
}

TEST(ConnectionSettings, FirstStartCreatesTheSettingsFileWithHighSpeedAllowed)
{
  TemporaryDirectory directory;
  ConnectionSettings settings;
  ASSERT_TRUE(settings.load_high_speed_setting());
  EXPECT_TRUE(settings.high_speed_allowed());
  EXPECT_NE(std::string::npos, settings_text().find("[COM connection]"));
  EXPECT_NE(std::string::npos, settings_text().find("Highspeed_control_enable=1"));

  ConnectionSettings::HighSpeedControls controls = settings.high_speed_controls(usb_port());
  EXPECT_EQ(ConnectionSettings::HighSpeedControls::kShown, controls.visibility);
  EXPECT_EQ((std::vector<std::string>{"230400", "115200"}), controls.rates);
  EXPECT_EQ(1, controls.check);
}

TEST(ConnectionSettings, ExistingFileDecidesAndStaysAsItIs)
{
  struct Case {
    const char* text;
    bool allowed;
  };
  const Case cases[] = {
      {"[COM connection]\r\nHighspeed_control_enable=0\r\n", false},
      {"[COM connection]\r\nHighspeed_control_enable=2\r\n", true},
      {"[ZIM]\r\nFunction_list=zim_all,\r\n", false},
      {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TemporaryDirectory directory;
    std::ofstream(kSettingsFile, std::ios::binary) << c.text;
    ConnectionSettings settings;
    ASSERT_TRUE(settings.load_high_speed_setting());
    EXPECT_EQ(c.allowed, settings.high_speed_allowed());
    EXPECT_EQ(c.text, settings_text());
  }
}

TEST(ConnectionSettings, HighSpeedControlsByPermissionAndAdapter)
{
  TemporaryDirectory directory;
  std::ofstream(kSettingsFile, std::ios::binary) << "[COM connection]\r\nHighspeed_control_enable=0\r\n";
  ConnectionSettings forbidden;
  ASSERT_TRUE(forbidden.load_high_speed_setting());
  PortInfo plain;
  EXPECT_EQ(ConnectionSettings::HighSpeedControls::kUnchanged, forbidden.high_speed_controls(usb_port()).visibility);
  EXPECT_EQ(ConnectionSettings::HighSpeedControls::kUnchanged, forbidden.high_speed_controls(plain).visibility);

  std::ofstream(kSettingsFile, std::ios::binary) << "[COM connection]\r\nHighspeed_control_enable=1\r\n";
  ConnectionSettings allowed;
  ASSERT_TRUE(allowed.load_high_speed_setting());
  EXPECT_EQ(ConnectionSettings::HighSpeedControls::kHidden, allowed.high_speed_controls(plain).visibility);
}

TEST(ConnectionSettings, SettingsFileThatCannotBeCreatedIsReported)
{
  TemporaryDirectory directory;
  // A folder by the settings file's name keeps the file from being made.
  ASSERT_TRUE(CreateDirectoryA(kSettingsFile, nullptr));
  ConnectionSettings settings;
  bool loaded = true;
  std::thread loader([&] { loaded = settings.load_high_speed_setting(); });
  EXPECT_EQ(kSettingsMissingText, windriver::answer_message_box(GetCurrentProcessId()));
  loader.join();
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(settings.high_speed_allowed());
  RemoveDirectoryA(kSettingsFile);
}

TEST(ConnectionSettings, BaudListAndChoice)
{
  std::vector<std::string> texts = ConnectionSettings::baud_texts();
  ASSERT_EQ(13u, texts.size());
  EXPECT_EQ("110", texts.front());
  EXPECT_EQ("115200", texts.back());

  PortInfo port;
  ConnectionSettings::choose_baud(port, 6);
  EXPECT_EQ(6, port.baud_index);
  EXPECT_EQ(9600, port.baud);
  ConnectionSettings::choose_baud(port, 13);
  ConnectionSettings::choose_baud(port, -1);
  EXPECT_EQ(9600, port.baud);
}

TEST(ConnectionSettings, UserHighRates)
{
  struct Case {
    uint32_t rate;
    bool valid;
  };
  for (Case c : {Case{9599, false}, Case{9600, true}, Case{256000, true}, Case{2048000, true}, Case{2048001, false}}) {
    SCOPED_TRACE(c.rate);
    EXPECT_EQ(c.valid, ConnectionSettings::user_baud_is_valid(c.rate));
  }

  std::vector<std::string> rates{"230400", "115200"};
  EXPECT_EQ(1u, ConnectionSettings::select_or_add_rate(rates, 115200));
  EXPECT_EQ(2u, ConnectionSettings::select_or_add_rate(rates, 256000));
  EXPECT_EQ((std::vector<std::string>{"230400", "115200", "256000"}), rates);
}

}  // namespace
