// Prints how fast the reply parser takes received bytes and how long the
// connector needs for small and large sends on a port that costs nothing.
#include "../tests/BusEventRecorder.h"
#include "../tests/FakeSerialDevice.h"
#include "BusMessage.h"
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "ReplyParser.h"
#include "TransportFrame.h"
#include "TransportProtocol.h"
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start)
{
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class CountingListener : public ReplyListener {
public:
  void reply_event(int32_t type, int32_t length, const uint8_t*) override
  {
    if (type == BUS_TEXT) {
      text_bytes += length;
    } else if (length < static_cast<int32_t>(kReplyMarkerFirst)) {
      reply_bytes += length;
    }
  }

  long long text_bytes = 0;
  long long reply_bytes = 0;
};

void parser_throughput()
{
  // Console text between OS-state frames, as a task dump arrives.
  std::string block(100, 't');
  std::vector<uint8_t> frame(kFrameHeaderSize + 900, 'p');
  write_frame_header(frame.data(), BUS_OS_APPS, 900, true);
  block.append(frame.begin(), frame.end());
  std::string stream;
  while (stream.size() < 16 * 1024 * 1024) {
    stream += block;
  }
  TransportState state{TRANSPORT_IDLE, 0, 0, {}, {}, {}};
  ReplyParser::expect(state, BUS_OS_APPS);
  CountingListener listener;
  ReplyParser parser(state, true, listener);
  Clock::time_point start = Clock::now();
  const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
  for (std::size_t at = 0; at < stream.size(); at += kTransportChunkSize) {
    std::size_t count = std::min<std::size_t>(kTransportChunkSize, stream.size() - at);
    parser.parse(bytes + at, static_cast<uint32_t>(count));
  }
  double elapsed = seconds_since(start);
  std::printf("reply parser: %.1f MB in %.3f s, %.1f MB/s (text %lld bytes, reply data %lld bytes)\n",
              static_cast<double>(stream.size()) / 1e6, elapsed, static_cast<double>(stream.size()) / 1e6 / elapsed, listener.text_bytes, listener.reply_bytes);
}

void connector_send(uint32_t size)
{
  ComponentSystem system;
  new ErrorManager(&system);
  new TransportProtocol(&system);
  auto* recorder = new BusEventRecorder(kUpgradeName, &system);
  auto device = std::make_unique<FakeSerialDevice>();
  FakeSerialDevice* port = device.get();
  auto* connector = new ComConnector(kConnectorName, &system, std::move(device));
  std::string payload(size, 'b');
  BusMessage message{BUS_SEND_RAW, static_cast<int32_t>(size), &payload[0]};
  Clock::time_point start = Clock::now();
  connector->request(&message);
  bool finished = recorder->wait_for_progress(size);
  double elapsed = seconds_since(start);
  std::printf("connector send of %u bytes: %s in %.3f s, %zu pieces, %zu progress events\n", size,
              finished ? "done" : "NOT done", elapsed, port->pieces().size(), recorder->progress().size());
  system.deinit();
}

}  // namespace

int main()
{
  parser_throughput();
  connector_send(99);
  connector_send(1024 * 1024);
  connector_send(ComConnector::kSendBufferSize - kFrameHeaderSize);
  return 0;
}
