#pragma once
#include "FlashBlockEntry.h"

#include <cstdint>
#include <vector>

// The tailor view's copy of one block of a DM header: its table entry, where its
// header stands, and a copy of its data that the record owns.
struct BlockRecord {
  FlashBlockEntry entry;
  uint32_t header_position = 0;
  uint32_t index_in_header = 0;
  uint8_t header_number = 0;  // 1 for the first header found
  std::vector<uint8_t> data;
};
