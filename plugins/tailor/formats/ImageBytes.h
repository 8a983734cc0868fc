#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The analysed image's bytes, shared with the block records that read their
// data from it. Changing the image gives it bytes of its own first while
// records share them, so every record keeps the bytes it was analysed from.
class ImageBytes {
public:
  ImageBytes() = default;
  ImageBytes(std::vector<uint8_t> bytes);
  ImageBytes& operator=(std::vector<uint8_t> bytes);

  const std::vector<uint8_t>& bytes() const;
  operator const std::vector<uint8_t>&() const { return bytes(); }
  // The bytes to change; copied first while a record shares them.
  std::vector<uint8_t>& edit();
  // The buffer for records to share; null for an empty image.
  std::shared_ptr<std::vector<uint8_t>> share() const { return bytes_; }

  std::size_t size() const { return bytes().size(); }
  bool empty() const { return bytes().empty(); }
  const uint8_t* data() const { return bytes().data(); }
  std::vector<uint8_t>::const_iterator begin() const { return bytes().begin(); }
  std::vector<uint8_t>::const_iterator end() const { return bytes().end(); }
  uint8_t operator[](std::size_t index) const { return bytes()[index]; }

private:
  std::shared_ptr<std::vector<uint8_t>> bytes_;
};

inline bool operator==(const ImageBytes& a, const std::vector<uint8_t>& b) { return a.bytes() == b; }
inline bool operator==(const std::vector<uint8_t>& a, const ImageBytes& b) { return a == b.bytes(); }
