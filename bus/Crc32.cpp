#include "Crc32.h"

void crc32_build_table(uint32_t table[256])
{
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t entry = i;
    for (int bit = 0; bit < 8; ++bit)
      entry = (entry & 1) ? (entry >> 1) ^ 0xEDB88320u : entry >> 1;
    table[i] = entry;
  }
}

uint32_t crc32_update(const uint32_t table[256], uint32_t value, const void* bytes, std::size_t count)
{
  const unsigned char* data = static_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < count; ++i)
    value = table[(value ^ data[i]) & 0xFF] ^ (value >> 8);
  return value;
}
