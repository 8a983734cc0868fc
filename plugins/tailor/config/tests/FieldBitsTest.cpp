#include "FieldBits.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FieldBits, WritesKeepTheNeighbouringBits)
{
  struct Case {
    uint32_t offset;
    uint32_t length;
    uint64_t value;
    std::vector<uint8_t> before;
    std::vector<uint8_t> after;
  };
  const Case cases[] = {
      // 3 bits at bit 6: bits 6 and 7 of the first byte, bit 0 of the second.
      {6, 3, 0x2, {0xFF, 0xFF}, {0xBF, 0xFE}},
      {6, 3, 0x5, {0x00, 0x00}, {0x40, 0x01}},
      // Whole bytes, least significant byte first.
      {8, 16, 0x1234, {0xAA, 0xAA, 0xAA, 0xAA}, {0xAA, 0x34, 0x12, 0xAA}},
      // A value wider than its field is cut to the field: 300 in 8 bits is 44.
      {4, 8, 300, {0x0F, 0xF0}, {0xCF, 0xF2}},
      {0, 1, 0xFE, {0x01}, {0x00}},
      // Three bytes for 12 bits at bit 7.
      {7, 12, 0xFFF, {0x00, 0x00, 0x00}, {0x80, 0xFF, 0x07}},
      {0, 64, 0x0102030405060708, std::vector<uint8_t>(8, 0), {8, 7, 6, 5, 4, 3, 2, 1}},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = c.before;
    write_field_bits(bytes.data(), c.offset, c.length, c.value);
    EXPECT_EQ(c.after, bytes) << c.offset << "/" << c.length;
    uint64_t field_mask = c.length >= 64 ? ~uint64_t(0) : (uint64_t(1) << c.length) - 1;
    EXPECT_EQ(c.value & field_mask, read_field_bits(bytes.data(), c.offset, c.length)) << c.offset << "/" << c.length;
  }
}

TEST(FieldBits, BytesAFieldTouches)
{
  EXPECT_EQ(0u, field_first_byte(7));
  EXPECT_EQ(1u, field_first_byte(8));
  EXPECT_EQ(2u, field_byte_count(6, 3));
  EXPECT_EQ(1u, field_byte_count(8, 8));
  EXPECT_EQ(3u, field_byte_count(7, 12));
  EXPECT_EQ(0u, field_byte_count(16, 0));
  EXPECT_EQ(41u, field_byte_count(0, 328));
}
