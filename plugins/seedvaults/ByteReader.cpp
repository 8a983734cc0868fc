#include "ByteReader.h"
#include <cstring>

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
