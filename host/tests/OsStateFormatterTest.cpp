#include "BlockBuilder.h"
#include "BusMessage.h"
#include "OsStateFormatter.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

BlockBuilder task(uint32_t used, uint32_t full, uint32_t in, uint32_t out, uint32_t depth, const std::string& name,
                  uint32_t msg_pool_cur, BlockBuilder block = BlockBuilder())
{
  return block.u8(used).u8(full).u16(in).u16(out).u16(depth).text(name, 20).u32(msg_pool_cur);
}

const char kTaskHeading[] = "\nap_id  name    used    full    in    out   depth   msg_pool_cur";
const char kQueueHeading[] = "\nis_brd   is_ext   is_sync   is_trans    content      para1       para2";

TEST(OsStateFormatter, TaskListHasAHeadingAndOneNumberedLinePerRecord)
{
  BlockBuilder block = task(0, 1, 0x1234, 0, 16, "console_task", 0, task(1, 0, 3, 2, 8, "idle", 0x80001234));
  OsStateFormatter formatter;
  EXPECT_EQ(std::string(kTaskHeading) +
                "\n0      idle      1       0       3    2    8   0x80001234"
                "\n1      console_task      0       1       4660    0    16   0x0",
            formatter.format_apps_block(kMarkerTaskList, block.data(), block.size()));
}

TEST(OsStateFormatter, TaskNameStopsAfterItsTwentyBytes)
{
  BlockBuilder block = task(1, 1, 1, 1, 1, "ABCDEFGHIJKLMNOPQRST", 0x41414141);
  OsStateFormatter formatter;
  EXPECT_EQ(std::string(kTaskHeading) + "\n0      ABCDEFGHIJKLMNOPQRST      1       1       1    1    1   0x41414141",
            formatter.format_apps_block(kMarkerTaskList, block.data(), block.size()));
}

TEST(OsStateFormatter, MessageQueuesAreNumberedFromTheLastTaskList)
{
  BlockBuilder list = task(1, 0, 0, 0, 1, "a", 0);
  BlockBuilder queue;
  // is_brd, is_sync and is_trans set, content 0x2a.
  queue.u32(0x555).u32(0xDEADBEEF).u32(7);
  const std::string line = "\n1          0          1      1          0x2a     0xdeadbeef         0x7";

  OsStateFormatter formatter;
  formatter.format_apps_block(kMarkerTaskList, list.data(), list.size());
  EXPECT_EQ("\n\nmsgq info of ap 0" + std::string(kQueueHeading) + line,
            formatter.format_apps_block(kMarkerMessageQueue, queue.data(), queue.size()));
  EXPECT_EQ("\n\nmsgq info of ap 1" + std::string(kQueueHeading) + line,
            formatter.format_apps_block(kMarkerMessageQueue, queue.data(), queue.size()));
  formatter.format_apps_block(kMarkerTaskList, list.data(), list.size());
  EXPECT_EQ(0, formatter.queue_counter());
  EXPECT_EQ(0u, formatter.format_apps_block(kMarkerMessageQueue, queue.data(), queue.size()).find("\n\nmsgq info of ap 0\n"));
}

TEST(OsStateFormatter, CommonMessageAddressesOnePerWord)
{
  BlockBuilder block;
  block.u32(0x80010000).u32(0x10).u16(0xFFFF);
  OsStateFormatter formatter;
  EXPECT_EQ("\ncommon msg addr: 0x80010000\ncommon msg addr: 0x10",
            formatter.format_apps_block(kMarkerCommonMessages, block.data(), block.size()));
}

TEST(OsStateFormatter, AttachedBuffersNotInUseAreLeftOut)
{
  BlockBuilder block;
  block.u8(1).zeros(3).u32(0x80020000).u16(64).u16(10).u16(3).u16(1).u32(0x80030000);
  block.u8(0).zeros(3).u32(0x80040000).u16(8).u16(2).u16(0).u16(0).u32(0x80050000);
  OsStateFormatter formatter;
  EXPECT_EQ("\nattached buffer info:"
            "\nref addr: 0x80020000, atom size: 64, depth: 10, in: 3, out: 1, start addr: 0x80030000",
            formatter.format_apps_block(kMarkerAttachedBuffers, block.data(), block.size()));
}

TEST(OsStateFormatter, EmptyBlockGivesNoText)
{
  const uint8_t byte = 0;
  OsStateFormatter formatter;
  EXPECT_EQ("", formatter.format_apps_block(kMarkerTaskList, &byte, 0));
  EXPECT_EQ("", formatter.format_block(BUS_OS_STACKS, &byte, 0));
  EXPECT_EQ("", formatter.format_block(BUS_OS_TEXT, &byte, 1));
}

TEST(OsStateFormatter, MessageTraceRecord)
{
  BlockBuilder block;
  // is_ext set, content 3.
  block.u32(123456).u32(0x62).u32(0x100).u32(0xFFFFFFFF);
  block.u8('S').u8(4).u8(12).u8(30).u16(5).u16(6).u16(7).u16(8);
  OsStateFormatter formatter;
  EXPECT_EQ("\nticks  S/R  msgq_id   cur_task_prio  qleft  qin_i  qout_i  b_in  b_out"
            "  is_brd  is_ext  is_sync  is_trans  content  para1  para2"
            "\n123456  S      4            12          30     5      6      7      8      0       1       0"
            "          0     0x3   0x100   0xffffffff",
            formatter.format_block(BUS_OS_MSG_TRACE, block.data(), block.size()));
}

const char kTaskStatusHeader[] =
    "\nstruct size: 18\ntask num: 2\ntask created: 3                  \ninterrupt level: 0\nintExitY: 1"
    "\nlock nesting level: 0\t\t\t\t\t  \ncur priority: 5\nhighest priority ready: 4\nos running: 1\t\t\t\t\t  "
    "\nCurrent CPU usage:37\n";

BlockBuilder task_status_header()
{
  BlockBuilder block;
  return block.u16(18).u8(2).u8(3).u8(0).u8(1).u8(0).u8(5).u8(4).u8(1).u8(37).u8(0);
}

TEST(OsStateFormatter, TaskStatusOfTwelveBytesIsTheHeaderOnly)
{
  BlockBuilder block = task_status_header();
  OsStateFormatter formatter;
  EXPECT_EQ(kTaskStatusHeader, formatter.format_block(BUS_OS_TASK_STATUS, block.data(), block.size()));
}

TEST(OsStateFormatter, TaskStatusRecordsShowFiveCharactersOfTheirTexts)
{
  BlockBuilder block = task_status_header();
  block.u16(513).u8(12).u8(1).u8(5).text("READY", 5).u8('!').text("shell", 5).u16(0x4141);
  block.u16(2).u8(0).u8(3).u8(9).text("WAIT", 5).u8(0).text("ab", 5).u16(0);
  OsStateFormatter formatter;
  EXPECT_EQ(std::string(kTaskStatusHeader) +
                "\nprio[5]: name[shell] status[READY](1) cpu usage[12] switch cnt[513]"
                "\nprio[9]: name[ab] status[WAIT](3) cpu usage[0] switch cnt[2]",
            formatter.format_block(BUS_OS_TASK_STATUS, block.data(), block.size()));
}

TEST(OsStateFormatter, StacksOneLineEachAndAClosingLineEnd)
{
  BlockBuilder block;
  block.u32(0x80100000).u32(4096).u16(1024).u16(3072);
  block.u32(0x80101000).u32(2048).u16(2048).u16(0);
  OsStateFormatter formatter;
  EXPECT_EQ("stack[0]: start[0x80100000], size[4096], used[1024], free[3072]\n"
            "stack[1]: start[0x80101000], size[2048], used[2048], free[0]\n"
            "\n",
            formatter.format_block(BUS_OS_STACKS, block.data(), block.size()));
}

BlockBuilder memory_block(uint32_t total_alloc, uint32_t total_free)
{
  BlockBuilder block;
  block.u32(0x80000000).u32(0x80010000).u32(0x80010000).u32(0x100000).u32(0x80200000).u32(0x40000).u32(0x40);
  block.u32(total_alloc).u32(total_free);
  block.u32(0x80200000).u32(0x100).u32(0x80200100).u32(0x40);
  block.zeros(804 - block.size());
  block.u32(0x80200140).u32(0x3FEC0);
  return block;
}

const char kMemoryHeader[] =
    "bss_start: 0x80000000\nbss_end: 0x80010000\nheap_start: 0x80010000\nheap_size: 0x100000\n"
    "sys_part_start: 0x80200000\nsys_part_size: 0x40000\natom_size: 0x40\n";

TEST(OsStateFormatter, MemoryLayoutWithItsAllocAndFreePairs)
{
  BlockBuilder block = memory_block(2, 1);
  OsStateFormatter formatter;
  EXPECT_EQ(std::string(kMemoryHeader) +
                "\nsys_partition info: total alloc[2], total free[1]\n"
                "alloc[0]: start[0x80200000], size[0x100]\n"
                "alloc[1]: start[0x80200100], size[0x40]\n"
                "free[0]: start[0x80200140], size[0x3fec0]\n"
                "\n",
            formatter.format_block(BUS_OS_MEMORY, block.data(), block.size()));
}

std::size_t count_of(const std::string& text, const std::string& word)
{
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(OsStateFormatter, MemoryPairCountsStayInsideTheBlock)
{
  OsStateFormatter formatter;
  BlockBuilder overstated = memory_block(1000, 1000);
  std::string text = formatter.format_block(BUS_OS_MEMORY, overstated.data(), overstated.size());
  EXPECT_NE(std::string::npos, text.find("total alloc[1000], total free[1000]"));
  EXPECT_EQ(96u, count_of(text, "\nalloc["));
  EXPECT_NE(std::string::npos, text.find("alloc[95]: start[0x0], size[0x0]\n"));
  EXPECT_EQ(1u, count_of(text, "\nfree["));

  BlockBuilder short_block;
  short_block.u32(1).u32(2).u32(3).u32(4).u32(5).u32(6).u32(7).u32(5).u32(5).u32(0x80).u16(0x40);
  text = formatter.format_block(BUS_OS_MEMORY, short_block.data(), short_block.size());
  EXPECT_EQ(0u, count_of(text, "\nalloc["));
  EXPECT_EQ(0u, count_of(text, "\nfree["));
}

TEST(OsStateFormatter, TrailingPartialRecordIsLeftOut)
{
  struct Case {
    const char* what;
    bool apps;
    uint32_t marker_or_type;
    std::size_t header;
    std::size_t record;
  };
  const Case cases[] = {
      {"task list", true, kMarkerTaskList, 0, OsStateFormatter::kTaskRecordSize},
      {"message queue", true, kMarkerMessageQueue, 0, OsStateFormatter::kQueueRecordSize},
      {"common message addresses", true, kMarkerCommonMessages, 0, 4},
      {"attached buffers", true, kMarkerAttachedBuffers, 0, OsStateFormatter::kAttachedBufferRecordSize},
      {"message trace", false, BUS_OS_MSG_TRACE, 0, OsStateFormatter::kTraceRecordSize},
      {"task status", false, BUS_OS_TASK_STATUS, OsStateFormatter::kTaskStatusHeaderSize,
       OsStateFormatter::kTaskStatusRecordSize},
      {"stacks", false, BUS_OS_STACKS, 0, OsStateFormatter::kStackRecordSize},
  };
  for (const Case& c : cases) {
    // Non-zero bytes everywhere: a read of the partial record would show
    // (an in-use attached buffer, an unterminated task name).
    std::vector<uint8_t> whole(c.header + c.record, 0x31);
    std::vector<uint8_t> with_partial(c.header + 2 * c.record - 1, 0x31);
    auto text = [&c](const std::vector<uint8_t>& block) {
      OsStateFormatter formatter;
      return c.apps ? formatter.format_apps_block(c.marker_or_type, block.data(), block.size())
                    : formatter.format_block(static_cast<int32_t>(c.marker_or_type), block.data(), block.size());
    };
    EXPECT_FALSE(text(whole).empty()) << c.what;
    EXPECT_EQ(text(whole), text(with_partial)) << c.what;
  }
}

TEST(OsStateFormatter, TextStopsAtTheBufferWithAWholeLine)
{
  BlockBuilder block;
  block.zeros(OsStateFormatter::kStackRecordSize * 100000);
  OsStateFormatter formatter;
  std::string text = formatter.format_block(BUS_OS_STACKS, block.data(), block.size());
  EXPECT_LT(text.size(), OsStateFormatter::kTextCapacity);
  EXPECT_GT(text.size(), OsStateFormatter::kTextCapacity - 100);
  EXPECT_EQ("], free[0]\n", text.substr(text.size() - 11));
}

}  // namespace
