#pragma once
#include <cstdint>
#include <string>

// One block to announce, send or read back. The block dialog fills it from a
// row of the target's block table and the file chosen for that row.
struct ZimBlockEntry {
  uint8_t id = 0;            // sent in DOWNLOAD and READ
  uint8_t announced_id = 0;  // sent in INFORM
  uint32_t byte_count = 0;
  uint32_t offset = 0;       // flash offset of the block
  std::string path;          // the file sent to the block, or receiving it
};
