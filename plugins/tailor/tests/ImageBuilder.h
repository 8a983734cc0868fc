#pragma once
#include "FlashBlockEntry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Synthetic flash images for the tests: DM headers and bank headers placed
// into a buffer of a chosen size.
namespace image_builder {

FlashBlockEntry entry(uint8_t id, uint32_t offset, uint32_t length, const std::string& name,
                      uint32_t crc = 0x11223344);

void put_u32(std::vector<uint8_t>& image, std::size_t position, uint32_t value);
uint32_t get_u32(const std::vector<uint8_t>& image, std::size_t position);

// A DM header at position with its entries; check_byte is normally '0'.
void place_dm_header(std::vector<uint8_t>& image, std::size_t position, uint32_t flash_size,
                     const std::vector<FlashBlockEntry>& entries, uint8_t check_byte = '0');

// Fills length bytes at position with a recognisable pattern.
void fill_pattern(std::vector<uint8_t>& image, std::size_t position, std::size_t length, uint8_t seed);

// A bank-form image: image header, bank header at bank_header with the
// entries, and a configuration area.
std::vector<uint8_t> bank_image(std::size_t size, uint32_t bank_header, const std::vector<FlashBlockEntry>& entries,
                                uint32_t config_position, uint32_t config_length);

}  // namespace image_builder
