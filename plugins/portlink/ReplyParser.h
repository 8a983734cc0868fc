#pragma once
#include "TransportState.h"
#include <cstdint>

// Receives what the reply parser makes of the bytes: console text as
// BUS_TEXT, and reply data or markers under the type that was expected.
class ReplyListener {
public:
  virtual ~ReplyListener() = default;
  // length: a byte count, one of the frame's marker lengths, or kReplyEnd
  // when the exchange has ended (an end frame of either length, or the end of
  // a reply that comes in one frame).
  virtual void reply_event(int32_t type, int32_t length, const uint8_t* data) = 0;
};

// Splits the bytes received from the target into console text and the
// payloads of the "#" reply frames of the expected type. Works on the
// transport's state, which outlives every parser made over it.
class ReplyParser {
public:
  enum ParserState : int32_t { kText = 0, kHeader = 1, kPayload = 2 };

  ReplyParser(TransportState& state, bool little_endian, ReplyListener& listener);

  static void expect(TransportState& state, int32_t type);
  // Nothing expected: everything received is text again.
  static void reset(TransportState& state);

  // Takes the bytes in chunks of at most kTransportChunkSize, the size of
  // the state's areas.
  void parse(const uint8_t* bytes, uint32_t count);
  // Console text, when there is any.
  void text(const uint8_t* bytes, uint32_t count);

private:
  void parse_chunk(const uint8_t* bytes, uint32_t count);

  TransportState& state_;
  bool little_endian_;
  ReplyListener& listener_;
};
