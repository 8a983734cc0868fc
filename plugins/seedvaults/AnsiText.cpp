#include "AnsiText.h"
#ifdef _WIN32
#include <windows.h>
#endif
#include <cstdint>

namespace {

#ifdef _WIN32
std::string convert(const char16_t* units, int count)
{
  if (count == 0)
    return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(units);
  int size = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide, count, nullptr, 0, nullptr, nullptr);
  if (size <= 0)
    return std::string();
  std::string bytes(std::size_t(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide, count, &bytes[0], size, nullptr, nullptr);
  return bytes;
}
#else
// The native test and fuzzing build: the host's code page is UTF-8. An
// unpaired surrogate becomes "?", as a character the code page lacks.
std::string convert(const char16_t* units, int count)
{
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    uint32_t code = units[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (uint32_t(units[++i]) - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = '?';
    }
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}
#endif

bool is_high_surrogate(char16_t unit)
{
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}

std::string ansi_from_wide(const std::u16string& text, std::size_t limit)
{
  std::string whole = convert(text.data(), int(text.size()));
  if (whole.size() <= limit)
    return whole;
  // Grow the prefix one character at a time: a character never splits between bytes of the field.
  std::string fitting;
  std::size_t units = 0;
  while (units < text.size()) {
    std::size_t next = units + (is_high_surrogate(text[units]) && units + 1 < text.size() ? 2 : 1);
    std::string longer = convert(text.data(), int(next));
    if (longer.size() > limit)
      break;
    fitting = std::move(longer);
    units = next;
  }
  return fitting;
}
