#include "SerialPort.h"
#include <gtest/gtest.h>

namespace {

TEST(SerialPort, ClosedPortReadsAndWritesNothing)
{
  SerialPort port;
  uint8_t buffer[16] = {};
  EXPECT_EQ(0u, port.read(buffer, sizeof buffer, kNoTimeLimit));
  EXPECT_EQ(0u, port.read(buffer, sizeof buffer, 10));
  EXPECT_EQ(0u, port.write(buffer, sizeof buffer, 10));
  port.cancel();
  EXPECT_EQ(0u, port.read(buffer, sizeof buffer, 10));
}

TEST(SerialPort, WithoutAnOpenPortThereIsNoRateToSwitch)
{
  SerialPort port;
  EXPECT_FALSE(port.open(0));
  EXPECT_EQ(0, port.high_baud());
  EXPECT_FALSE(port.set_baud(true));
  EXPECT_FALSE(port.high_speed_usable());
  port.close();
}

}  // namespace
