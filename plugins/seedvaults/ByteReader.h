#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

inline uint16_t load_u16(const uint8_t* bytes)
{
  return uint16_t(bytes[0] | (bytes[1] << 8));
}

inline uint32_t load_u32(const uint8_t* bytes)
{
  return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24);
}

// Little-endian reading of a bounded byte range. A read past the end yields
// zeros and leaves the reader failed, so a decoder checks ok() once at the end
// instead of before every field.
class ByteReader {
public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  uint8_t u8()
  {
    const uint8_t* at = take(1);
    return at ? at[0] : 0;
  }
  uint16_t u16()
  {
    const uint8_t* at = take(2);
    return at ? load_u16(at) : 0;
  }
  uint32_t u32()
  {
    const uint8_t* at = take(4);
    return at ? load_u32(at) : 0;
  }
  double f64()
  {
    const uint8_t* at = take(8);
    if (!at)
      return 0.0;
    uint64_t bits = uint64_t(load_u32(at)) | (uint64_t(load_u32(at + 4)) << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // Returns the next count bytes, or null (and fails) when fewer remain.
  const uint8_t* take(std::size_t count)
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

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return size_ - position_; }
  bool ok() const { return ok_; }

private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

void put_u8(std::vector<uint8_t>& out, uint8_t value);
void put_u16(std::vector<uint8_t>& out, uint16_t value);
void put_u32(std::vector<uint8_t>& out, uint32_t value);
void put_f64(std::vector<uint8_t>& out, double value);
void store_u16(uint8_t* at, uint16_t value);
void store_u32(uint8_t* at, uint32_t value);
