#include "ConnectionSettings.h"
#include "app/AfxMessageBox.h"
#include <cstdlib>
#include <windows.h>

namespace {

bool create_empty_file(const char* path)
{
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  CloseHandle(file);
  return true;
}

}  // namespace

bool ConnectionSettings::load_high_speed_setting()
{
  high_speed_allowed_ = 0;
  if (!settings_.set_path_if_exists(kSettingsFile)) {
    if (!create_empty_file(kSettingsFile) || !settings_.set_path_if_exists(kSettingsFile)) {
      AfxMessageBox(kSettingsMissingText, MB_OK);
      return false;
    }
    settings_.write_key(kConnectionSection, kHighSpeedEnableKey, "1", true);
  }
  if (std::atoi(settings_.read_key(kConnectionSection, kHighSpeedEnableKey).c_str()) != 0) {
    high_speed_allowed_ = 1;
  }
  return true;
}

ConnectionSettings::HighSpeedControls ConnectionSettings::high_speed_controls(const PortInfo& port) const
{
  if (high_speed_allowed_ == 0) {
    return {HighSpeedControls::kUnchanged, {}, 0};
  }
  if (port.usb_or_pci == 0) {
    return {HighSpeedControls::kHidden, {}, 0};
  }
  return {HighSpeedControls::kShown, {std::to_string(port.high_baud), std::to_string(port.baud)}, port.high_speed};
}

std::vector<std::string> ConnectionSettings::baud_texts()
{
  std::vector<std::string> texts;
  for (uint32_t rate : kBaudRates) {
    texts.push_back(std::to_string(rate));
  }
  return texts;
}

void ConnectionSettings::choose_baud(PortInfo& port, int32_t index)
{
  if (index < 0 || index >= kBaudRateCount) {
    return;
  }
  port.baud_index = index;
  port.baud = static_cast<int32_t>(kBaudRates[index]);
}

bool ConnectionSettings::user_baud_is_valid(uint32_t rate)
{
  return rate >= kMinUserBaud && rate <= kMaxUserBaud;
}

std::size_t ConnectionSettings::select_or_add_rate(std::vector<std::string>& rates, uint32_t rate)
{
  for (std::size_t i = 0; i < rates.size(); ++i) {
    if (std::atoi(rates[i].c_str()) == static_cast<int>(rate)) {
      return i;
    }
  }
  rates.push_back(std::to_string(rate));
  return rates.size() - 1;
}
