#include "HighSpeedPacket.h"
#include "TransportFrame.h"

uint32_t high_speed_divisor(uint32_t high_baud)
{
  return ((kTargetUartClock / high_baud) + 16) / 32 - 1;
}

void build_high_speed_packet(uint32_t high_baud, uint8_t packet[kHighSpeedPacketSize])
{
  write_target_u32(packet, kHighSpeedFirstWord, true);
  write_target_u32(packet + 4, kHighSpeedCommand, true);
  write_target_u32(packet + 8, high_speed_divisor(high_baud), true);
}
