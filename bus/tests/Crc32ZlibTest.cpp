#include "Crc32.h"
#include <gtest/gtest.h>
#include <zlib.h>
#include <random>
#include <vector>

namespace {

// zlib complements before and after; the target's convention does neither.
uint32_t zlib_form(uint32_t value, const unsigned char* data, std::size_t count)
{
  return ~static_cast<uint32_t>(crc32(~value, data, static_cast<uInt>(count)));
}

TEST(Crc32, AgreesWithZlibOnRandomLengthsAlignmentsAndStartValues)
{
  uint32_t table[256];
  crc32_build_table(table);
  std::mt19937 random(20240611);
  std::vector<unsigned char> buffer(200000 + 8);
  for (unsigned char& byte : buffer)
    byte = static_cast<unsigned char>(random());

  // Lengths around the switch to several bytes a step, and well beyond it.
  const std::size_t fixed_lengths[] = {0, 1, 7, 8, 9, 4095, 4096, 4097, 4103, 65536, 200000};
  std::vector<std::size_t> lengths(std::begin(fixed_lengths), std::end(fixed_lengths));
  for (int i = 0; i < 200; ++i)
    lengths.push_back(random() % 200001);

  for (std::size_t length : lengths) {
    const std::size_t alignment = random() % 8;
    const uint32_t start = (length % 3 == 0) ? 0xFFFFFFFFu : static_cast<uint32_t>(random());
    const unsigned char* data = buffer.data() + alignment;
    ASSERT_EQ(zlib_form(start, data, length), crc32_update(table, start, data, length))
        << "length " << length << ", alignment " << alignment << ", start " << std::hex << start;
  }
}

TEST(Crc32, LongInputsFollowTheCallersTable)
{
  // Another reflected polynomial: the long path must derive its steps from
  // this table, not from a built-in one.
  uint32_t table[256];
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t entry = i;
    for (int bit = 0; bit < 8; ++bit)
      entry = (entry & 1) ? (entry >> 1) ^ 0x82F63B78u : entry >> 1;
    table[i] = entry;
  }
  std::vector<unsigned char> data(50000);
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<unsigned char>(i * 131 + (i >> 7));

  uint32_t pieces = 0xFFFFFFFFu;
  for (std::size_t at = 0; at < data.size(); at += 1000)
    pieces = crc32_update(table, pieces, data.data() + at, 1000);
  EXPECT_EQ(pieces, crc32_update(table, 0xFFFFFFFFu, data.data(), data.size()));
}

}  // namespace
