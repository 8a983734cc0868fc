#include "TransportFrame.h"
#include "BusMessage.h"
#include <cstring>

bool frame_type_is_framed(int32_t type)
{
  switch (type) {
  case BUS_SEND_FRAMED:
  case BUS_MEMORY_READ:
  case BUS_REQUEST_4:
  case BUS_REQUEST_5:
  case BUS_OS_APPS:
  case BUS_OS_MSG_TRACE:
  case BUS_OS_TASK_STATUS:
  case BUS_OS_TEXT:
  case BUS_OS_STACKS:
  case BUS_OS_MEMORY:
    return true;
  default:
    return false;
  }
}

bool frame_type_is_bare(int32_t type)
{
  return type == BUS_SEND_AFTER_HANDSHAKE_1 || type == BUS_SEND_AFTER_HANDSHAKE_2 || type == BUS_SEND_RAW;
}

void write_target_u32(uint8_t* destination, uint32_t value, bool little_endian)
{
  for (int i = 0; i < 4; ++i) {
    int shift = little_endian ? 8 * i : 8 * (3 - i);
    destination[i] = static_cast<uint8_t>(value >> shift);
  }
}

uint32_t read_target_u32(const uint8_t* source, bool little_endian)
{
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    int shift = little_endian ? 8 * i : 8 * (3 - i);
    value |= static_cast<uint32_t>(source[i]) << shift;
  }
  return value;
}

void write_frame_header(uint8_t* destination, int32_t type, uint32_t length, bool little_endian)
{
  destination[0] = kFrameStart;
  write_target_u32(destination + 1, static_cast<uint32_t>(type), little_endian);
  write_target_u32(destination + 5, length, little_endian);
}

uint32_t build_transport_frame(int32_t type, uint8_t* destination, const uint8_t* data, uint32_t length,
                               bool little_endian)
{
  if (frame_type_is_framed(type)) {
    write_frame_header(destination, type, length, little_endian);
    if (length > 0) {
      std::memcpy(destination + kFrameHeaderSize, data, length);
    }
    return length + kFrameHeaderSize;
  }
  if (frame_type_is_bare(type)) {
    if (length > 0) {
      std::memcpy(destination, data, length);
    }
    return length;
  }
  return 0;
}
