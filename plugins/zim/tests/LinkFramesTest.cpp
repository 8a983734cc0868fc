#include "FakeTarget.h"
#include "LinkFrames.h"
#include <gtest/gtest.h>

namespace {

TEST(LinkFramesTest, CrcIsTheTargetsJamCrc)
{
  Bytes check = text_bytes("123456789");
  EXPECT_EQ(0x340BC6D9u, link_crc(check.data(), check.size()));
}

TEST(LinkFramesTest, CommandFrameCarriesCrcOverLetterLengthAndPayload)
{
  Bytes payload = text_bytes(kLinkBanner);
  Bytes frame = build_command_frame(kCommandTest, payload.data(), static_cast<uint8_t>(payload.size()));
  ASSERT_EQ(15u + 7u, frame.size());
  EXPECT_EQ('#', frame[0]);
  EXPECT_EQ('P', frame[1]);
  EXPECT_EQ(15, frame[2]);
  EXPECT_EQ(payload, Bytes(frame.begin() + 3, frame.begin() + 18));
  EXPECT_EQ(le32(reference_crc(&frame[1], 17)), Bytes(frame.begin() + 18, frame.end()));
}

TEST(LinkFramesTest, CommandWithoutPayloadIsSevenBytes)
{
  Bytes frame = build_command_frame(kCommandBurn, nullptr, 0);
  Bytes letter_and_length{'T', 0};
  Bytes expected{'#', 'T', 0};
  Bytes check = le32(reference_crc(letter_and_length.data(), 2));
  expected.insert(expected.end(), check.begin(), check.end());
  EXPECT_EQ(expected, frame);
}

TEST(LinkFramesTest, DataPacketHasBigEndianSequenceAndCrcOfDataOnly)
{
  Bytes data{1, 2, 3};
  Bytes packet = build_data_packet(0x1234, data.data(), data.size());
  Bytes expected{'#', '*', 0x12, 0x34, 1, 2, 3};
  Bytes check = le32(reference_crc(data.data(), data.size()));
  expected.insert(expected.end(), check.begin(), check.end());
  EXPECT_EQ(expected, packet);
}

TEST(LinkFramesTest, DumpRequestIsTheMemoryReadFrame)
{
  Bytes expected{'#', 3, 0, 0, 0, 8, 0, 0, 0, 0x00, 0x10, 0x00, 0x08, 0x04, 0x10, 0, 0};
  EXPECT_EQ(expected, build_dump_request(0x08001000, 0x1004));
}

TEST(LinkFramesTest, SequenceAfter0xFFFEIsZero)
{
  EXPECT_EQ(1, next_sequence(0));
  EXPECT_EQ(0xFFFE, next_sequence(0xFFFD));
  EXPECT_EQ(0, next_sequence(0xFFFE));
}

TEST(LinkFramesTest, AcknowledgementsAtOrAheadOfTheSentNumberReachIt)
{
  struct Case {
    uint16_t acknowledged;
    uint16_t sent;
    bool reached;
  };
  const Case cases[] = {
      {5, 5, true},
      {6, 5, true},
      {4, 5, false},
      {0, 0xFFFE, true},      // ahead across the wrap
      {0xFFFE, 0, false},     // the packet before the wrap, not this one
      {0xFFFF, 0, false},     // never a sequence number
      {0x9000, 0x1000, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.reached, sequence_reached(c.acknowledged, c.sent)) << c.acknowledged << " for " << c.sent;
  }
}

}  // namespace
