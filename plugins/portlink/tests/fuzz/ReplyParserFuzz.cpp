// The reply parser and the framing on any bytes: byte 0 picks the expected
// type and the byte order, byte 1 the piece size; the rest is what the
// target sends. Every data event stays within the parser's areas.
#include "BusMessage.h"
#include "ReplyParser.h"
#include "TransportFrame.h"
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const int32_t kTypes[] = {TRANSPORT_IDLE, BUS_MEMORY_READ, BUS_REQUEST_4, BUS_REQUEST_5, BUS_OS_APPS,
                          BUS_OS_MSG_TRACE, BUS_OS_TASK_STATUS, BUS_OS_TEXT, BUS_OS_STACKS, BUS_OS_MEMORY};

class CheckingListener : public ReplyListener {
public:
  void reply_event(int32_t type, int32_t length, const uint8_t* data) override
  {
    if (length < 0) {
      std::abort();
    }
    const uint32_t n = static_cast<uint32_t>(length);
    if (n >= kReplyMarkerFirst && n <= kReplyEnd) {
      return;
    }
    if (n > kTransportChunkSize || (n > 0 && data == nullptr)) {
      std::abort();
    }
    // Touch every byte, so that a read past the area is seen.
    for (uint32_t i = 0; i < n; ++i) {
      sum += data[i];
    }
  }
  unsigned sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 2) {
    return 0;
  }
  const int32_t type = kTypes[(data[0] & 0x7F) % (sizeof kTypes / sizeof kTypes[0])];
  const bool little_endian = (data[0] & 0x80) == 0;
  const std::size_t piece = std::size_t(data[1]) * 16 + 1;
  data += 2;
  size -= 2;

  TransportState state{TRANSPORT_IDLE, 0, 0, {}, {}, {}};
  ReplyParser::expect(state, type);
  CheckingListener listener;
  ReplyParser parser(state, little_endian, listener);
  for (std::size_t at = 0; at < size; at += piece) {
    parser.parse(data + at, static_cast<uint32_t>(std::min(piece, size - at)));
  }

  // The same bytes framed as a request, and as a high-speed packet's payload.
  const uint32_t length = static_cast<uint32_t>(std::min<std::size_t>(size, 4096));
  std::vector<uint8_t> frame(length + kFrameHeaderSize);
  const uint32_t framed = build_transport_frame(type, frame.data(), data, length, little_endian);
  if (framed > frame.size()) {
    std::abort();
  }
  return 0;
}
