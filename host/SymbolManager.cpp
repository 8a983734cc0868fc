#include "SymbolManager.h"
#include "ComponentNames.h"
#include "HostMessage.h"
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

bool all_blanks(const std::string& line, std::size_t first, std::size_t count)
{
  return line.compare(first, count, std::string(count, ' ')) == 0;
}

int hex_digit(char c)
{
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Base 16 up to the first character that is no hexadecimal digit, after
// leading blanks and an optional 0x; false when the value needs more than
// 32 bits.
bool parse_address(const std::string& text, uint32_t& value)
{
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    i += 2;
  }
  uint64_t result = 0;
  for (; i < text.size() && hex_digit(text[i]) >= 0; ++i) {
    result = result * 16 + static_cast<uint64_t>(hex_digit(text[i]));
    if (result > 0xFFFFFFFFu) {
      return false;
    }
  }
  value = static_cast<uint32_t>(result);
  return true;
}

// The pattern "*.map" as the system matches it: the extension in any case.
bool is_map_file_name(std::string name)
{
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::string extension = std::string(kSymbolMapPattern).substr(1);
  return name.size() >= extension.size() &&
         name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

}  // namespace

SymbolManager::SymbolManager(ComponentSystem* system) : Component(kSymbolManagerName, system), loaded_(0)
{
  read_map_files();
}

bool SymbolManager::shareable() const
{
  return true;
}

std::string SymbolManager::type_name() const
{
  return "symbol management";
}

void SymbolManager::read_map_files()
{
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
    const std::string file_name = entry.path().filename().string();
    if (entry.is_directory(error) || !is_map_file_name(file_name)) {
      continue;
    }
    std::ifstream file(file_name);
    if (!file.is_open()) {
      show_host_message(kCannotOpenMapText + file_name);
      continue;
    }
    read_map(file);
  }
}

void SymbolManager::read_map(std::istream& text)
{
  std::string line;
  while (std::getline(text, line)) {
    std::string name;
    uint32_t address = 0;
    if (parse_line(line, name, address)) {
      symbols_.emplace(name, address);
      loaded_ = 1;
    }
  }
}

bool SymbolManager::parse_line(const std::string& line, std::string& name, uint32_t& address)
{
  if (line.size() <= kNameColumn || !all_blanks(line, 0, kIndent) ||
      !all_blanks(line, kIndent + kAddressWidth, kGap)) {
    return false;
  }
  uint32_t value = 0;
  if (!parse_address(line.substr(kIndent, kAddressWidth), value) || value == 0) {
    return false;
  }
  name = line.substr(kNameColumn);
  address = value;
  return true;
}
