#pragma once
#include "BlockData.h"
#include "FlashBlockEntry.h"

#include <cstdint>

// The tailor view's copy of one block of a DM header: its table entry, where its
// header stands, and its data, shared with copies of the record until edited.
struct BlockRecord {
  FlashBlockEntry entry;
  uint32_t header_position = 0;
  uint32_t index_in_header = 0;
  uint8_t header_number = 0;  // 1 for the first header found
  BlockData data;
};
