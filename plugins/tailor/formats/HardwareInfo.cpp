#include "HardwareInfo.h"

#include <cctype>
#include <cstring>

namespace {

bool read_line(std::istream& text, std::string& line)
{
  if (!std::getline(text, line))
    return false;
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
  return true;
}

bool begins_without_case(const std::string& line, std::size_t from, const char* word)
{
  std::size_t length = std::strlen(word);
  if (line.size() - from < length)
    return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(line[from + i])) != word[i])
      return false;
  }
  return true;
}

// The token's characters after its first two (the "0x" prefix), as hexadecimal.
uint8_t hex_byte(const std::string& token)
{
  unsigned value = 0;
  for (std::size_t i = 2; i < token.size() && std::isxdigit(static_cast<unsigned char>(token[i])); ++i) {
    char digit = static_cast<char>(std::tolower(static_cast<unsigned char>(token[i])));
    value = value * 16 + (digit <= '9' ? digit - '0' : digit - 'a' + 10);
  }
  return static_cast<uint8_t>(value);
}

void store_count(uint8_t* part, std::size_t count)
{
  part[0] = static_cast<uint8_t>(count);
  part[1] = static_cast<uint8_t>(count >> 8);
}

}  // namespace

HwLineKind classify_hw_line(const std::string& line)
{
  std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos)
    return HwIgnored;
  if (begins_without_case(line, start, "//"))
    return HwComment;
  if (begins_without_case(line, start, "----"))
    return HwSeparator;
  if (begins_without_case(line, start, "panel starts"))
    return HwPanelStart;
  if (begins_without_case(line, start, "led starts"))
    return HwLedStart;
  return HwIgnored;
}

FormatResult HardwareInfo::parse_hw_info(std::istream& text)
{
  panel.fill(0);
  led.fill(0);
  std::string line;
  while (read_line(text, line)) {
    switch (classify_hw_line(line)) {
    case HwPanelStart:
      if (!parse_panel_section(text))
        return FormatResult::failure(kPanelParseFailedMessage);
      break;
    case HwLedStart:
      if (!parse_led_section(text))
        return FormatResult::failure(kLedParseFailedMessage);
      break;
    default:
      break;
    }
  }
  return FormatResult::success();
}

// Values such as "0x01," up to "##"; every value ends with a comma.
bool HardwareInfo::parse_panel_section(std::istream& text)
{
  std::size_t index = kHwCountSize;
  std::string token;
  std::string line;
  while (read_line(text, line)) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '#' && i + 1 < line.size() && line[i + 1] == '#') {
        store_count(panel.data(), index - kHwCountSize);
        return true;
      }
      if (c == ' ' || c == '\t')
        continue;
      if (c == ',' && !token.empty()) {
        if (index >= kHwPanelPartSize)
          return false;
        panel[index++] = hex_byte(token);
        token.clear();
        continue;
      }
      token += c;
    }
  }
  // A section the file ends inside is incomplete.
  return false;
}

// Entries such as "{'0', 0x3F}," up to "##": a character and a bitmap byte.
bool HardwareInfo::parse_led_section(std::istream& text)
{
  const std::size_t kMaxTokenLength = 11;
  std::size_t index = kHwCountSize;
  std::string token;
  std::string line;
  while (read_line(text, line)) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      const char next = i + 1 < line.size() ? line[i + 1] : '\0';
      if (c == '#' && next == '#') {
        store_count(led.data(), (index - kHwCountSize) / 2);
        return true;
      }
      if (c == '\t' || (c == ' ' && next != '\''))
        continue;
      const bool character_ends = c == '\'' && next == ',' && !token.empty();
      const bool bitmap_ends = c == '}' && next == ',' && !token.empty();
      if (character_ends || bitmap_ends) {
        if (index >= kHwLedPartSize)
          return false;
        led[index++] = character_ends ? static_cast<uint8_t>(token.back()) : hex_byte(token);
        token.clear();
        // The comma after a character is skipped; after a bitmap it begins the next token.
        if (character_ends)
          ++i;
        continue;
      }
      if (token.size() == kMaxTokenLength)
        token.clear();
      token += c;
    }
  }
  return false;
}

std::vector<uint8_t> HardwareInfo::block() const
{
  std::vector<uint8_t> bytes(panel.begin(), panel.end());
  bytes.insert(bytes.end(), led.begin(), led.end());
  return bytes;
}
