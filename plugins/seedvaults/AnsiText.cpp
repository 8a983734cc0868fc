#include "AnsiText.h"
#include <windows.h>

namespace {

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
