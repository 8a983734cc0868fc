#include "ImageBuilder.h"

#include "FlashImageAnalysis.h"

#include <algorithm>
#include <cstring>

namespace image_builder {

FlashBlockEntry entry(uint8_t id, uint32_t offset, uint32_t length, const std::string& name, uint32_t crc)
{
  FlashBlockEntry result;
  result.id = id;
  result.offset = offset;
  result.length = length;
  result.crc = crc;
  result.version = 0x01020304;
  std::memcpy(result.name, name.data(), std::min(name.size(), kFlashBlockNameSize));
  std::memcpy(result.time, "2010-05-17 12:00", kFlashBlockTimeSize);
  return result;
}

void put_u32(std::vector<uint8_t>& image, std::size_t position, uint32_t value)
{
  FlashBlockEntry::write_u32(image.data() + position, value);
}

uint32_t get_u32(const std::vector<uint8_t>& image, std::size_t position)
{
  return FlashBlockEntry::read_u32(image.data() + position);
}

void place_dm_header(std::vector<uint8_t>& image, std::size_t position, uint32_t flash_size,
                     const std::vector<FlashBlockEntry>& entries, uint8_t check_byte)
{
  std::memcpy(image.data() + position, kDmMarker, kDmMarkerSize);
  put_u32(image, position + kDmFlashSizeOffset, flash_size);
  image[position + kDmBlockCountOffset] = static_cast<uint8_t>(entries.size());
  image[position + kDmHeaderCheckOffset] = check_byte;
  for (std::size_t k = 0; k < entries.size(); ++k)
    entries[k].to_bytes(image.data() + position + kDmHeaderSize + k * kFlashBlockEntrySize);
}

void fill_pattern(std::vector<uint8_t>& image, std::size_t position, std::size_t length, uint8_t seed)
{
  for (std::size_t i = 0; i < length; ++i)
    image[position + i] = static_cast<uint8_t>(seed + i * 7);
}

std::vector<uint8_t> bank_image(std::size_t size, uint32_t bank_header, const std::vector<FlashBlockEntry>& entries,
                                uint32_t config_position, uint32_t config_length)
{
  std::vector<uint8_t> image(size, 0xFF);
  put_u32(image, kBankHeaderPositionOffset, bank_header);
  put_u32(image, kConfigPositionOffset, config_position);
  put_u32(image, kConfigLengthOffset, config_length);
  const uint32_t flash_size = 0x200000;
  image[bank_header + kBankFlashSizeLow] = static_cast<uint8_t>(flash_size);
  image[bank_header + kBankFlashSizeHigh] = static_cast<uint8_t>(flash_size >> 16);
  image[bank_header + kBankImageLengthLow] = static_cast<uint8_t>(size);
  image[bank_header + kBankImageLengthHigh] = static_cast<uint8_t>(size >> 16);
  image[bank_header + kBankBlockCountOffset] = static_cast<uint8_t>(entries.size());
  for (std::size_t k = 0; k < entries.size(); ++k)
    entries[k].to_bytes(image.data() + bank_header + kBankHeaderSize + k * kFlashBlockEntrySize);
  return image;
}

}  // namespace image_builder
