// Prints the payload rate of a whole-image upgrade and of a flash dump, run
// by the upgrade engine through portlink's connector against the simulated
// set-top box pacing its side of a COM port to a line rate, and the rate's
// ratio to the best this protocol's framing allows at that rate: the
// payload's share of every byte either side puts on the line. The connector
// sends requests under 100 bytes in pieces with pauses between them, so the
// ratio to what the framing and those pauses allow is printed too. Started by
// zim_link_benchmark.sh:
//
//   zim_link_benchmark PORT BAUD IMAGE IMAGE_GZ DUMP
//
// IMAGE is the flash the upgrade writes, IMAGE_GZ its compressed form (what
// travels), DUMP the file the dump of as many bytes is written to.
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "FakeOutput.h"
#include "LinkRunSupport.h"
#include "LinkFrames.h"
#include "TemporaryDirectory.h"
#include "TimedView.h"
#include "TransportProtocol.h"
#include "ZimEngine.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr double kBitsPerByte = 10.0;
constexpr int kResetTries = 5;
constexpr std::chrono::seconds kOperationLimit{600};
// Per data packet: mark, sequence, data, CRC out; acknowledge and sequence back.
constexpr std::size_t kPacketFraming = kPacketOverhead + kPacketReplySize;
// Per dump piece: the request out; header, data and CRC back.
constexpr std::size_t kPieceFraming = kDumpRequestSize + kDumpReplyHeaderSize + kCrcSize;

// The pauses the connector makes while it sends a request of this size.
double send_pauses(std::size_t request)
{
  if (request >= ComConnector::kSmallSendLimit) {
    return 0.0;
  }
  std::size_t pieces = (request + ComConnector::kSmallPiece - 1) / ComConnector::kSmallPiece;
  return static_cast<double>((pieces - 1) * ComConnector::kSmallPiecePause) / 1000.0;
}

class Bench {
public:
  Bench(const std::string& port_name, uint32_t baud) : port_name_(port_name), baud_(baud)
  {
    write_file(directory_.path() + kUpgradeClientFile, Bytes{'u', 'p', 'g', 'r', 'a', 'd', 'e'});
    write_file(directory_.path() + kDumpClientFile, Bytes{'d', 'u', 'm', 'p'});
    new ErrorManager(&system_);
    new TransportProtocol(&system_);
    output_ = new FakeOutput(&system_);
    connector_ = new ComConnector(kConnectorName, &system_);
    engine_ = new ZimEngine(&view_, &system_, directory_.path());
  }

  ~Bench()
  {
    engine_->detach_view();
    system_.deinit();
  }

  bool open_port()
  {
    SerialDevice& port = connector_->port();
    port.enumerate();
    for (std::size_t i = 0; i < port.ports().size(); ++i) {
      if (port.ports()[i].name == port_name_) {
        return connector_->open(static_cast<uint8_t>(i));
      }
    }
    return false;
  }

  bool upgrade(const Bytes& image, const Bytes& zipped)
  {
    view_.dump_mode = false;
    view_.uncompressed_size = static_cast<uint32_t>(image.size());
    view_.zipped_image = zipped;
    if (!run_operation("OnExit")) {
      return false;
    }
    report("whole-image upgrade", kMaxPacketData, kPacketFraming, kMaxPacketData + kPacketOverhead);
    return output_->text().find("\nBurning flash OK!\n\n") != std::string::npos;
  }

  bool dump(uint32_t size, Bytes& flash)
  {
    view_.dump_mode = true;
    engine_->reserve_buffer(size);
    if (!run_operation("OnCancelDump")) {
      return false;
    }
    report("flash dump", kMaxDumpPiece, kPieceFraming, kDumpRequestSize);
    flash = view_.dump_file();
    return flash.size() == size;
  }

  std::string console() const { return output_->text(); }

private:
  // Opens an operation as the dialog does and has the target reset by its
  // console's reboot command until its start byte sets the engine going;
  // then waits for the handler that ends it.
  bool run_operation(const std::string& ending)
  {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    view_.clear_pieces();
    view_.operation_active = true;
    engine_->set_active(true);
    bool started = false;
    for (int attempt = 0; attempt < kResetTries && !started; ++attempt) {
      std::string reboot = "reboot\r";
      BusMessage typed{BUS_SEND_RAW, static_cast<int32_t>(reboot.size()), &reboot[0]};
      connector_->request(&typed);
      started = eventually([this] { return engine_->state() != kZimIdle; }, std::chrono::seconds(5));
    }
    return started && eventually([&] { return view_.was_called(ending); }, kOperationLimit) &&
           view_.messages().empty();
  }

  // From the first piece through to the last: the steady transfer, without
  // the start-up before it. Then the median time of a full piece, which
  // leaves out the odd stall. piece: the most payload one piece carries;
  // request: the bytes the host sends for one piece.
  void report(const char* name, std::size_t piece, std::size_t framing, std::size_t request) const
  {
    auto pieces = view_.pieces();
    if (pieces.size() < 2) {
      std::printf("%s: too few pieces to time\n", name);
      return;
    }
    const double line = baud_ / kBitsPerByte;
    const double pauses = send_pauses(request);
    const std::size_t count = pieces.size() - 1;
    double seconds = std::chrono::duration<double>(pieces.back().second - pieces.front().second).count();
    double payload = pieces.back().first - pieces.front().first;
    double framed = payload + static_cast<double>(count * framing);
    double rate = payload / seconds;
    double allowed = line * payload / framed;
    std::printf("%-20s %8.0f payload bytes (%zu pieces of up to %zu) in %6.2f s: %6.0f B/s;"
                " framing allows %6.0f B/s at %u baud: %5.1f %%\n",
                name, payload, count, piece, seconds, rate, allowed, baud_, 100.0 * rate / allowed);
    if (pauses > 0.0) {
      double paced = payload / (framed / line + static_cast<double>(count) * pauses);
      std::printf("%-20s with the connector's %.0f ms of pauses per %zu-byte request it allows %6.0f B/s: %5.1f %%\n",
                  "", 1000.0 * pauses, request, paced, 100.0 * rate / paced);
    }
    std::vector<double> full;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
      if (pieces[i].first - pieces[i - 1].first == piece) {
        full.push_back(std::chrono::duration<double>(pieces[i].second - pieces[i - 1].second).count());
      }
    }
    if (!full.empty()) {
      std::sort(full.begin(), full.end());
      double median = full[full.size() / 2];
      double line_time = static_cast<double>(piece + framing) / line + pauses;
      std::printf("%-20s full pieces: median %6.1f ms, 90th %6.1f ms, slowest %6.1f ms, for %6.1f ms of line time%s:"
                  " %5.1f %%\n",
                  "", 1000.0 * median, 1000.0 * full[full.size() * 9 / 10], 1000.0 * full.back(), 1000.0 * line_time,
                  pauses > 0.0 ? " and pauses" : "", 100.0 * line_time / median);
    }
    std::fflush(stdout);
  }

  std::string port_name_;
  uint32_t baud_;
  TemporaryDirectory directory_;
  TimedView view_;
  ComponentSystem system_;
  FakeOutput* output_;
  ComConnector* connector_;
  ZimEngine* engine_;
};

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 6) {
    std::fprintf(stderr, "usage: zim_link_benchmark PORT BAUD IMAGE IMAGE_GZ DUMP\n");
    return 2;
  }
  Bytes image = read_file(argv[3]);
  Bytes zipped = read_file(argv[4]);
  if (image.empty() || zipped.empty()) {
    std::fprintf(stderr, "cannot read %s or %s\n", argv[3], argv[4]);
    return 2;
  }
  Bench bench(argv[1], static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)));
  if (!bench.open_port()) {
    std::fprintf(stderr, "port %s cannot be opened\n", argv[1]);
    return 1;
  }
  if (!bench.upgrade(image, zipped)) {
    std::fprintf(stderr, "the upgrade failed:\n%s\n", bench.console().c_str());
    return 1;
  }
  Bytes flash;
  if (!bench.dump(static_cast<uint32_t>(image.size()), flash) || !write_file(argv[5], flash)) {
    std::fprintf(stderr, "the dump failed:\n%s\n", bench.console().c_str());
    return 1;
  }
  if (flash != image) {
    std::fprintf(stderr, "the dump differs from the image just burned\n");
    return 1;
  }
  return 0;
}
