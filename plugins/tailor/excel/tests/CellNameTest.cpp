#include "CellName.h"

#include <gtest/gtest.h>

TEST(CellName, ColumnsAndRowsGiveTheA1Form)
{
  struct Case {
    unsigned column;
    unsigned row;
    const char* name;
  };
  const Case cases[] = {
    {1, 1, "A1"},   {25, 4, "Y4"},   {26, 7, "Z7"},      {27, 2, "AA2"},   {52, 3, "AZ3"},
    {53, 1, "BA1"}, {78, 10, "BZ10"}, {701, 65536, "ZY65536"}, {702, 9, "ZZ9"},
    {703, 1, ""},   {0, 1, ""},       {1, 0, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.name, cell_name(c.column, c.row)) << c.column << ", " << c.row;
}
