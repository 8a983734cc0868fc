#include "StorageEntry.h"
#include "ByteReader.h"
#include <algorithm>
#include <cstring>

void StorageEntry::decode(const uint8_t* bytes)
{
  ByteReader in(bytes, kDirectoryEntrySize);
  for (char16_t& unit : name)
    unit = in.u16();
  name_length = in.u16();
  type = in.u8();
  colour = in.u8();
  left_sibling = in.u32();
  right_sibling = in.u32();
  child = in.u32();
  for (uint32_t& part : class_id)
    part = in.u32();
  state_bits = in.u32();
  creation_time[0] = in.u32();
  creation_time[1] = in.u32();
  modification_time[0] = in.u32();
  modification_time[1] = in.u32();
  starting_sector = in.u32();
  stream_size = in.u32();
}

void StorageEntry::encode(uint8_t* bytes) const
{
  std::memset(bytes, 0, kDirectoryEntrySize);
  for (int i = 0; i < 32; ++i)
    store_u16(bytes + 2 * i, name[i]);
  store_u16(bytes + 64, name_length);
  bytes[66] = type;
  bytes[67] = colour;
  store_u32(bytes + 68, left_sibling);
  store_u32(bytes + 72, right_sibling);
  store_u32(bytes + 76, child);
  for (int i = 0; i < 4; ++i)
    store_u32(bytes + 80 + 4 * i, class_id[i]);
  store_u32(bytes + 96, state_bits);
  store_u32(bytes + 100, creation_time[0]);
  store_u32(bytes + 104, creation_time[1]);
  store_u32(bytes + 108, modification_time[0]);
  store_u32(bytes + 112, modification_time[1]);
  store_u32(bytes + 116, starting_sector);
  store_u32(bytes + 120, stream_size);
}

std::u16string StorageEntry::name_text() const
{
  std::size_t units = std::min<std::size_t>(name_length / 2, 32);
  std::u16string text(name, units);
  std::size_t end = text.find(u'\0');
  if (end != std::u16string::npos)
    text.resize(end);
  return text;
}

void StorageEntry::set_name(const std::u16string& text)
{
  std::size_t units = std::min<std::size_t>(text.size(), 31);
  std::fill(std::begin(name), std::end(name), u'\0');
  std::copy(text.begin(), text.begin() + units, name);
  name_length = uint16_t((units + 1) * 2);
}
