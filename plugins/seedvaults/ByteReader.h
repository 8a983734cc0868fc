#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian reading of a bounded byte range. A read past the end yields
// zeros and leaves the reader failed, so a decoder checks ok() once at the end
// instead of before every field.
class ByteReader {
public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  double f64();
  // Returns the next count bytes, or null (and fails) when fewer remain.
  const uint8_t* take(std::size_t count);

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return size_ - position_; }
  bool ok() const { return ok_; }

private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

uint16_t load_u16(const uint8_t* bytes);
uint32_t load_u32(const uint8_t* bytes);

void put_u8(std::vector<uint8_t>& out, uint8_t value);
void put_u16(std::vector<uint8_t>& out, uint16_t value);
void put_u32(std::vector<uint8_t>& out, uint32_t value);
void put_f64(std::vector<uint8_t>& out, double value);
void store_u16(uint8_t* at, uint16_t value);
void store_u32(uint8_t* at, uint32_t value);
