#pragma once
#include <cstddef>
#include <cstdint>

// Table-driven CRC-32 of the reflected polynomial 0xEDB88320. Callers start
// with 0xFFFFFFFF and apply no final complement: the target's checks expect it.
void crc32_build_table(uint32_t table[256]);
uint32_t crc32_update(const uint32_t table[256], uint32_t value, const void* bytes, std::size_t count);
