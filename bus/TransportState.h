#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::size_t kTransportHeaderSize = 9;
// A received chunk holds at most this many bytes.
constexpr std::size_t kTransportChunkSize = 1024;

// The receive state of the link to the target: a plain record, so that the
// reply parser can work on it apart from the component.
struct TransportState {
  int32_t expected_type;  // TRANSPORT_IDLE: nothing expected, all is text
  int32_t parser_state;   // 0 text, 1 header, 2 payload
  int32_t remaining;      // header or payload bytes still to come
  uint8_t header[kTransportHeaderSize];
  uint8_t payload[kTransportChunkSize];
  uint8_t text[kTransportChunkSize];
};
