#include "BiffString.h"
#include <algorithm>

void BiffText::append_characters(std::vector<uint8_t>& out) const
{
  if (wide)
    for (char16_t unit : wide_text)
      put_u16(out, uint16_t(unit));
  else
    out.insert(out.end(), narrow.begin(), narrow.end());
}

BiffText narrow_text(const std::string& text)
{
  BiffText result;
  result.narrow = text;
  return result;
}

BiffText wide_text(const std::u16string& text)
{
  BiffText result;
  result.wide = true;
  result.wide_text = text;
  return result;
}

bool read_short_string(ByteReader& in, BiffText& text)
{
  uint8_t count = in.u8();
  text.wide = (in.u8() & kStringWide) != 0;
  text.narrow.clear();
  text.wide_text.clear();
  const uint8_t* characters = in.take(std::size_t(count) * (text.wide ? 2 : 1));
  if (!characters)
    return false;
  if (text.wide)
    for (std::size_t i = 0; i < count; ++i)
      text.wide_text.push_back(char16_t(load_u16(characters + 2 * i)));
  else
    text.narrow.assign(reinterpret_cast<const char*>(characters), count);
  return in.ok();
}

void write_short_string(std::vector<uint8_t>& out, const BiffText& text)
{
  put_u8(out, uint8_t(text.length()));
  put_u8(out, text.wide ? kStringWide : 0);
  text.append_characters(out);
}

namespace {

// Reads count characters at position that may run over piece starts, each
// later part behind a flags byte that gives its width.
bool read_string_parts(const uint8_t* data, std::size_t size, const std::vector<std::size_t>& piece_starts,
                       bool part_wide, std::size_t count, std::size_t& position, BiffText& text)
{
  bool any_wide = false;
  std::u16string units;
  units.reserve(std::min<std::size_t>(count, size - position));
  std::size_t remaining = count;
  while (remaining > 0) {
    auto next = std::upper_bound(piece_starts.begin(), piece_starts.end(), position);
    std::size_t boundary = next == piece_starts.end() ? size : *next;
    std::size_t width = part_wide ? 2 : 1;
    std::size_t taken = std::min(remaining, (boundary - position) / width);
    for (std::size_t i = 0; i < taken; ++i)
      units.push_back(part_wide ? char16_t(load_u16(&data[position + 2 * i])) : char16_t(data[position + i]));
    any_wide = any_wide || (part_wide && taken > 0);
    remaining -= taken;
    position += taken * width;
    if (remaining == 0)
      break;
    // The characters go on in the next piece, behind a flags byte of their own.
    if (position != boundary || boundary == size)
      return false;
    part_wide = (data[position] & kStringWide) != 0;
    ++position;
  }
  text.wide = any_wide;
  if (any_wide)
    text.wide_text = std::move(units);
  else
    for (char16_t unit : units)
      text.narrow.push_back(char(uint8_t(unit)));
  return true;
}

}

bool read_long_string(const uint8_t* data, std::size_t size, const std::vector<std::size_t>& piece_starts,
                      std::size_t& position, SstString& string)
{
  ByteReader in(data + position, size - position);
  uint16_t count = in.u16();
  uint8_t flags = in.u8();
  string.run_count = (flags & kStringRich) ? in.u16() : 0;
  string.phonetic_size = (flags & kStringPhonetic) ? in.u32() : 0;
  if (!in.ok())
    return false;
  position += in.position();

  BiffText& text = string.text;
  text.wide = false;
  text.narrow.clear();
  text.wide_text.clear();
  bool wide = (flags & kStringWide) != 0;
  auto next = std::upper_bound(piece_starts.begin(), piece_starts.end(), position);
  std::size_t room = (next == piece_starts.end() ? size : *next) - position;
  // An 8-bit string that its piece holds whole is taken as it stands.
  if (!wide && count <= room) {
    text.narrow.assign(reinterpret_cast<const char*>(data + position), count);
    position += count;
  } else if (!read_string_parts(data, size, piece_starts, wide, count, position, text)) {
    return false;
  }

  std::size_t trailing = std::size_t(string.run_count) * 4 + string.phonetic_size;
  if (trailing > size - position)
    return false;
  position += trailing;
  return true;
}

void write_long_string(std::vector<uint8_t>& out, const BiffText& text)
{
  put_u16(out, uint16_t(text.length()));
  put_u8(out, text.wide ? kStringWide : 0);
  text.append_characters(out);
}
