#include "SheetModel.h"
#include <gtest/gtest.h>

TEST(SheetModel, EmptyValuesClearCellsAndTheUsedRangeFollowsTheRest)
{
  SheetModel sheet(u"Sheet1");
  CellRange none = sheet.used_range();
  EXPECT_EQ(1u, none.rows());
  EXPECT_EQ(1u, none.columns());
  EXPECT_EQ(1u, none.first_row);

  sheet.set_value(3, 5, 2.5);
  sheet.set_value(9, 2, std::u16string(u"text"));
  sheet.set_value(4, 7, std::u16string(u"gone"));
  sheet.set_value(4, 7, std::u16string());
  sheet.set_value(6, 6, 1.0);
  sheet.set_value(6, 6, std::monostate());
  EXPECT_EQ(2u, sheet.cells().size());
  EXPECT_EQ(CellValue(2.5), sheet.value(3, 5));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.value(4, 7)));

  CellRange used = sheet.used_range();
  EXPECT_EQ(3u, used.first_row);
  EXPECT_EQ(9u, used.last_row);
  EXPECT_EQ(2u, used.first_column);
  EXPECT_EQ(5u, used.last_column);
}

TEST(SheetModel, ClearingARangeKeepsTheCellsAroundIt)
{
  SheetModel sheet(u"Sheet1");
  for (uint32_t row = 1; row <= 4; ++row)
    for (uint32_t column = 1; column <= 4; ++column)
      sheet.set_value(row, column, double(row * 10 + column));
  sheet.clear(CellRange{2, 2, 3, 3});
  EXPECT_EQ(12u, sheet.cells().size());
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.value(2, 2)));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.value(3, 3)));
  EXPECT_EQ(CellValue(21.0), sheet.value(2, 1));
  EXPECT_EQ(CellValue(24.0), sheet.value(2, 4));
  EXPECT_EQ(CellValue(41.0), sheet.value(4, 1));
}
