#pragma once
#include <cstddef>
#include <cstdint>

// The CRC word a block-table entry carries: CRC-32 started at 0xFFFFFFFF,
// without a final complement.
uint32_t block_crc32(const uint8_t* data, std::size_t count);
