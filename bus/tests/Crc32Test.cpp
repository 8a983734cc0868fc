#include "Crc32.h"
#include <gtest/gtest.h>
#include <cstring>
#include <random>
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

TEST(Crc32, AgreesWithTheBitwiseFormOnRandomLengthsAlignmentsAndStartValues)
{
  uint32_t table[256];
  crc32_build_table(table);
  std::mt19937 random(1108);
  std::vector<unsigned char> buffer(70000 + 16);
  for (unsigned char& byte : buffer)
    byte = static_cast<unsigned char>(random());

  // Lengths around the switch to several bytes a step, lane and step
  // remainders of every size, and lengths well beyond.
  std::vector<std::size_t> lengths = {0, 1, 7, 8, 9, 15, 16, 17, 4095, 4096, 4097, 4103, 4127, 4128, 4129, 70000};
  for (int i = 0; i < 100; ++i)
    lengths.push_back(random() % 70001);

  for (std::size_t length : lengths) {
    const std::size_t alignment = random() % 16;
    const uint32_t start = (length % 3 == 0) ? 0xFFFFFFFFu : static_cast<uint32_t>(random());
    const unsigned char* data = buffer.data() + alignment;
    ASSERT_EQ(bitwise(start, data, length), crc32_update(table, start, data, length))
        << "length " << length << ", alignment " << alignment << ", start " << std::hex << start;
  }
}
