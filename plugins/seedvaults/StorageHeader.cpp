#include "StorageHeader.h"
#include "ByteReader.h"

bool StorageHeader::decode(const uint8_t* block)
{
  ByteReader in(block, kHeaderSize);
  signature[0] = in.u32();
  signature[1] = in.u32();
  if (signature[0] != kSignatureLow || signature[1] != kSignatureHigh)
    return false;
  for (uint32_t& part : class_id)
    part = in.u32();
  minor_version = in.u16();
  major_version = in.u16();
  byte_order = in.u16();
  sector_shift = in.u16();
  mini_sector_shift = in.u16();
  in.take(6);
  in.u32(); // directory sector count, zero in version 3
  fat_sector_count = in.u32();
  first_directory_sector = in.u32();
  transaction_signature = in.u32();
  mini_stream_cutoff = in.u32();
  first_mini_fat_sector = in.u32();
  mini_fat_sector_count = in.u32();
  first_difat_sector = in.u32();
  difat_sector_count = in.u32();
  for (uint32_t& entry : difat)
    entry = in.u32();
  return in.ok();
}
