#include "HighSpeedPacket.h"
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(HighSpeedPacket, DivisorIsRoundedFromTheTargetClock)
{
  struct Case {
    uint32_t baud;
    uint32_t divisor;
  };
  for (Case c : {Case{230400, 16}, Case{115200, 32}, Case{460800, 7}, Case{921600, 3}, Case{2048000, 1}}) {
    SCOPED_TRACE(c.baud);
    EXPECT_EQ(c.divisor, high_speed_divisor(c.baud));
  }
}

TEST(HighSpeedPacket, ThreeLittleEndianWords)
{
  uint8_t packet[kHighSpeedPacketSize];
  build_high_speed_packet(230400, packet);
  EXPECT_EQ(std::string("\x04\x00\x00\x00\x00\x00\x00\x41\x10\x00\x00\x00", 12),
            std::string(reinterpret_cast<const char*>(packet), sizeof packet));
}

}  // namespace
