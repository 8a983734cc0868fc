#include "ZimStatusText.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

struct StatusCase {
  ZimStatusMode mode;
  int type;
  const char* text;
};

class ZimStatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ZimStatusTextTest, GivesTheModesText)
{
  EXPECT_EQ(GetParam().text, zim_status_text(GetParam().mode, GetParam().type, 12, 345));
}

INSTANTIATE_TEST_SUITE_P(
    Types, ZimStatusTextTest,
    ::testing::Values(StatusCase{ZimStatusMode::dump, 0, " "},
                      StatusCase{ZimStatusMode::dump, 1, "Please reset the slave STB!"},
                      StatusCase{ZimStatusMode::block, 2, "Sync with slave, please wait..."},
                      StatusCase{ZimStatusMode::dump, 3, " "},
                      StatusCase{ZimStatusMode::block, 3, "Get Slave block info,please select upgrade block operation"},
                      StatusCase{ZimStatusMode::dump, 4, "Dumping: 12/345"},
                      StatusCase{ZimStatusMode::dump, 5, " "},
                      StatusCase{ZimStatusMode::whole, 4, "Transferring: 12/345"},
                      StatusCase{ZimStatusMode::whole, 5, "Burning: 12/345"},
                      StatusCase{ZimStatusMode::block, 4, " "},
                      StatusCase{ZimStatusMode::whole, 6, " "}));

TEST(ZimBlockStatusTest, ReadModeDownloadsAndUpgradeTransfers)
{
  EXPECT_EQ("Downloading: 1/2", zim_block_status_text(true, 4, 1, 2));
  EXPECT_EQ("Transferring: 1/2", zim_block_status_text(false, 4, 1, 2));
  EXPECT_EQ("Burning: 50/100", zim_block_status_text(false, 5, 50, 100));
  EXPECT_EQ(" ", zim_block_status_text(false, 3, 1, 2));
}

TEST(ZimProgressTest, PercentWithoutOverflowOrDivisionByZero)
{
  EXPECT_EQ(0u, zim_progress_percent(5, 0));
  EXPECT_EQ(50u, zim_progress_percent(0x40000000, 0x80000000));
  EXPECT_EQ(100u, zim_progress_percent(0x2000000, 0x2000000));
  EXPECT_EQ(33u, zim_progress_percent(1, 3));
}

TEST(ZimBlockLabelTest, NameCutToEightCharactersThenTheId)
{
  FlashBlockEntry entry;
  entry.id = 5;
  std::memcpy(entry.name, "bootload", 8);  // full: no terminator
  EXPECT_EQ("bootload(05)", zim_block_label(entry));
  FlashBlockEntry shorter;
  shorter.id = 0xA3;
  std::memcpy(shorter.name, "app", 3);
  EXPECT_EQ("app(A3)", zim_block_label(shorter));
}

}  // namespace
