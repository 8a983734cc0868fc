#include "Crc32.h"
#include <gtest/gtest.h>
#include <cstring>

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
