#pragma once
#include <cstdint>

// The "#" frame in which requests go to the target and replies come back:
// "#", the type and the length, each 32 bits in the target's byte order, then
// the payload.
constexpr uint8_t kFrameStart = '#';
constexpr uint32_t kFrameHeaderSize = 9;

// Reply lengths that carry no payload: 0 and 0xFFFF end an exchange, 0xFFFB
// to 0xFFFE close a sub-block.
constexpr uint32_t kReplyEndEmpty = 0;
constexpr uint32_t kReplyEnd = 0xFFFF;
constexpr uint32_t kReplyMarkerFirst = 0xFFFB;
constexpr uint32_t kReplyMarkerLast = 0xFFFE;

// Types sent inside a frame; the handshake types and raw sends go bare.
bool frame_type_is_framed(int32_t type);
bool frame_type_is_bare(int32_t type);

// A 32-bit value as the target stores it: as it is for a little-endian
// target, its bytes reversed otherwise.
void write_target_u32(uint8_t* destination, uint32_t value, bool little_endian);
uint32_t read_target_u32(const uint8_t* source, bool little_endian);

void write_frame_header(uint8_t* destination, int32_t type, uint32_t length, bool little_endian);

// Writes the frame of a framed type, or the bare payload of a bare one, and
// returns its size; writes nothing and returns 0 for any other type. The
// destination holds at least length + kFrameHeaderSize bytes.
uint32_t build_transport_frame(int32_t type, uint8_t* destination, const uint8_t* data, uint32_t length,
                               bool little_endian);
