#pragma once
#include "ConfigGeneration.h"

#include <cstdint>
#include <string>
#include <vector>

// A small bank-form image for the generation and field-editor tests:
// 512 KB filled with a position pattern, the bank header at 0x1000, the
// configuration area at 0x400 (0x800 bytes) and four table blocks:
//   0x10 at 0x2000 (0x1000 bytes), 0x11 at 0x3000 (0x800, "NCRC"),
//   0x12 at 0x10000 (0x100, 64 KB aligned), 0x13 at 0x70000 in the tail.
namespace bank_image {

const uint32_t kSize = 0x80000;
const uint32_t kBankHeader = 0x1000;
const uint32_t kConfigOffset = 0x400;
const uint32_t kConfigLength = 0x800;
const uint32_t kRegionEnd = kSize - 0x20000;

uint8_t pattern(std::size_t position);
GenerationImage make();
// The bytes an entry table takes at H + 12.
void put_table(std::vector<uint8_t>& image, const std::vector<FlashBlockEntry>& entries);
std::vector<uint8_t> filled(std::size_t count, uint8_t seed);
ScriptBlock script_block(uint8_t id, uint8_t em, uint32_t offset, const std::string& name);

}  // namespace bank_image
