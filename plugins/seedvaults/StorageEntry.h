#pragma once
#include "StorageHeader.h"
#include <cstdint>
#include <string>

// Object types of a directory entry.
constexpr uint8_t kEntryUnused = 0;
constexpr uint8_t kEntryStorage = 1;
constexpr uint8_t kEntryStream = 2;
constexpr uint8_t kEntryRoot = 5;

// One 128-byte directory entry of a compound file.
struct StorageEntry {
  char16_t name[32] = {};
  uint16_t name_length = 0; // in bytes, terminator included
  uint8_t type = kEntryStorage;
  uint8_t colour = 1;
  uint32_t left_sibling = kNoEntry;
  uint32_t right_sibling = kNoEntry;
  uint32_t child = kNoEntry;
  uint32_t class_id[4] = {0, 0, 0, 0};
  uint32_t state_bits = 0;
  uint32_t creation_time[2] = {0, 0};
  uint32_t modification_time[2] = {0, 0};
  uint32_t starting_sector = kEndOfChain;
  uint32_t stream_size = 0; // the low 32 bits; the high half is not read

  void decode(const uint8_t* bytes);
  void encode(uint8_t* bytes) const;
  // The name up to its terminator, bounded by the 32-unit field.
  std::u16string name_text() const;
  void set_name(const std::u16string& text);
  bool is_empty() const { return name_text().empty(); }
};
