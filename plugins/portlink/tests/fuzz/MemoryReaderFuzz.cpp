// The whole road of a memory read or an OS-state query: serial bytes through
// the reply parser onto the bus, into "memcopy", and on to the caller's
// buffer. Input: the request's type and the target's byte order (byte 0), the
// asked length (bytes 1-2), the sizes of the pieces the serial port delivers
// (byte 3), then what the target sends.
#include "BusMessage.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "MemoryCounterpart.h"
#include "RecordingComponent.h"
#include "ReplyParser.h"
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const int32_t kTypes[] = {BUS_MEMORY_READ, BUS_OS_APPS, BUS_OS_MSG_TRACE, BUS_OS_TASK_STATUS,
                          BUS_OS_TEXT, BUS_OS_STACKS, BUS_OS_MEMORY};

class BusListener : public ReplyListener {
public:
  BusListener(ComponentSystem& system, Component& sender) : system_(system), sender_(sender) {}
  void reply_event(int32_t type, int32_t length, const uint8_t* data) override
  {
    BusMessage message{type, length, const_cast<uint8_t*>(data)};
    system_.broadcast(&sender_, &message);
  }

private:
  ComponentSystem& system_;
  Component& sender_;
};

struct Road {
  Road()
  {
    reader = new MemoryCounterpart(&system);
    connector = new RecordingComponent(kConnectorName, &system);
    connector->answers = {{BUS_QUERY_OPEN, 1}, {BUS_QUERY_BUSY, 0}};
    connector->capture_limit = 0;
    transport = new RecordingComponent(kTransportProtocolName, &system, false);
    transport->capture_limit = 0;
    transport->set_active(true);
  }

  ComponentSystem system;
  MemoryCounterpart* reader;
  RecordingComponent* connector;
  RecordingComponent* transport;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 4) {
    return 0;
  }
  // "memcopy" keeps a 20 MB receive buffer: one road for every input.
  static Road road;
  BusMessage reset{BUS_RESET, 0, nullptr};
  road.reader->request(&reset);
  road.connector->requests.clear();
  road.transport->notifications.clear();

  const int32_t type = kTypes[(data[0] & 0x7F) % (sizeof kTypes / sizeof kTypes[0])];
  const bool little_endian = (data[0] & 0x80) == 0;
  road.system.set_little_endian(little_endian ? 1 : 0);
  const uint32_t length = uint32_t(data[1]) | uint32_t(data[2]) << 8;
  const std::size_t piece = std::size_t(data[3]) * 8 + 1;
  // Exactly the asked size, so that a write past it is caught.
  std::vector<uint8_t> destination(length);
  MemoryRequest record{0x80000000u, length, destination.data()};
  BusMessage request{type, static_cast<int32_t>(kMemoryRequestSentBytes), &record};
  if (road.reader->request(&request) == 0) {
    std::abort();  // an idle, open connector takes every read
  }

  TransportState state{TRANSPORT_IDLE, 0, 0, {}, {}, {}};
  ReplyParser::expect(state, type);
  BusListener listener(road.system, *road.transport);
  ReplyParser parser(state, little_endian, listener);
  data += 4;
  size -= 4;
  while (size > 0) {
    const std::size_t count = std::min(size, piece);
    parser.parse(data, static_cast<uint32_t>(count));
    data += count;
    size -= count;
  }
  // Once the exchange has ended, the reader is free again.
  if (length != 0 && state.expected_type == TRANSPORT_IDLE && road.reader->busy()) {
    std::abort();
  }
  return 0;
}
