#pragma once
// One block of a flash image's block table, in the 48-byte form that both image
// forms store and that the target reports during a block upgrade. Header only,
// so that every plug-in that meets the table can include it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

const std::size_t kFlashBlockEntrySize = 48;
const std::size_t kFlashBlockNameSize = 8;
const std::size_t kFlashBlockTimeSize = 16;
// The CRC word of a block that carries no CRC: the characters "NCRC".
const uint32_t kNoCrcWord = 0x4352434E;
// Alignment flag value: a moved block starts on a 64 KB boundary.
const uint8_t kAlignTo64K = 1;

struct FlashBlockEntry {
  uint8_t id = 0;
  uint8_t alignment = 0;
  uint8_t unused_2[2] = {};
  uint32_t offset = 0;   // from the image start (bank form) or the DM header (DM form)
  uint32_t length = 0;
  uint32_t crc = 0;      // CRC-32 of the data, or kNoCrcWord
  uint32_t version = 0;
  uint8_t unused_20[4] = {};
  char name[kFlashBlockNameSize] = {};  // NUL-padded, unterminated when full
  char time[kFlashBlockTimeSize] = {};

  static FlashBlockEntry from_bytes(const uint8_t* bytes)
  {
    FlashBlockEntry entry;
    entry.id = bytes[0];
    entry.alignment = bytes[1];
    std::memcpy(entry.unused_2, bytes + 2, 2);
    entry.offset = read_u32(bytes + 4);
    entry.length = read_u32(bytes + 8);
    entry.crc = read_u32(bytes + 12);
    entry.version = read_u32(bytes + 16);
    std::memcpy(entry.unused_20, bytes + 20, 4);
    std::memcpy(entry.name, bytes + 24, kFlashBlockNameSize);
    std::memcpy(entry.time, bytes + 32, kFlashBlockTimeSize);
    return entry;
  }

  void to_bytes(uint8_t* bytes) const
  {
    bytes[0] = id;
    bytes[1] = alignment;
    std::memcpy(bytes + 2, unused_2, 2);
    write_u32(bytes + 4, offset);
    write_u32(bytes + 8, length);
    write_u32(bytes + 12, crc);
    write_u32(bytes + 16, version);
    std::memcpy(bytes + 20, unused_20, 4);
    std::memcpy(bytes + 24, name, kFlashBlockNameSize);
    std::memcpy(bytes + 32, time, kFlashBlockTimeSize);
  }

  // The name as text: up to its first NUL, at most 8 characters.
  std::string name_text() const { return bounded_text(name, kFlashBlockNameSize); }
  std::string time_text() const { return bounded_text(time, kFlashBlockTimeSize); }

  // Whether the name begins with the given characters (at most 8 compared).
  bool name_begins_with(const char* prefix) const
  {
    std::size_t count = std::strlen(prefix);
    return count <= kFlashBlockNameSize && std::strncmp(name, prefix, count) == 0;
  }

  bool carries_crc() const { return crc != kNoCrcWord; }

  static uint32_t read_u32(const uint8_t* bytes)
  {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
  }

  static void write_u32(uint8_t* bytes, uint32_t value)
  {
    for (int i = 0; i < 4; ++i)
      bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  }

private:
  static std::string bounded_text(const char* text, std::size_t size)
  {
    std::size_t length = 0;
    while (length < size && text[length] != '\0')
      ++length;
    return std::string(text, length);
  }
};

static_assert(sizeof(FlashBlockEntry) == kFlashBlockEntrySize, "a block-table entry is 48 bytes");
