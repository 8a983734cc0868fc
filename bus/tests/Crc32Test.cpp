#include "Crc32Agreement.h"
#include <cstring>
#include <vector>

TEST(Crc32, CheckValueIsComplementOfStandardCrc)
{
  uint32_t table[256];
  crc32_build_table(table);
  EXPECT_EQ(0x77073096u, table[1]);
  EXPECT_EQ(0x2D02EF8Du, table[255]);
  const char* text = "123456789";
  EXPECT_EQ(0x340BC6D9u, crc32_update(table, 0xFFFFFFFF, text, std::strlen(text)));
  EXPECT_EQ(0xFFFFFFFFu, crc32_update(table, 0xFFFFFFFF, text, 0));
}

TEST(Crc32, UpdatingInPiecesEqualsOnePass)
{
  uint32_t table[256];
  crc32_build_table(table);
  const char* text = "flash block payload";
  uint32_t whole = crc32_update(table, 0xFFFFFFFF, text, std::strlen(text));
  uint32_t split = crc32_update(table, crc32_update(table, 0xFFFFFFFF, text, 5), text + 5, std::strlen(text) - 5);
  EXPECT_EQ(whole, split);
}

namespace {

// One bit a step straight from the polynomial: shares nothing with the
// table or the long path.
uint32_t bitwise(uint32_t value, const unsigned char* data, std::size_t count)
{
  for (std::size_t i = 0; i < count; ++i) {
    value ^= data[i];
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
  }
  return value;
}

}  // namespace

TEST(Crc32, TablePathAgreesWithTheBitwiseForm)
{
  expect_agreement_on_random_inputs(bitwise, crc32_update_by_table, 1108, 70000);
}

TEST(Crc32, FoldingPathAgreesWithTheBitwiseForm)
{
  if (!crc32_folding_supported()) {
    GTEST_SKIP() << kNoFoldingHere;
  }
  expect_agreement_on_random_inputs(bitwise, crc32_update_by_folding, 1109, 70000);
}

TEST(Crc32, LongInputsFollowTheCallersTable)
{
  // Another reflected polynomial: both long paths must derive their steps
  // from this table, not from a built-in one. Short pieces go a byte a step.
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
    pieces = crc32_update_by_table(table, pieces, data.data() + at, 1000);
  EXPECT_EQ(pieces, crc32_update_by_table(table, 0xFFFFFFFFu, data.data(), data.size()));
  if (crc32_folding_supported()) {
    EXPECT_EQ(pieces, crc32_update_by_folding(table, 0xFFFFFFFFu, data.data(), data.size()));
  }
}
