#include "ReplyParser.h"
#include "BusMessage.h"
#include "TransportFrame.h"
#include <algorithm>
#include <cstring>

namespace {

bool is_os_state_type(int32_t type)
{
  return type >= BUS_OS_APPS && type <= BUS_OS_MEMORY;
}

bool is_marker(uint32_t length)
{
  return length >= kReplyMarkerFirst && length <= kReplyMarkerLast;
}

}  // namespace

ReplyParser::ReplyParser(TransportState& state, bool little_endian, ReplyListener& listener)
    : state_(state), little_endian_(little_endian), listener_(listener)
{
}

void ReplyParser::expect(TransportState& state, int32_t type)
{
  state.expected_type = type;
  state.parser_state = kText;
}

void ReplyParser::reset(TransportState& state)
{
  state.expected_type = TRANSPORT_IDLE;
  state.parser_state = kText;
  state.remaining = 0;
}

void ReplyParser::parse(const uint8_t* bytes, uint32_t count)
{
  while (count > 0) {
    uint32_t chunk = std::min<uint32_t>(count, kTransportChunkSize);
    parse_chunk(bytes, chunk);
    bytes += chunk;
    count -= chunk;
  }
}

void ReplyParser::text(const uint8_t* bytes, uint32_t count)
{
  if (bytes != nullptr && count != 0) {
    listener_.reply_event(BUS_TEXT, static_cast<int32_t>(count), bytes);
  }
}

void ReplyParser::parse_chunk(const uint8_t* bytes, uint32_t count)
{
  // Reply events of this chunk carry the type expected when it came, even
  // when the exchange ends inside it.
  const int32_t expected = state_.expected_type;
  if (expected == TRANSPORT_IDLE) {
    text(bytes, count);
    return;
  }
  uint32_t taken_bytes = 0;
  uint32_t text_bytes = 0;
  bool taken = false;
  bool ended = false;
  bool stopped = false;
  for (uint32_t k = 0; k < count && !stopped; ++k) {
    const uint8_t b = bytes[k];
    const uint8_t* rest = bytes + k + 1;
    const uint32_t rest_count = count - k - 1;
    switch (state_.parser_state) {
    case kText:
      if (b == kFrameStart) {
        state_.header[0] = b;
        state_.remaining = kFrameHeaderSize - 1;
        state_.parser_state = kHeader;
        text(state_.text, text_bytes);
        text_bytes = 0;
      } else {
        state_.text[text_bytes++] = b;
      }
      break;
    case kHeader: {
      state_.header[kFrameHeaderSize - state_.remaining] = b;
      if (--state_.remaining != 0) {
        break;
      }
      const int32_t type = static_cast<int32_t>(read_target_u32(state_.header + 1, little_endian_));
      const uint32_t length = read_target_u32(state_.header + 5, little_endian_);
      if (type != state_.expected_type) {
        // Shown as the bytes that came; its payload follows as text.
        text(state_.header, kFrameHeaderSize);
        state_.parser_state = kText;
      } else if (length == kReplyEndEmpty || length == kReplyEnd) {
        reset(state_);
        ended = true;
        // The parser is idle now: whatever follows is console text.
        text(rest, rest_count);
        stopped = true;
      } else if (is_marker(length)) {
        state_.parser_state = kText;
        listener_.reply_event(expected, static_cast<int32_t>(length), state_.payload);
        taken_bytes = 0;
      } else {
        state_.remaining = static_cast<int32_t>(length);
        std::memset(state_.payload, 0, sizeof state_.payload);
        state_.parser_state = kPayload;
      }
      break;
    }
    case kPayload:
      state_.payload[taken_bytes++] = b;
      taken = true;
      state_.remaining = static_cast<int32_t>(static_cast<uint32_t>(state_.remaining) - 1);
      if (state_.remaining != 0) {
        break;
      }
      state_.parser_state = kText;
      if (is_os_state_type(state_.expected_type)) {
        listener_.reply_event(expected, static_cast<int32_t>(taken_bytes), state_.payload);
        taken_bytes = 0;
      } else if (state_.expected_type == BUS_REQUEST_5) {
        // Counting goes on, so a second payload in this chunk lands behind it.
        listener_.reply_event(expected, static_cast<int32_t>(taken_bytes), state_.payload);
        taken = false;
      } else {
        // A reply in one frame: its end ends the exchange, asked-for length or not.
        reset(state_);
        ended = true;
        text(rest, rest_count);
        stopped = true;
      }
      break;
    default:
      state_.parser_state = kText;
      break;
    }
  }
  text(state_.text, text_bytes);
  if (taken) {
    listener_.reply_event(expected, static_cast<int32_t>(taken_bytes), state_.payload);
  }
  if (ended) {
    listener_.reply_event(expected, static_cast<int32_t>(kReplyEnd), state_.payload);
  }
}
