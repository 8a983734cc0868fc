#include "Crc32.h"
#include "Crc32Paths.h"

#include <cstring>

namespace {

// Without the processor's carry-less multiplication, long inputs are cut into
// four lanes of equal length, run side by side eight bytes a step (independent
// lanes keep the processor busy while a table read is under way), and joined
// at the end. Every table is derived from the
// caller's, so any reflected table gives its own CRC.
const int kLanes = 4;
const int kStep = 8;
// Below this many bytes deriving the tables costs more than it saves.
const std::size_t kLaneThreshold = 4096;

uint32_t bytewise(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count)
{
  for (std::size_t i = 0; i < count; ++i)
    value = table[(value ^ data[i]) & 0xFF] ^ (value >> 8);
  return value;
}

// slice[k][b]: the effect of byte b followed by k zero bytes.
struct Slices {
  explicit Slices(const uint32_t table[256])
  {
    std::memcpy(slice[0], table, sizeof slice[0]);
    for (int k = 1; k < kStep; ++k) {
      for (int i = 0; i < 256; ++i)
        slice[k][i] = (slice[k - 1][i] >> 8) ^ table[slice[k - 1][i] & 0xFF];
    }
  }

  uint32_t step(uint32_t value, const unsigned char* data) const
  {
    uint32_t low;
    uint32_t high;
    // korvo runs on x86 only: a word read from memory holds its bytes in
    // stream order, the first one lowest.
    std::memcpy(&low, data, 4);
    std::memcpy(&high, data + 4, 4);
    low ^= value;
    return slice[7][low & 0xFF] ^ slice[6][(low >> 8) & 0xFF] ^ slice[5][(low >> 16) & 0xFF] ^
           slice[4][low >> 24] ^ slice[3][high & 0xFF] ^ slice[2][(high >> 8) & 0xFF] ^
           slice[1][(high >> 16) & 0xFF] ^ slice[0][high >> 24];
  }

  uint32_t slice[kStep][256];
};

// Product of two polynomials modulo the reflected polynomial, in the
// reflected bit order of the CRC register (bit 31 is x^0).
uint32_t multiply(uint32_t a, uint32_t b, uint32_t polynomial)
{
  uint32_t product = 0;
  for (uint32_t bit = 1u << 31; bit != 0; bit >>= 1) {
    if (a & bit)
      product ^= b;
    b = (b & 1) ? (b >> 1) ^ polynomial : b >> 1;
  }
  return product;
}

// The register after value is followed by count zero bytes: value times
// x^(8 count).
uint32_t shift_by_zero_bytes(uint32_t value, std::size_t count, uint32_t polynomial)
{
  uint32_t power = 1u << 23;  // x^8
  for (; count != 0; count >>= 1) {
    if (count & 1)
      value = multiply(power, value, polynomial);
    power = multiply(power, power, polynomial);
  }
  return value;
}

uint32_t in_lanes(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count)
{
  const Slices slices(table);
  const std::size_t lane_length = count / (kLanes * kStep) * kStep;
  // Without start value or final complement the register is linear: each lane
  // after the first starts at 0 and is joined by shifting the ones before it.
  uint32_t lanes[kLanes] = {value};
  for (std::size_t at = 0; at < lane_length; at += kStep) {
    for (int k = 0; k < kLanes; ++k)
      lanes[k] = slices.step(lanes[k], data + k * lane_length + at);
  }
  // A reflected table holds its polynomial at 0x80: one bit, shifted out.
  const uint32_t polynomial = table[0x80];
  value = lanes[0];
  for (int k = 1; k < kLanes; ++k)
    value = shift_by_zero_bytes(value, lane_length, polynomial) ^ lanes[k];
  return bytewise(table, value, data + kLanes * lane_length, count - kLanes * lane_length);
}

}  // namespace

void crc32_build_table(uint32_t table[256])
{
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t entry = i;
    for (int bit = 0; bit < 8; ++bit)
      entry = (entry & 1) ? (entry >> 1) ^ 0xEDB88320u : entry >> 1;
    table[i] = entry;
  }
}

uint32_t crc32_update_by_table(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count)
{
  if (count < kLaneThreshold)
    return bytewise(table, value, data, count);
  return in_lanes(table, value, data, count);
}

uint32_t crc32_update(const uint32_t table[256], uint32_t value, const void* bytes, std::size_t count)
{
  static const bool folding = crc32_folding_supported();
  const unsigned char* data = static_cast<const unsigned char*>(bytes);
  return folding ? crc32_update_by_folding(table, value, data, count) : crc32_update_by_table(table, value, data, count);
}
