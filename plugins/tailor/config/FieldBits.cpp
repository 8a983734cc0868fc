#include "FieldBits.h"

#include <algorithm>

std::size_t field_first_byte(uint32_t bit_offset)
{
  return bit_offset / 8;
}

std::size_t field_byte_count(uint32_t bit_offset, uint32_t bit_length)
{
  uint64_t end_bit = uint64_t(bit_offset) + bit_length;
  return static_cast<std::size_t>((end_bit + 7) / 8 - bit_offset / 8);
}

uint64_t read_field_bits(const uint8_t* base, uint32_t bit_offset, uint32_t bit_length)
{
  uint32_t count = std::min(bit_length, kMaxFieldValueBits);
  uint64_t value = 0;
  for (uint32_t k = 0; k < count; ++k) {
    uint64_t bit = uint64_t(bit_offset) + k;
    if (base[bit / 8] >> (bit % 8) & 1)
      value |= uint64_t(1) << k;
  }
  return value;
}

void write_field_bits(uint8_t* base, uint32_t bit_offset, uint32_t bit_length, uint64_t value)
{
  uint32_t count = std::min(bit_length, kMaxFieldValueBits);
  for (uint32_t k = 0; k < count; ++k) {
    uint64_t bit = uint64_t(bit_offset) + k;
    uint8_t mask = static_cast<uint8_t>(1u << (bit % 8));
    if (value >> k & 1)
      base[bit / 8] |= mask;
    else
      base[bit / 8] &= static_cast<uint8_t>(~mask);
  }
}
