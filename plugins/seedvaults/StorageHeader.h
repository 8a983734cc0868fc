#pragma once
#include <cstdint>

// Sector-number values of the allocation tables.
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kFatSectorMark = 0xFFFFFFFD;
constexpr uint32_t kDifatSectorMark = 0xFFFFFFFC;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;

constexpr uint32_t kSignatureLow = 0xE011CFD0;
constexpr uint32_t kSignatureHigh = 0xE11AB1A1;
constexpr uint32_t kHeaderSize = 512;
constexpr uint32_t kHeaderDifatEntries = 109;
constexpr uint32_t kDirectoryEntrySize = 128;
// Streams below this size lie in the mini stream; the header's own cutoff field is not used.
constexpr uint32_t kMiniStreamCutoff = 4096;

// The 512-byte header of a compound file.
struct StorageHeader {
  uint32_t signature[2] = {0, 0};
  uint32_t class_id[4] = {0, 0, 0, 0};
  uint16_t minor_version = 0;
  uint16_t major_version = 0;
  uint16_t byte_order = 0;
  uint16_t sector_shift = 0;
  uint16_t mini_sector_shift = 0;
  uint32_t fat_sector_count = 0;
  uint32_t first_directory_sector = 0;
  uint32_t transaction_signature = 0;
  uint32_t mini_stream_cutoff = 0;
  uint32_t first_mini_fat_sector = 0;
  uint32_t mini_fat_sector_count = 0;
  uint32_t first_difat_sector = 0;
  uint32_t difat_sector_count = 0;
  uint32_t difat[kHeaderDifatEntries] = {};

  // Decodes the fields from the header block; false when the signature is wrong.
  bool decode(const uint8_t* block);
  uint32_t sector_size() const { return 1u << sector_shift; }
  uint32_t mini_sector_size() const { return 1u << mini_sector_shift; }
};
