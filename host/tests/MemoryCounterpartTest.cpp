#include "BlockBuilder.h"
#include "ComponentSystem.h"
#include "Crc32.h"
#include "MemoryCounterpart.h"
#include "NullComponent.h"
#include "RecordingComponent.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

// korvo's bus with "memcopy", a connector that answers and captures, and a
// stand-in for the transport that broadcasts the target's replies and records
// what "memcopy" announces (a sender never receives its own broadcasts).
class MemoryCounterpartTest : public ::testing::Test {
protected:
  MemoryCounterpartTest()
  {
    new MemoryCounterpart(&system);
    connector = new RecordingComponent("com connector", &system);
    connector->answers = {{BUS_QUERY_OPEN, 1}, {BUS_QUERY_BUSY, 0}, {BUS_MEMORY_READ, 1}, {BUS_OS_APPS, 1}};
    transport = new RecordingComponent("transport protocol", &system, false);
    transport->set_active(true);
    reader = system.acquire("memcopy");
  }

  ~MemoryCounterpartTest() override { system.deinit(); }

  int32_t send(int32_t type, uint32_t address, uint32_t length, void* destination)
  {
    record = MemoryRequest{address, length, destination};
    BusMessage message{type, 8, &record};
    return reader->request(&message);
  }

  void reply(int32_t type, const std::vector<uint8_t>& bytes)
  {
    std::vector<uint8_t> chunk(bytes);
    BusMessage message{type, static_cast<int32_t>(chunk.size()), chunk.data()};
    system.broadcast(transport, &message);
  }

  void marker(int32_t type, uint32_t marker)
  {
    // The transport's payload area travels with a marker, as with data.
    uint8_t payload[1024] = {};
    BusMessage message{type, static_cast<int32_t>(marker), payload};
    system.broadcast(transport, &message);
  }

  // Data followed by its check value, as the target sends a memory read.
  static std::vector<uint8_t> with_crc(const std::string& data)
  {
    uint32_t table[256];
    crc32_build_table(table);
    uint32_t crc = crc32_update(table, 0xFFFFFFFF, data.data(), data.size());
    std::vector<uint8_t> bytes(data.begin(), data.end());
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<uint8_t>(crc >> shift));
    }
    return bytes;
  }

  const std::vector<RecordingComponent::Received>& announced() const { return transport->notifications; }

  ComponentSystem system;
  RecordingComponent* connector;
  RecordingComponent* transport;
  Component* reader;
  MemoryRequest record{};
};

std::string bytes_of(const void* data, std::size_t count)
{
  return std::string(static_cast<const char*>(data), count);
}

TEST_F(MemoryCounterpartTest, IsTheSharedMemoryReader)
{
  EXPECT_EQ("memory_counterpart", reader->type_name());
  EXPECT_EQ(reader, system.acquire("memcopy"));
  EXPECT_FALSE(reader->active());
}

TEST_F(MemoryCounterpartTest, MemoryReadWithMatchingCrcIsCopiedAndAnnounced)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x80001000, 8, destination));
  ASSERT_EQ(3u, connector->requests.size());
  const RecordingComponent::Received& forwarded = connector->requests.back();
  EXPECT_EQ(BUS_MEMORY_READ, forwarded.type);
  EXPECT_EQ(8, forwarded.len);
  EXPECT_EQ(std::string("\x00\x10\x00\x80\x08\x00\x00\x00", 8), forwarded.bytes);
  EXPECT_TRUE(reader->active());

  reply(BUS_MEMORY_READ, with_crc("WXYZ"));
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_OK, announced()[0].type);
  EXPECT_EQ(4, announced()[0].len);
  EXPECT_EQ("WXYZ---", std::string(destination));
  EXPECT_FALSE(reader->active());
}

TEST_F(MemoryCounterpartTest, ReplyInPiecesIsCollectedUntilTheLengthIsReached)
{
  char destination[16] = {};
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 14, destination));
  std::vector<uint8_t> bytes = with_crc("0123456789");
  reply(BUS_MEMORY_READ, std::vector<uint8_t>(bytes.begin(), bytes.begin() + 6));
  EXPECT_TRUE(announced().empty());
  // A sub-block marker is no byte count for a memory read.
  marker(BUS_MEMORY_READ, kMarkerTaskList);
  EXPECT_TRUE(announced().empty());
  reply(BUS_MEMORY_READ, std::vector<uint8_t>(bytes.begin() + 6, bytes.end()));
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_OK, announced()[0].type);
  EXPECT_EQ(10, announced()[0].len);
  EXPECT_EQ("0123456789", std::string(destination));
}

TEST_F(MemoryCounterpartTest, CrcMismatchIsAnnouncedAndNothingIsCopied)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  std::vector<uint8_t> bytes = with_crc("WXYZ");
  bytes[0] ^= 1;
  reply(BUS_MEMORY_READ, bytes);
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_CRC_ERROR, announced()[0].type);
  EXPECT_EQ(0, announced()[0].len);
  EXPECT_EQ("-------", std::string(destination));
  EXPECT_FALSE(reader->active());
}

TEST_F(MemoryCounterpartTest, ReplyShorterThanACheckValueFails)
{
  char destination[4] = "---";
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 2, destination));
  reply(BUS_MEMORY_READ, {0xAA, 0xBB});
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_CRC_ERROR, announced()[0].type);
  EXPECT_EQ("---", std::string(destination));
}

TEST_F(MemoryCounterpartTest, BytesBeyondTheRequestedLengthAreNotTaken)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 6, destination));
  std::vector<uint8_t> bytes = with_crc("AB");
  bytes.insert(bytes.end(), {'x', 'y', 'z', 'w'});
  reply(BUS_MEMORY_READ, bytes);
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_OK, announced()[0].type);
  EXPECT_EQ(2, announced()[0].len);
  EXPECT_EQ("AB-----", std::string(destination));
}

// The transport reports the end of an exchange (an end frame of length 0 or
// 0xFFFF, or the end of the one frame of a memory read) as kMarkerEnd.
TEST_F(MemoryCounterpartTest, ReadEndedShortFailsAndFreesTheReader)
{
  struct Case {
    const char* name;
    int32_t type;
    std::vector<uint8_t> before_end;
    int32_t announced_type;
  };
  const Case cases[] = {
      {"memory read, frame shorter than asked", BUS_MEMORY_READ, {'W', 'X', 'Y'}, BUS_READ_CRC_ERROR},
      {"memory read, empty reply", BUS_MEMORY_READ, {}, BUS_READ_CRC_ERROR},
      {"OS state, empty reply", BUS_OS_STACKS, {}, BUS_READ_DONE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    transport->notifications.clear();
    char destination[8] = "-------";
    ASSERT_EQ(1, send(c.type, 0x1000, 8, destination));
    if (!c.before_end.empty()) {
      reply(c.type, c.before_end);
    }
    EXPECT_TRUE(announced().empty());
    marker(c.type, kMarkerEnd);
    ASSERT_EQ(1u, announced().size());
    EXPECT_EQ(c.announced_type, announced()[0].type);
    EXPECT_EQ(0, announced()[0].len);
    EXPECT_EQ("-------", std::string(destination));
    EXPECT_FALSE(reader->active());
    EXPECT_TRUE(static_cast<MemoryCounterpart*>(reader)->connector_ready());
  }
  char destination[8] = {};
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  reply(BUS_MEMORY_READ, with_crc("WXYZ"));
  EXPECT_EQ(BUS_READ_OK, announced().back().type);
  EXPECT_EQ("WXYZ", std::string(destination));
}

TEST_F(MemoryCounterpartTest, RequestLengthBeyondTheRecordIsRefused)
{
  char destination[8] = {};
  record = MemoryRequest{0x1000, 8, destination};
  for (int32_t len : {int32_t(kMemoryRequestSentBytes + 1), 4096, -1}) {
    SCOPED_TRACE(len);
    BusMessage message{BUS_MEMORY_READ, len, &record};
    EXPECT_EQ(0, reader->request(&message));
    BusMessage query{BUS_OS_MEMORY, len, &record};
    EXPECT_EQ(0, reader->request(&query));
  }
  for (const auto& request : connector->requests) {
    EXPECT_TRUE(request.type == BUS_QUERY_OPEN || request.type == BUS_QUERY_BUSY) << request.type;
  }
  EXPECT_FALSE(reader->active());
  BusMessage whole{BUS_MEMORY_READ, int32_t(kMemoryRequestSentBytes), &record};
  EXPECT_EQ(1, reader->request(&whole));
  EXPECT_EQ(static_cast<int32_t>(kMemoryRequestSentBytes), connector->requests.back().len);
}

TEST_F(MemoryCounterpartTest, BigEndianTargetGetsTheRecordSwapped)
{
  system.set_little_endian(0);
  char destination[8] = {};
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x80001000, 8, destination));
  EXPECT_EQ(std::string("\x80\x00\x10\x00\x00\x00\x00\x08", 8), connector->requests.back().bytes);
  reply(BUS_MEMORY_READ, with_crc("WXYZ"));
  ASSERT_EQ(1u, announced().size());
  EXPECT_EQ(BUS_READ_OK, announced()[0].type);
}

TEST_F(MemoryCounterpartTest, RequestIsRefusedUnlessTheConnectorIsOpenAndIdle)
{
  char destination[8] = {};
  BusMessage without_record{BUS_MEMORY_READ, 8, nullptr};
  EXPECT_EQ(0, reader->request(&without_record));
  // More than the receive buffer could never be checked.
  EXPECT_EQ(0, send(BUS_MEMORY_READ, 0x1000, MemoryCounterpart::kReceiveCapacity + 1, destination));
  connector->answers[BUS_QUERY_OPEN] = 0;
  EXPECT_EQ(0, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  connector->answers[BUS_QUERY_OPEN] = 1;
  connector->answers[BUS_QUERY_BUSY] = 1;
  EXPECT_EQ(0, send(BUS_OS_STACKS, 0, 8, destination));
  for (const auto& request : connector->requests) {
    EXPECT_TRUE(request.type == BUS_QUERY_OPEN || request.type == BUS_QUERY_BUSY) << request.type;
  }
  connector->answers[BUS_QUERY_BUSY] = 0;
  EXPECT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  // One read at a time.
  EXPECT_EQ(0, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  EXPECT_FALSE(static_cast<MemoryCounterpart*>(reader)->connector_ready());
}

TEST(MemoryCounterpartWithoutConnector, RefusesReadsButResets)
{
  ComponentSystem system;
  new MemoryCounterpart(&system);
  Component* reader = system.acquire("memcopy");
  MemoryRequest record{0x1000, 8, nullptr};
  BusMessage read{BUS_MEMORY_READ, 8, &record};
  EXPECT_EQ(0, reader->request(&read));
  BusMessage reset{BUS_RESET, 0, nullptr};
  EXPECT_EQ(1, reader->request(&reset));
  BusMessage other{BUS_SEND_RAW, 1, &record};
  EXPECT_EQ(0, reader->request(&other));
  system.deinit();
}

TEST_F(MemoryCounterpartTest, ResetDropsTheOutstandingReadAndIsPassedOn)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 8, destination));
  BusMessage reset{BUS_RESET, 0, nullptr};
  EXPECT_EQ(1, reader->request(&reset));
  EXPECT_EQ(BUS_RESET, connector->requests.back().type);
  EXPECT_FALSE(reader->active());
  reply(BUS_MEMORY_READ, with_crc("WXYZ"));
  // Not even a holder's direct notification completes a dropped read.
  std::vector<uint8_t> late = with_crc("WXYZ");
  BusMessage direct{BUS_MEMORY_READ, 8, late.data()};
  reader->notify(&direct);
  EXPECT_TRUE(announced().empty());
  EXPECT_EQ("-------", std::string(destination));
  EXPECT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 8, destination));
}

TEST_F(MemoryCounterpartTest, HandshakeSendIsPassedOnAndOtherTypesAreRefused)
{
  char payload[] = "boot";
  BusMessage handshake{BUS_SEND_AFTER_HANDSHAKE_1, 4, payload};
  EXPECT_EQ(1, reader->request(&handshake));
  EXPECT_EQ(BUS_SEND_AFTER_HANDSHAKE_1, connector->requests.back().type);
  EXPECT_EQ("boot", connector->requests.back().bytes);
  BusMessage raw{BUS_SEND_RAW, 4, payload};
  EXPECT_EQ(0, reader->request(&raw));
  for (const auto& request : connector->requests) {
    EXPECT_NE(BUS_SEND_RAW, request.type);
  }
}

TEST_F(MemoryCounterpartTest, ZeroLengthRequestSendsNothing)
{
  char destination[4] = {};
  EXPECT_EQ(1, send(BUS_MEMORY_READ, 0x1000, 0, destination));
  EXPECT_NE(BUS_MEMORY_READ, connector->requests.back().type);
  EXPECT_FALSE(reader->active());
}

TEST_F(MemoryCounterpartTest, TaskListReplyBecomesConsoleTextBlockByBlock)
{
  std::vector<char> destination(4096, '\0');
  ASSERT_EQ(1, send(BUS_OS_APPS, 0, 4096, destination.data()));
  EXPECT_EQ(BUS_OS_APPS, connector->requests.back().type);

  BlockBuilder tasks;
  tasks.u8(1).u8(0).u16(3).u16(2).u16(8).text("idle", 20).u32(0x10);
  tasks.u8(1).u8(0).u16(0).u16(0).u16(4).text("shell", 20).u32(0x20);
  BlockBuilder queue;
  queue.u32(0x21).u32(1).u32(2);

  reply(BUS_OS_APPS, std::vector<uint8_t>(tasks.bytes().begin(), tasks.bytes().begin() + 40));
  reply(BUS_OS_APPS, std::vector<uint8_t>(tasks.bytes().begin() + 40, tasks.bytes().end()));
  marker(BUS_OS_APPS, kMarkerTaskList);
  reply(BUS_OS_APPS, queue.bytes());
  marker(BUS_OS_APPS, kMarkerMessageQueue);
  reply(BUS_OS_APPS, queue.bytes());
  marker(BUS_OS_APPS, kMarkerMessageQueue);
  BlockBuilder common;
  common.u32(0x80010000);
  reply(BUS_OS_APPS, common.bytes());
  marker(BUS_OS_APPS, kMarkerCommonMessages);
  BlockBuilder buffers;
  buffers.u8(1).zeros(3).u32(0x80020000).u16(64).u16(10).u16(3).u16(1).u32(0x80030000);
  reply(BUS_OS_APPS, buffers.bytes());
  marker(BUS_OS_APPS, kMarkerAttachedBuffers);
  // A marker with nothing collected since the last one adds nothing.
  marker(BUS_OS_APPS, kMarkerAttachedBuffers);
  EXPECT_TRUE(reader->active());
  marker(BUS_OS_APPS, kMarkerEnd);

  std::vector<int32_t> types;
  std::string console;
  for (const auto& event : announced()) {
    types.push_back(event.type);
    if (event.type == BUS_TEXT) {
      console += event.bytes;
    }
  }
  EXPECT_EQ((std::vector<int32_t>{BUS_RAW_TASK_LIST, BUS_TEXT, BUS_RAW_MSG_QUEUE, BUS_TEXT, BUS_RAW_MSG_QUEUE,
                                  BUS_TEXT, BUS_TEXT, BUS_TEXT, BUS_READ_DONE}),
            types);
  EXPECT_EQ(bytes_of(tasks.data(), tasks.size()), announced()[0].bytes);
  EXPECT_EQ(bytes_of(queue.data(), queue.size()), announced()[2].bytes);
  EXPECT_EQ("\nap_id  name    used    full    in    out   depth   msg_pool_cur"
            "\n0      idle      1       0       3    2    8   0x10"
            "\n1      shell      1       0       0    0    4   0x20",
            announced()[1].bytes);
  EXPECT_EQ(0u, announced()[3].bytes.find("\n\nmsgq info of ap 0\n"));
  EXPECT_EQ(0u, announced()[5].bytes.find("\n\nmsgq info of ap 1\n"));
  EXPECT_NE(std::string::npos, announced()[5].bytes.find("\n1          0          0      0          0x1     0x1"));
  EXPECT_EQ("\ncommon msg addr: 0x80010000", announced()[6].bytes);
  EXPECT_EQ("\nattached buffer info:"
            "\nref addr: 0x80020000, atom size: 64, depth: 10, in: 3, out: 1, start addr: 0x80030000",
            announced()[7].bytes);
  EXPECT_EQ(static_cast<int32_t>(console.size()), announced().back().len);
  EXPECT_EQ(console, std::string(destination.data()));
  EXPECT_FALSE(reader->active());
}

TEST_F(MemoryCounterpartTest, TaskListTextStopsAtTheRequestedLength)
{
  std::vector<char> destination(64, '#');
  ASSERT_EQ(1, send(BUS_OS_APPS, 0, 40, destination.data()));
  BlockBuilder tasks;
  tasks.u8(1).u8(0).u16(3).u16(2).u16(8).text("idle", 20).u32(0x10);
  reply(BUS_OS_APPS, tasks.bytes());
  marker(BUS_OS_APPS, kMarkerTaskList);
  reply(BUS_OS_APPS, tasks.bytes());
  marker(BUS_OS_APPS, kMarkerTaskList);
  marker(BUS_OS_APPS, kMarkerEnd);
  ASSERT_EQ(BUS_READ_DONE, announced().back().type);
  EXPECT_EQ(40, announced().back().len);
  EXPECT_EQ(announced()[1].bytes.substr(0, 40), std::string(destination.data(), 40));
  EXPECT_EQ(std::string(24, '#'), std::string(destination.data() + 40, 24));
}

TEST_F(MemoryCounterpartTest, TaskStatusReplyIsFormattedOnceComplete)
{
  std::vector<char> destination(1024, '\0');
  ASSERT_EQ(1, send(BUS_OS_TASK_STATUS, 7, 1024, destination.data()));
  BlockBuilder status;
  status.u16(18).u8(1).u8(1).u8(0).u8(0).u8(0).u8(3).u8(3).u8(1).u8(50).u8(0);
  reply(BUS_OS_TASK_STATUS, status.bytes());
  // Sub-block markers mean nothing to this reply.
  marker(BUS_OS_TASK_STATUS, kMarkerTaskList);
  EXPECT_TRUE(announced().empty());
  marker(BUS_OS_TASK_STATUS, kMarkerEnd);
  ASSERT_EQ(2u, announced().size());
  EXPECT_EQ(BUS_TEXT, announced()[0].type);
  EXPECT_EQ(0u, announced()[0].bytes.find("\nstruct size: 18\ntask num: 1\n"));
  EXPECT_EQ(BUS_READ_DONE, announced()[1].type);
  EXPECT_EQ(static_cast<int32_t>(announced()[0].bytes.size()), announced()[1].len);
  EXPECT_EQ(announced()[0].bytes, std::string(destination.data()));
}

TEST_F(MemoryCounterpartTest, StackTextStopsAtTheRequestedLength)
{
  char destination[32];
  std::memset(destination, '#', sizeof destination);
  ASSERT_EQ(1, send(BUS_OS_STACKS, 0, 20, destination));
  BlockBuilder stacks;
  stacks.u32(0x80100000).u32(4096).u16(1024).u16(3072);
  reply(BUS_OS_STACKS, stacks.bytes());
  marker(BUS_OS_STACKS, kMarkerEnd);
  ASSERT_EQ(2u, announced().size());
  EXPECT_EQ("stack[0]: start[0x80100000], size[4096], used[1024], free[3072]\n\n", announced()[0].bytes);
  EXPECT_EQ(20, announced()[1].len);
  EXPECT_EQ("stack[0]: start[0x80", std::string(destination, 20));
  EXPECT_EQ(std::string(12, '#'), std::string(destination + 20, 12));
}

TEST_F(MemoryCounterpartTest, ReplyLongerThanTheReceiveBufferIsCutAtItsEnd)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_OS_TEXT, 0, 8, destination));
  const std::vector<uint8_t> piece(MemoryCounterpart::kReceiveCapacity / 2 + 1000, 't');
  reply(BUS_OS_TEXT, piece);
  reply(BUS_OS_TEXT, piece);
  reply(BUS_OS_TEXT, piece);
  marker(BUS_OS_TEXT, kMarkerEnd);
  ASSERT_EQ(2u, announced().size());
  EXPECT_EQ(BUS_TEXT, announced()[0].type);
  EXPECT_EQ(static_cast<int32_t>(MemoryCounterpart::kReceiveCapacity), announced()[0].len);
  EXPECT_EQ(BUS_READ_DONE, announced()[1].type);
  EXPECT_EQ("-------", std::string(destination));
}

TEST_F(MemoryCounterpartTest, TextReplyGoesToTheConsoleOnly)
{
  char destination[8] = "-------";
  ASSERT_EQ(1, send(BUS_OS_TEXT, 0, 8, destination));
  reply(BUS_OS_TEXT, {'u', 'p', ' ', '3', 'd'});
  marker(BUS_OS_TEXT, kMarkerEnd);
  ASSERT_EQ(2u, announced().size());
  EXPECT_EQ(BUS_TEXT, announced()[0].type);
  EXPECT_EQ("up 3d", announced()[0].bytes);
  EXPECT_EQ(BUS_READ_DONE, announced()[1].type);
  EXPECT_EQ(0, announced()[1].len);
  EXPECT_EQ("-------", std::string(destination));
}

}  // namespace
