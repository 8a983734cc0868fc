#include "SstRecord.h"
#include "ByteReader.h"
#include <algorithm>

bool SstRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  total_count = in.u32();
  unique_count = in.u32();
  if (!in.ok())
    return false;
  strings.clear();
  // Every string takes at least 3 bytes: the count does not decide the memory taken.
  strings.reserve(std::min<std::size_t>(unique_count, size / 3));
  std::size_t position = in.position();
  while (strings.size() < unique_count && position < size) {
    SstString string;
    if (!read_long_string(data, size, continue_offsets_, position, string))
      return false;
    strings.push_back(std::move(string));
  }
  return true;
}

std::vector<std::vector<uint8_t>> SstRecord::pieces() const
{
  std::vector<std::vector<uint8_t>> result(1);
  put_u32(result.back(), total_count);
  put_u32(result.back(), uint32_t(strings.size()));
  for (const SstString& string : strings) {
    const BiffText& text = string.text;
    std::size_t width = text.wide ? 2 : 1;
    std::size_t first_part = text.length() > 0 ? width : 0;
    if (result.back().size() + 3 + first_part > kMaxPieceData)
      result.emplace_back();
    put_u16(result.back(), uint16_t(text.length()));
    put_u8(result.back(), text.wide ? kStringWide : 0);
    std::vector<uint8_t> characters;
    text.append_characters(characters);
    std::size_t at = 0;
    while (true) {
      std::size_t room = (kMaxPieceData - result.back().size()) / width * width;
      std::size_t taken = std::min(room, characters.size() - at);
      result.back().insert(result.back().end(), characters.begin() + at, characters.begin() + at + taken);
      at += taken;
      if (at == characters.size())
        break;
      result.emplace_back();
      put_u8(result.back(), text.wide ? kStringWide : 0);
    }
  }
  return result;
}

std::size_t SstRecord::write(std::vector<uint8_t>& out) const
{
  std::size_t before = out.size();
  std::vector<std::vector<uint8_t>> parts = pieces();
  for (std::size_t i = 0; i < parts.size(); ++i) {
    put_record_header(out, i == 0 ? code_ : kCodeContinue, parts[i].size());
    out.insert(out.end(), parts[i].begin(), parts[i].end());
  }
  return out.size() - before;
}

std::size_t SstRecord::data_size() const
{
  std::size_t size = 0;
  for (const std::vector<uint8_t>& part : pieces())
    size += part.size();
  return size;
}

std::size_t SstRecord::record_size() const
{
  std::vector<std::vector<uint8_t>> parts = pieces();
  std::size_t size = kRecordHeaderSize * parts.size();
  for (const std::vector<uint8_t>& part : parts)
    size += part.size();
  return size;
}
