#pragma once
#include <cstdint>

// The packet that tells the target to switch to the high rate: three 32-bit
// little-endian words, whatever the target's byte order.
constexpr uint32_t kHighSpeedPacketSize = 12;
constexpr uint32_t kHighSpeedFirstWord = 4;
constexpr uint32_t kHighSpeedCommand = 0x41000000;
// The target's UART clock, from which it derives the rate's divisor.
constexpr uint32_t kTargetUartClock = 123000000;

// The divisor for a rate above 0, rounded as the target expects.
uint32_t high_speed_divisor(uint32_t high_baud);
void build_high_speed_packet(uint32_t high_baud, uint8_t packet[kHighSpeedPacketSize]);
