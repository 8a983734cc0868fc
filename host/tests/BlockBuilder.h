#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds a target block byte by byte, little-endian as the target sends it.
class BlockBuilder {
public:
  BlockBuilder& u8(uint32_t value)
  {
    bytes_.push_back(static_cast<uint8_t>(value));
    return *this;
  }
  BlockBuilder& u16(uint32_t value) { return u8(value).u8(value >> 8); }
  BlockBuilder& u32(uint32_t value) { return u16(value).u16(value >> 16); }
  // Exactly size bytes: the text, then zeros.
  BlockBuilder& text(const std::string& value, std::size_t size)
  {
    for (std::size_t i = 0; i < size; ++i) {
      u8(i < value.size() ? static_cast<uint8_t>(value[i]) : 0);
    }
    return *this;
  }
  BlockBuilder& zeros(std::size_t count) { return text("", count); }

  const uint8_t* data() const { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
  std::vector<uint8_t> bytes_;
};
