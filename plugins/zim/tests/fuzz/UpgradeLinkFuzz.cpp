// The upgrade client's replies: byte 0 picks the procedure, the rest is what
// the target answers, handed out as the link reads it. Sends always go out;
// waits pass at once.
#include "LinkChannel.h"
#include "RecordingView.h"
#include "UpgradeLink.h"
#include <algorithm>
#include <cstring>

namespace {

class ReplyChannel : public LinkChannel {
public:
  ReplyChannel(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool read_bytes(uint8_t* destination, std::size_t count, uint32_t) override
  {
    if (count > size_ - at_) {
      at_ = size_;
      return false;
    }
    std::memcpy(destination, data_ + at_, count);
    at_ += count;
    return true;
  }
  bool send_and_wait(const uint8_t*, std::size_t) override { return true; }
  void flush_queue() override {}
  void print(const std::string&) override {}
  bool pause(uint32_t) override { return at_ < size_; }
  bool running() const override { return at_ < size_; }

private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1) {
    return 0;
  }
  ReplyChannel channel(data + 1, size - 1);
  RecordingView view;
  UpgradeLink link(channel, "./");
  link.set_view(&view);
  switch (data[0] % 7) {
  case 0:
    link.test_link();
    break;
  case 1:
    if (link.collect_info()) {
      link.collected_blocks();
    }
    break;
  case 2:
    link.burn_flash();
    break;
  case 3:
    link.finish();
    break;
  case 4:
    link.dump_flash(0x80000000u, static_cast<uint32_t>(std::min<std::size_t>(size * 2, 0x10000)));
    break;
  case 5: {
    link.set_block_count(1);
    link.entries()[0] = ZimBlockEntry{1, 1, static_cast<uint32_t>(std::min<std::size_t>(size, 0x8000)), 0, ""};
    link.read_block(0);
    break;
  }
  default: {
    const uint8_t payload[4] = {1, 2, 3, 4};
    link.send_command('T', payload, sizeof payload, 100);
    break;
  }
  }
  return 0;
}
