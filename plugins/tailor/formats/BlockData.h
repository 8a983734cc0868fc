#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

// A block's data: bytes of its own, or a run of a buffer it shares (the
// analysed image, or another record's bytes). Records that copy each other
// share until one of them edits: the edit gives that record bytes of its own
// first, so no other record sees the change, and replacing one record's data
// never frees bytes that another still reads.
class BlockData {
public:
  BlockData() = default;
  BlockData(std::vector<uint8_t> bytes);
  BlockData(const uint8_t* first, std::size_t count);
  // count bytes of source from offset on; they must lie inside it.
  BlockData(std::shared_ptr<std::vector<uint8_t>> source, std::size_t offset, std::size_t count);

  // A copy of the bytes.
  std::vector<uint8_t> bytes() const { return std::vector<uint8_t>(begin(), end()); }
  // The bytes to change; copied first while they are shared.
  std::vector<uint8_t>& edit();

  std::size_t size() const;
  bool empty() const { return size() == 0; }
  const uint8_t* data() const;
  const uint8_t* begin() const { return data(); }
  const uint8_t* end() const { return data() + size(); }
  uint8_t operator[](std::size_t index) const { return data()[index]; }

  bool shares_bytes_with(const BlockData& other) const;

private:
  std::shared_ptr<std::vector<uint8_t>> source_;
  // A run of the source; otherwise the whole source, whatever its size.
  bool run_ = false;
  std::size_t offset_ = 0;
  std::size_t count_ = 0;
};

bool operator==(const BlockData& a, const BlockData& b);
bool operator==(const BlockData& a, const std::vector<uint8_t>& b);
inline bool operator==(const std::vector<uint8_t>& a, const BlockData& b) { return b == a; }
inline bool operator!=(const BlockData& a, const BlockData& b) { return !(a == b); }

// Test failures print the size, not megabytes of bytes.
inline std::ostream& operator<<(std::ostream& out, const BlockData& data)
{
  return out << "block data of " << data.size() << " bytes";
}
