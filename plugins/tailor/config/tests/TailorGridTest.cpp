#include "ConfigAreaExport.h"
#include "TailorGrid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

TEST(TailorGrid, CellsLieUnderTheirHeaderOneRowApart)
{
  const GridRect header{ 120, 300, 200, 318 };
  const GridRect cell = grid_cell_rect(header, 3);
  EXPECT_EQ(120, cell.left);
  EXPECT_EQ(200, cell.right);
  EXPECT_EQ(300 + 84, cell.top);
  EXPECT_EQ(300 + 84 + 21, cell.bottom);
  EXPECT_EQ(10032, grid_cell_id(3, 2));
  EXPECT_EQ(10630, grid_cell_id(63, 0));
}

TEST(TailorGrid, CellTextsFollowTheEntry)
{
  FlashBlockEntry entry;
  entry.id = 0x0A;
  entry.length = 0x1F400;
  entry.crc = 0xDEADBEEF;
  entry.version = 0x102;
  std::memcpy(entry.name, "kernelXY", 8);  // full: no terminator
  std::memcpy(entry.time, "2024-05-06 07:08:09", 16);
  const char* expected[] = { "0A", "   1F400", "DEADBEEF", "kernelXY", "00000102", "2024-05-06 0" };
  for (int column = 0; column < kGridColumns; ++column)
    EXPECT_EQ(expected[column], grid_cell_text(entry, column)) << column;
}

TEST(ConfigAreaExport, WritesTheAreaOrRefusesOne)
{
  std::vector<uint8_t> image(0x1000, 0);
  FlashBlockEntry::write_u32(&image[28], 0x800);
  FlashBlockEntry::write_u32(&image[32], 4);
  std::memcpy(&image[0x800], "CFG!", 4);
  const std::string path = "config-area-export.bin";
  std::ofstream(path, std::ios::binary) << "older and longer content";

  ASSERT_TRUE(export_config_area(image, path).ok());
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ("CFG!", std::string(std::istreambuf_iterator<char>(in), {}));
  in.close();

  EXPECT_EQ(kNoExportPathMessage, export_config_area(image, "").message());
  FlashBlockEntry::write_u32(&image[32], 0x801);
  EXPECT_EQ(kConfigAreaOutsideMessage, export_config_area(image, path).message());
  FlashBlockEntry::write_u32(&image[32], 4);
  EXPECT_EQ(kExportFailedMessage, export_config_area(image, "no-such-folder\\area.bin").message());
  std::remove(path.c_str());
}

TEST(ConfigAreaExport, InternalToolSwitch)
{
  EXPECT_TRUE(internal_tool_enabled("1"));
  EXPECT_TRUE(internal_tool_enabled(" 1 "));
  EXPECT_FALSE(internal_tool_enabled("11"));
  EXPECT_FALSE(internal_tool_enabled("\t1"));
  EXPECT_FALSE(internal_tool_enabled(""));
  EXPECT_FALSE(internal_tool_enabled("yes"));
}
