#include "BankImage.h"

#include "FlashImageAnalysis.h"

#include <cstring>

namespace bank_image {

namespace {

FlashBlockEntry entry(uint8_t id, uint8_t alignment, uint32_t offset, uint32_t length, uint32_t crc, const char* name)
{
  FlashBlockEntry made;
  made.id = id;
  made.alignment = alignment;
  made.offset = offset;
  made.length = length;
  made.crc = crc;
  std::strncpy(made.name, name, kFlashBlockNameSize);
  return made;
}

}  // namespace

uint8_t pattern(std::size_t position)
{
  return static_cast<uint8_t>(position * 7 + (position >> 8) * 13 + (position >> 16));
}

GenerationImage make()
{
  GenerationImage made;
  made.bytes.resize(kSize);
  for (std::size_t i = 0; i < kSize; ++i)
    made.bytes[i] = pattern(i);
  made.bank_header_position = kBankHeader;
  made.config_length = kConfigLength;
  made.entries = {entry(0x10, 0, 0x2000, 0x1000, 0x11111111, "kernel"),
                  entry(0x11, 0, 0x3000, 0x800, kNoCrcWord, "logo"),
                  entry(0x12, kAlignTo64K, 0x10000, 0x100, 0x22222222, "ssdata"),
                  entry(0x13, 0, 0x70000, 0x10, 0x33333333, "boot")};
  FlashBlockEntry::write_u32(&made.bytes[kBankHeaderPositionOffset], kBankHeader);
  FlashBlockEntry::write_u32(&made.bytes[kConfigPositionOffset], kConfigOffset);
  FlashBlockEntry::write_u32(&made.bytes[kConfigLengthOffset], kConfigLength);
  put_table(made.bytes, made.entries);
  return made;
}

void put_table(std::vector<uint8_t>& image, const std::vector<FlashBlockEntry>& entries)
{
  for (std::size_t j = 0; j < entries.size(); ++j)
    entries[j].to_bytes(&image[kBankHeader + kBankHeaderSize + j * kFlashBlockEntrySize]);
}

std::vector<uint8_t> filled(std::size_t count, uint8_t seed)
{
  std::vector<uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<uint8_t>(seed + i * 3);
  return bytes;
}

ScriptBlock script_block(uint8_t id, uint8_t em, uint32_t offset, const std::string& name)
{
  ScriptBlock block;
  block.id = id;
  block.em = em;
  block.offset = offset;
  block.name = name;
  return block;
}

}  // namespace bank_image
