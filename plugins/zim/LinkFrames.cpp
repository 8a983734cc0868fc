#include "LinkFrames.h"
#include "Crc32.h"
#include <cstring>

namespace {

// Acknowledgements further ahead than this are read as stale ones from
// before the wrap.
constexpr uint32_t kSequenceWindow = kSequenceModulus / 2;

struct CrcTable {
  CrcTable() { crc32_build_table(entries); }
  uint32_t entries[256];
};

}  // namespace

void put_u32(uint8_t* bytes, uint32_t value)
{
  for (int i = 0; i < 4; ++i) {
    bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

uint32_t get_u32(const uint8_t* bytes)
{
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

uint32_t link_crc(const uint8_t* bytes, std::size_t count)
{
  static const CrcTable table;
  return crc32_update(table.entries, 0xFFFFFFFFu, bytes, count);
}

std::vector<uint8_t> build_command_frame(uint8_t letter, const uint8_t* payload, uint8_t length)
{
  std::vector<uint8_t> frame(length + kCommandOverhead);
  frame[0] = kFrameStart;
  frame[1] = letter;
  frame[2] = length;
  if (length > 0) {
    std::memcpy(&frame[3], payload, length);
  }
  put_u32(&frame[3 + length], link_crc(&frame[1], 2 + length));
  return frame;
}

std::vector<uint8_t> build_data_packet(uint16_t sequence, const uint8_t* data, std::size_t size)
{
  std::vector<uint8_t> packet(size + kPacketOverhead);
  packet[0] = kFrameStart;
  packet[1] = kPacketMark;
  packet[2] = static_cast<uint8_t>(sequence >> 8);
  packet[3] = static_cast<uint8_t>(sequence);
  std::memcpy(&packet[4], data, size);
  put_u32(&packet[4 + size], link_crc(data, size));
  return packet;
}

std::vector<uint8_t> build_dump_request(uint32_t address, uint32_t length)
{
  std::vector<uint8_t> request(kDumpRequestSize);
  request[0] = kFrameStart;
  put_u32(&request[1], kDumpRequestType);
  put_u32(&request[5], kDumpRequestPayloadSize);
  put_u32(&request[9], address);
  put_u32(&request[13], length);
  return request;
}

uint16_t next_sequence(uint16_t sequence)
{
  return static_cast<uint16_t>((uint32_t(sequence) + 1) % kSequenceModulus);
}

bool sequence_reached(uint16_t acknowledged, uint16_t sent)
{
  if (acknowledged >= kSequenceModulus || sent >= kSequenceModulus) {
    return false;
  }
  uint32_t ahead = (uint32_t(acknowledged) + kSequenceModulus - sent) % kSequenceModulus;
  return ahead < kSequenceWindow;
}
