#include "ComponentSystem.h"
#include "FileBytes.h"
#include "Logger.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>
#include <filesystem>

namespace {

TEST(Logger, ChainedPiecesAreWrittenAsTheyAre)
{
  TemporaryDirectory directory;
  ComponentSystem system;
  Logger* logger = new Logger("pieces.log", "korvo sys log", &system);
  *logger << "count " << -42 << " of " << 7;
  logger->write("|end");
  system.deinit();
  EXPECT_EQ("count -42 of 7|end", read_file_bytes("pieces.log"));
}

TEST(Logger, EveryLineFeedIsStoredAsCrLf)
{
  TemporaryDirectory directory;
  ComponentSystem system;
  Logger* logger = new Logger("lines.log", "korvo sys log", &system);
  *logger << "\nfirst\n\nsecond\r\n" << "third";
  *logger << "\n";
  system.deinit();
  EXPECT_EQ("\r\nfirst\r\n\r\nsecond\r\r\nthird\r\n", read_file_bytes("lines.log"));
}

TEST(Logger, UnopenableFileLeavesARegisteredSilentLogger)
{
  TemporaryDirectory directory;
  ComponentSystem system;
  Logger* logger = new Logger("missing-folder/korvo_sys.log", "korvo sys log", &system);
  *logger << "lost " << 1;
  EXPECT_EQ(logger, system.acquire("korvo sys log"));
  EXPECT_TRUE(logger->shareable());
  system.deinit();
  EXPECT_FALSE(std::filesystem::exists("missing-folder"));
}

}  // namespace
