#include "ByteReader.h"
#include <cstring>

const uint8_t* ByteReader::take(std::size_t count)
{
  if (!ok_ || count > remaining()) {
    ok_ = false;
    position_ = size_;
    return nullptr;
  }
  const uint8_t* at = data_ + position_;
  position_ += count;
  return at;
}

uint8_t ByteReader::u8()
{
  const uint8_t* at = take(1);
  return at ? at[0] : 0;
}

uint16_t ByteReader::u16()
{
  const uint8_t* at = take(2);
  return at ? load_u16(at) : 0;
}

uint32_t ByteReader::u32()
{
  const uint8_t* at = take(4);
  return at ? load_u32(at) : 0;
}

double ByteReader::f64()
{
  const uint8_t* at = take(8);
  if (!at)
    return 0.0;
  uint64_t bits = uint64_t(load_u32(at)) | (uint64_t(load_u32(at + 4)) << 32);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint16_t load_u16(const uint8_t* bytes)
{
  return uint16_t(bytes[0] | (bytes[1] << 8));
}

uint32_t load_u32(const uint8_t* bytes)
{
  return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24);
}

void put_u8(std::vector<uint8_t>& out, uint8_t value)
{
  out.push_back(value);
}

void put_u16(std::vector<uint8_t>& out, uint16_t value)
{
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void put_u32(std::vector<uint8_t>& out, uint32_t value)
{
  put_u16(out, uint16_t(value));
  put_u16(out, uint16_t(value >> 16));
}

void put_f64(std::vector<uint8_t>& out, double value)
{
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  put_u32(out, uint32_t(bits));
  put_u32(out, uint32_t(bits >> 32));
}

void store_u16(uint8_t* at, uint16_t value)
{
  at[0] = uint8_t(value);
  at[1] = uint8_t(value >> 8);
}

void store_u32(uint8_t* at, uint32_t value)
{
  store_u16(at, uint16_t(value));
  store_u16(at + 2, uint16_t(value >> 16));
}
