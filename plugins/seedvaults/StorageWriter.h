#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds a compound file (version 3, 512-byte sectors) holding streams in its
// root storage: streams below 4,096 bytes go to the mini stream, larger ones
// to sectors of their own.
class StorageWriter {
public:
  // False when the name is empty or longer than 31 units, or already added.
  bool add_stream(const std::u16string& name, std::vector<uint8_t> bytes);
  std::vector<uint8_t> build() const;

private:
  struct Stream {
    std::u16string name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Stream> streams_;
};
