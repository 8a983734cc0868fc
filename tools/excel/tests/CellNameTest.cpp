#include "CellName.h"
#include <gtest/gtest.h>

TEST(CellName, NamesInTheA1FormGiveRowAndColumn)
{
  struct Case {
    const char16_t* name;
    uint32_t row, column;
  };
  const Case cases[] = {
    {u"A1", 1, 1},   {u"Z7", 7, 26},     {u"AA2", 2, 27},         {u"AZ3", 3, 52},
    {u"b12", 12, 2}, {u"$C$4", 4, 3},    {u"IV65536", 65536, 256}, {u"D$9", 9, 4},
  };
  for (const Case& c : cases) {
    uint32_t row = 0, column = 0;
    EXPECT_TRUE(parse_cell_name(c.name, row, column)) << std::string(c.name, c.name + 1);
    EXPECT_EQ(c.row, row);
    EXPECT_EQ(c.column, column);
  }
}

TEST(CellName, AnythingElseIsRefused)
{
  const char16_t* refused[] = {u"", u"A", u"1", u"A0", u"1A", u"A1B", u"A-1", u"IW1", u"A65537",
                               u"$$A1", u"A 1", u"A1:B2", u"AAAAAAAAAA1"};
  for (const char16_t* name : refused) {
    uint32_t row = 7, column = 7;
    EXPECT_FALSE(parse_cell_name(name, row, column));
    EXPECT_EQ(7u, row);
  }
}
