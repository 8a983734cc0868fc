#include "BusMessage.h"
#include "ReplyParser.h"
#include "TransportFrame.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Event {
  int32_t type;
  int32_t length;
  std::string bytes;  // for byte counts only; empty for markers and end lengths

  bool operator==(const Event& other) const
  {
    return type == other.type && length == other.length && bytes == other.bytes;
  }
};

std::ostream& operator<<(std::ostream& out, const Event& event)
{
  return out << "{" << event.type << ", " << event.length << ", \"" << event.bytes << "\"}";
}

class RecordingListener : public ReplyListener {
public:
  void reply_event(int32_t type, int32_t length, const uint8_t* data) override
  {
    std::string bytes;
    if (length > 0 && length <= static_cast<int32_t>(kTransportChunkSize)) {
      bytes.assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    }
    events.push_back({type, length, bytes});
  }

  std::vector<Event> events;
};

// A reply header as the target writes it.
std::string header(uint32_t type, uint32_t length, bool little_endian = true)
{
  std::string bytes = "#";
  for (uint32_t value : {type, length}) {
    for (int i = 0; i < 4; ++i) {
      int shift = little_endian ? 8 * i : 8 * (3 - i);
      bytes += static_cast<char>((value >> shift) & 0xFF);
    }
  }
  return bytes;
}

class ReplyParserTest : public ::testing::Test {
protected:
  ReplyParserTest() : state{TRANSPORT_IDLE, 0, 0, {}, {}, {}} {}

  void receive(const std::string& chunk, bool little_endian = true)
  {
    ReplyParser(state, little_endian, listener)
        .parse(reinterpret_cast<const uint8_t*>(chunk.data()), static_cast<uint32_t>(chunk.size()));
  }

  TransportState state;
  RecordingListener listener;
};

TEST_F(ReplyParserTest, WhileIdleEverythingIsText)
{
  receive("ab#cdefghi");
  EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 10, "ab#cdefghi"}}), listener.events);
}

TEST_F(ReplyParserTest, IdleInputLongerThanAChunkComesInChunks)
{
  const std::string input(kTransportChunkSize + 5, 'x');
  receive(input);
  ASSERT_EQ(2u, listener.events.size());
  EXPECT_EQ(static_cast<int32_t>(kTransportChunkSize), listener.events[0].length);
  EXPECT_EQ(5, listener.events[1].length);
}

TEST_F(ReplyParserTest, OsStateReplyBetweenTextCountsItsPayloadTwice)
{
  ReplyParser::expect(state, BUS_OS_TASK_STATUS);
  receive("ab" + header(9, 4) + "WXYZ" + "cd");
  EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 2, "ab"}, {9, 4, "WXYZ"}, {BUS_TEXT, 2, "cd"}, {9, 0, ""}}),
            listener.events);
  EXPECT_EQ(BUS_OS_TASK_STATUS, state.expected_type);
}

TEST_F(ReplyParserTest, BigEndianTargetHeader)
{
  ReplyParser::expect(state, BUS_OS_TASK_STATUS);
  receive(header(9, 4, false) + "WXYZ", false);
  EXPECT_EQ((std::vector<Event>{{9, 4, "WXYZ"}, {9, 0, ""}}), listener.events);
}

TEST_F(ReplyParserTest, MemoryReadPayloadSplitOverTwoChunks)
{
  ReplyParser::expect(state, BUS_MEMORY_READ);
  receive(header(3, 10) + "012345");
  EXPECT_EQ((std::vector<Event>{{3, 6, "012345"}}), listener.events);
  EXPECT_EQ(ReplyParser::kPayload, state.parser_state);

  listener.events.clear();
  receive("6789" + std::string("zz"));
  EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 2, "zz"}, {3, 4, "6789"}, {3, 0xFFFF, ""}}), listener.events);
  EXPECT_EQ(TRANSPORT_IDLE, state.expected_type);
  EXPECT_EQ(ReplyParser::kText, state.parser_state);
}

TEST_F(ReplyParserTest, HeaderSplitOverTwoChunks)
{
  ReplyParser::expect(state, BUS_REQUEST_4);
  const std::string frame = header(4, 3) + "abc";
  receive(frame.substr(0, 4));
  EXPECT_TRUE(listener.events.empty());
  receive(frame.substr(4));
  EXPECT_EQ((std::vector<Event>{{4, 3, "abc"}, {4, 0xFFFF, ""}}), listener.events);
  EXPECT_EQ(TRANSPORT_IDLE, state.expected_type);
}

TEST_F(ReplyParserTest, OneFrameReplyShorterThanAskedStillEndsTheExchange)
{
  ReplyParser::expect(state, BUS_MEMORY_READ);
  receive(header(3, 2) + "ab" + header(3, 2) + "cd");
  EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 11, header(3, 2) + "cd"}, {3, 2, "ab"}, {3, 0xFFFF, ""}}),
            listener.events);
  EXPECT_EQ(TRANSPORT_IDLE, state.expected_type);
}

TEST_F(ReplyParserTest, SubBlockMarkerIsReportedAtOnce)
{
  ReplyParser::expect(state, BUS_OS_APPS);
  receive(header(7, 0xFFFE) + header(7, 2) + "qq");
  EXPECT_EQ((std::vector<Event>{{7, 0xFFFE, ""}, {7, 2, "qq"}, {7, 0, ""}}), listener.events);
  EXPECT_EQ(BUS_OS_APPS, state.expected_type);
}

TEST_F(ReplyParserTest, HeaderOfAnotherTypeIsShownAsReceived)
{
  struct Case {
    bool little_endian;
  };
  for (Case c : {Case{true}, Case{false}}) {
    SCOPED_TRACE(c.little_endian ? "little-endian" : "big-endian");
    listener.events.clear();
    ReplyParser::expect(state, BUS_OS_MSG_TRACE);
    const std::string stray = header(9, 2, c.little_endian);
    receive(stray + "pq", c.little_endian);
    EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 9, stray}, {BUS_TEXT, 2, "pq"}}), listener.events);
    EXPECT_EQ(BUS_OS_MSG_TRACE, state.expected_type);
  }
}

// Either end length is reported as the one end of the exchange: a 0 would be
// taken for an empty piece.
TEST_F(ReplyParserTest, EndFrameEndsTheExchangeAndWhatFollowsIsText)
{
  struct Case {
    uint32_t end_length;
  };
  for (Case c : {Case{kReplyEnd}, Case{kReplyEndEmpty}}) {
    SCOPED_TRACE(c.end_length);
    listener.events.clear();
    ReplyParser::expect(state, BUS_OS_STACKS);
    receive("x" + header(11, c.end_length) + "stb> ");
    EXPECT_EQ((std::vector<Event>{{BUS_TEXT, 1, "x"},
                                  {BUS_TEXT, 5, "stb> "},
                                  {11, static_cast<int32_t>(kReplyEnd), ""}}),
              listener.events);
    EXPECT_EQ(TRANSPORT_IDLE, state.expected_type);
  }
}

TEST_F(ReplyParserTest, SecondRequest5PayloadInAChunkIsCountedOnFromTheFirst)
{
  ReplyParser::expect(state, BUS_REQUEST_5);
  receive(header(5, 2) + "AB" + header(5, 2) + "CD");
  EXPECT_EQ((std::vector<Event>{{5, 2, "AB"}, {5, 4, std::string("\0\0CD", 4)}}), listener.events);
  EXPECT_EQ(BUS_REQUEST_5, state.expected_type);
}

TEST_F(ReplyParserTest, ExpectAndReset)
{
  state.remaining = 5;
  state.parser_state = ReplyParser::kPayload;
  ReplyParser::expect(state, BUS_OS_TEXT);
  EXPECT_EQ(BUS_OS_TEXT, state.expected_type);
  EXPECT_EQ(ReplyParser::kText, state.parser_state);
  EXPECT_EQ(5, state.remaining);

  ReplyParser::reset(state);
  EXPECT_EQ(TRANSPORT_IDLE, state.expected_type);
  EXPECT_EQ(ReplyParser::kText, state.parser_state);
  EXPECT_EQ(0, state.remaining);
}

TEST(TransportFrame, BuildsFramesForFramedTypesAndBarePayloadsForTheOthers)
{
  const std::string payload = "ABCDEFGH";
  struct Case {
    int32_t type;
    bool little_endian;
    std::string expected;
  };
  const Case cases[] = {
      {BUS_MEMORY_READ, true, header(3, 8) + payload},
      {BUS_MEMORY_READ, false, header(3, 8, false) + payload},
      {BUS_OS_MEMORY, true, header(12, 8) + payload},
      {BUS_SEND_RAW, true, payload},
      {BUS_SEND_AFTER_HANDSHAKE_2, false, payload},
      {BUS_SET_HIGH_SPEED, true, ""},
      {6, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    std::string destination(32, '.');
    uint32_t size = build_transport_frame(c.type, reinterpret_cast<uint8_t*>(&destination[0]),
                                          reinterpret_cast<const uint8_t*>(payload.data()), 8, c.little_endian);
    EXPECT_EQ(c.expected.size(), size);
    EXPECT_EQ(c.expected + std::string(32 - size, '.'), destination);
  }
}

TEST(TransportFrame, OneByteRawSendIsOneByte)
{
  uint8_t byte = 'k';
  uint8_t destination[4] = {};
  EXPECT_EQ(1u, build_transport_frame(BUS_SEND_RAW, destination, &byte, 1, true));
  EXPECT_EQ('k', destination[0]);
}

}  // namespace
