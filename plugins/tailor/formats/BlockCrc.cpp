#include "BlockCrc.h"

#include "Crc32.h"

namespace {

struct CrcTable {
  uint32_t entries[256];
  CrcTable() { crc32_build_table(entries); }
};

}  // namespace

uint32_t block_crc32(const uint8_t* data, std::size_t count)
{
  static const CrcTable table;
  return crc32_update(table.entries, 0xFFFFFFFF, data, count);
}
