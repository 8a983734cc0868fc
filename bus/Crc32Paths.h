#pragma once
#include <cstddef>
#include <cstdint>

// The two ways crc32_update computes, open to its tests and benchmark so that
// each can be checked and timed on its own, whatever the processor offers.
uint32_t crc32_update_by_table(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count);

// Carry-less multiplication folds 64 bytes a step; it needs the processor's
// PCLMULQDQ instruction.
bool crc32_folding_supported();
uint32_t crc32_update_by_folding(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count);
