#include "ConsoleLog.h"
#include "ExeDirectory.h"
#include "FileBytes.h"
#include "MessageBoxAnswerer.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>
#include <string>

namespace {

SYSTEMTIME at(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  return time;
}

// A log in a temporary directory whose clock the test sets.
class ConsoleLogTest : public ::testing::Test {
protected:
  std::string file(const char* name) { return read_file_bytes(directory.path() + name); }

  TemporaryDirectory directory;
  SYSTEMTIME now = at(2011, 8, 30, 9, 5, 7);
  CWnd* const owner = reinterpret_cast<CWnd*>(&now);
};

TEST_F(ConsoleLogTest, FileIsNamedAfterTheDateAndAppendedTo)
{
  {
    ConsoleLog log(directory.path(), [this] { return now; });
    ASSERT_EQ(1, log.open(owner));
    EXPECT_EQ(directory.path() + "SLog_20110830.txt", log.path());
    EXPECT_EQ(owner, log.owner());
    log.write("first run ", 10);
  }
  ConsoleLog log(directory.path(), [this] { return now; });
  ASSERT_EQ(1, log.open(owner));
  log.write("second run", 10);
  log.close();
  EXPECT_EQ("first run second run", file("SLog_20110830.txt"));
}

TEST_F(ConsoleLogTest, LineFeedsAreStoredAsCarriageReturnAndLineFeed)
{
  ConsoleLog log(directory.path(), [this] { return now; });
  ASSERT_EQ(1, log.open(owner));
  const char received[] = "ok\n>\r\n\x01\xff";
  log.write(received, sizeof received - 1);
  log.write(nullptr, 4);
  log.write("ignored", 0);
  log.close();
  EXPECT_EQ(std::string("ok\r\n>\r\r\n\x01\xff"), file("SLog_20110830.txt"));
}

TEST_F(ConsoleLogTest, EveryFifteenthTickWritesATimeStamp)
{
  ConsoleLog log(directory.path(), [this] { return now; });
  ASSERT_EQ(1, log.open(owner));
  for (int tick = 1; tick < 15; ++tick) {
    log.tick();
  }
  EXPECT_EQ("", file("SLog_20110830.txt"));
  now = at(2011, 8, 30, 9, 10, 7);
  log.tick();
  // The stamp's own CR LF pairs pass through text mode too.
  const std::string stamp = "\r\r\n-----Time Stamp(09 : 10 : 07)-----\r\r\n";
  EXPECT_EQ(stamp, file("SLog_20110830.txt"));
  for (int tick = 0; tick < 14; ++tick) {
    log.tick();
  }
  EXPECT_EQ(stamp, file("SLog_20110830.txt"));
  log.tick();
  EXPECT_EQ(stamp + stamp, file("SLog_20110830.txt"));
}

TEST_F(ConsoleLogTest, TickFlushesWhatWasWritten)
{
  ConsoleLog log(directory.path(), [this] { return now; });
  ASSERT_EQ(1, log.open(owner));
  log.write("abc", 3);
  log.tick();
  EXPECT_EQ("abc", file("SLog_20110830.txt"));
}

TEST_F(ConsoleLogTest, NewDateStartsANewFileAtTheNextTick)
{
  now = at(2011, 8, 30, 23, 59, 50);
  ConsoleLog log(directory.path(), [this] { return now; });
  ASSERT_EQ(1, log.open(owner));
  log.write("before midnight ", 16);
  now = at(2011, 8, 31, 0, 0, 5);
  log.write("after midnight", 14);
  log.tick();
  EXPECT_EQ(directory.path() + "SLog_20110831.txt", log.path());
  EXPECT_EQ(owner, log.owner());
  log.write("next day", 8);
  log.close();
  EXPECT_EQ("before midnight after midnight", file("SLog_20110830.txt"));
  EXPECT_EQ("next day", file("SLog_20110831.txt"));

  now = at(2012, 8, 31, 0, 0, 5);
  ASSERT_EQ(1, log.open(owner));
  now = at(2012, 9, 1, 0, 0, 5);
  log.tick();
  EXPECT_EQ(directory.path() + "SLog_20120901.txt", log.path());
}

TEST_F(ConsoleLogTest, LogThatCannotBeCreatedIsReportedAndSkipped)
{
  MessageBoxAnswerer messages;
  ConsoleLog log(directory.path() + "missing\\", [this] { return now; });
  EXPECT_EQ(0, log.open(owner));
  EXPECT_EQ(std::vector<std::string>{"Create KORVO Log File Fail."}, messages.texts());
  EXPECT_FALSE(log.is_open());
  EXPECT_EQ(nullptr, log.owner());
  log.write("lost", 4);
  log.tick();
  EXPECT_EQ(1u, messages.texts().size());
}

TEST(ExeDirectory, IsTheProgramsFolderWithItsBackslash)
{
  char directory[kExeDirectoryCapacity];
  get_exe_directory(directory);
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string expected(program);
  expected.erase(expected.rfind('\\') + 1);
  EXPECT_EQ(expected, directory);
  EXPECT_EQ(expected, get_exe_directory());
}

}  // namespace
