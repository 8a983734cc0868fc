#include "ZimEngine.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "LinkFrames.h"
#include "NullComponent.h"
#include "ZimView.h"
#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

using Milliseconds = std::chrono::milliseconds;

constexpr Milliseconds kTurnPause{10};
// A send may only start once the connector has finished the one before (the
// sync reply goes out on the connector's own thread just before the client).
constexpr Milliseconds kBusyPoll{1};
constexpr int kBusyPolls = 1000;
constexpr uint32_t kClientStartMs = 1000;
constexpr int kClientStartWaits = 3;
constexpr uint32_t kDumpStartMs = 1000;

}  // namespace

ZimEngine::ZimEngine(ZimView* view, ComponentSystem* system, const std::string& client_directory)
    : Component(kUpgradeName, system), system_(system), view_(view), link_(*this, client_directory)
{
  link_.set_view(view);
  worker_ = std::thread([this] { run_worker(); });
}

ZimEngine::~ZimEngine()
{
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    ++cancel_count_;
    changed_.notify_all();
  }
  worker_.join();
}

bool ZimEngine::shareable() const
{
  return true;
}

std::string ZimEngine::type_name() const
{
  return "upgrade";
}

int32_t ZimEngine::notify(BusMessage* message)
{
  if (message->type == BUS_SEND_PROGRESS && message->data != nullptr) {
    uint32_t sent = 0;
    std::memcpy(&sent, message->data, sizeof sent);
    on_send_progress(sent);
  } else if (message->type == BUS_TEXT && message->data != nullptr && message->len > 0) {
    on_received(static_cast<const uint8_t*>(message->data), static_cast<std::size_t>(message->len));
  }
  return 0;
}

void ZimEngine::on_send_progress(uint32_t sent)
{
  std::lock_guard<std::mutex> lock(mutex_);
  bytes_sent_ = sent;
  if (bytes_to_send_ == 0) {
    return;
  }
  // The connector reports the whole count once everything is out, and 0 when
  // it gave the send up.
  if (sent == bytes_to_send_) {
    send_done_ = true;
  } else if (sent == 0) {
    send_failed_ = true;
  }
  changed_.notify_all();
}

void ZimEngine::on_received(const uint8_t* bytes, std::size_t count)
{
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == kZimIdle) {
      if (view_ == nullptr || !view_->is_operation_active() || std::memchr(bytes, kStartByte, count) == nullptr) {
        return;
      }
      state_ = kZimStartByteReceived;
    } else {
      if (state_ >= kZimClientRunning && state_ <= kZimFinishing) {
        queue_.insert(queue_.end(), bytes, bytes + count);
        changed_.notify_all();
      }
      return;
    }
  }
  // Answered before the worker wakes, so the sync reply leaves ahead of the
  // client.
  send_sync_reply();
  std::lock_guard<std::mutex> lock(mutex_);
  wake_ = true;
  changed_.notify_all();
}

void ZimEngine::send_sync_reply()
{
  uint8_t reply = kSyncReply;
  request_connector({BUS_SEND_RAW, 1, &reply});
  std::lock_guard<std::mutex> lock(mutex_);
  bytes_sent_ = 0;
  bytes_to_send_ = 1;
}

int32_t ZimEngine::request_connector(BusMessage message)
{
  return system_->acquire(kConnectorName)->request(&message);
}

bool ZimEngine::high_speed_usable()
{
  return request_connector({BUS_QUERY_HIGH_SPEED, 0, nullptr}) != 0;
}

void ZimEngine::set_high_speed(bool on)
{
  request_connector({BUS_SET_HIGH_SPEED, on ? 1 : 0, nullptr});
}

void ZimEngine::cancel()
{
  request_connector({BUS_ABORT, 0, nullptr});
  bool unfinished = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    unfinished = bytes_sent_ < bytes_to_send_;
    state_ = kZimIdle;
    bytes_sent_ = 0;
    bytes_to_send_ = 0;
    ++cancel_count_;
    changed_.notify_all();
  }
  if (unfinished) {
    print("The operation is cancelled!\n");
  }
}

void ZimEngine::stop()
{
  print("\nCurrent ZIM exit+++++++!");
  if (state() != kZimIdle) {
    cancel();
    std::unique_lock<std::mutex> lock(mutex_);
    wait_until_idle(lock);
  }
  print("\nCurrent ZIM exit--------!");
}

void ZimEngine::detach_view()
{
  if (state() != kZimIdle) {
    cancel();
  }
  // Forgotten under the same lock that saw the worker idle: a turn that
  // starts afterwards finds no view.
  std::unique_lock<std::mutex> lock(mutex_);
  wait_until_idle(lock);
  view_ = nullptr;
  link_.set_view(nullptr);
}

void ZimEngine::wait_until_idle(std::unique_lock<std::mutex>& lock)
{
  // The worker ends operations by calling the view, which may stop the
  // engine: it must not wait for itself.
  if (std::this_thread::get_id() == worker_.get_id()) {
    return;
  }
  changed_.wait(lock, [this] { return idle_ || quit_; });
}

void ZimEngine::reserve_buffer(uint32_t size)
{
  dump_size_ = size;
  link_.reserve_data(size);
}

void ZimEngine::resume_worker()
{
  std::lock_guard<std::mutex> lock(mutex_);
  state_ = kZimBlocksChosen;
  wake_ = true;
  changed_.notify_all();
}

void ZimEngine::set_output_active(bool active)
{
  Component* output = system_->acquire(kOutputName);
  if (output != &NullComponent::instance()) {
    output->set_active(active);
  }
}

void ZimEngine::clear_output()
{
  BusMessage message{BUS_CLEAR_TEXT, 0, nullptr};
  system_->acquire(kOutputName)->notify(&message);
}

void ZimEngine::print(const std::string& text)
{
  BusMessage message{BUS_TEXT, static_cast<int32_t>(text.size()), const_cast<char*>(text.data())};
  system_->acquire(kOutputName)->notify(&message);
}

void ZimEngine::flush_queue()
{
  std::lock_guard<std::mutex> lock(mutex_);
  queue_.clear();
}

uint32_t ZimEngine::state() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return state_;
}

bool ZimEngine::interrupted(unsigned generation) const
{
  return quit_ || state_ == kZimIdle || cancel_count_ != generation;
}

bool ZimEngine::running() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return !quit_ && state_ != kZimIdle;
}

bool ZimEngine::read_bytes(uint8_t* destination, std::size_t count, uint32_t timeout_ms)
{
  std::unique_lock<std::mutex> lock(mutex_);
  if (quit_ || state_ == kZimIdle) {
    return false;
  }
  unsigned generation = cancel_count_;
  bool arrived = changed_.wait_for(lock, Milliseconds(timeout_ms),
                                   [&] { return queue_.size() >= count || interrupted(generation); });
  if (!arrived || interrupted(generation)) {
    return false;
  }
  std::copy_n(queue_.begin(), count, destination);
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
  return true;
}

bool ZimEngine::pause(uint32_t milliseconds)
{
  std::unique_lock<std::mutex> lock(mutex_);
  unsigned generation = cancel_count_;
  changed_.wait_for(lock, Milliseconds(milliseconds), [&] { return interrupted(generation); });
  return !interrupted(generation);
}

bool ZimEngine::wait_while_connector_busy(unsigned generation)
{
  for (int poll = 0; poll < kBusyPolls && request_connector({BUS_QUERY_BUSY, 0, nullptr}) != 0; ++poll) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (changed_.wait_for(lock, kBusyPoll, [&] { return interrupted(generation); })) {
      return false;
    }
  }
  return true;
}

bool ZimEngine::send_and_wait(const uint8_t* data, std::size_t length)
{
  unsigned generation = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (quit_ || state_ == kZimIdle) {
      return false;
    }
    generation = cancel_count_;
  }
  if (!wait_while_connector_busy(generation)) {
    return false;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (interrupted(generation)) {
      return false;
    }
    send_done_ = false;
    send_failed_ = false;
    bytes_to_send_ = static_cast<uint32_t>(length);
    bytes_sent_ = 0;
  }
  // The connector copies the bytes before the request returns. A refused
  // request, or no connector at all, answers 0.
  if (request_connector({BUS_SEND_RAW, static_cast<int32_t>(length), const_cast<uint8_t*>(data)}) == 0) {
    return false;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return send_done_ || send_failed_ || interrupted(generation); });
  return send_done_ && !interrupted(generation);
}

void ZimEngine::run_worker()
{
  park();
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (changed_.wait_for(lock, kTurnPause, [this] { return quit_; })) {
        return;
      }
    }
    run_turn();
  }
}

void ZimEngine::park()
{
  std::unique_lock<std::mutex> lock(mutex_);
  if (!wake_) {
    idle_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return wake_ || quit_; });
  }
  wake_ = false;
  idle_ = false;
}

bool ZimEngine::advance(uint32_t from, uint32_t to)
{
  std::lock_guard<std::mutex> lock(mutex_);
  if (state_ != from) {
    return false;
  }
  state_ = to;
  return true;
}

void ZimEngine::run_turn()
{
  ZimView* view = nullptr;
  uint32_t state = kZimIdle;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (view_ == nullptr || !view_->is_operation_active()) {
      state_ = kZimIdle;
    }
    view = view_;
    state = state_;
  }
  switch (state) {
  case kZimIdle:
    if (high_speed_usable()) {
      set_high_speed(false);
    }
    park();
    break;
  case kZimStartByteReceived:
    run_client_started(*view);
    break;
  case kZimClientRunning:
    run_client_running(*view);
    break;
  case kZimLinkTested:
    run_link_tested(*view);
    break;
  case kZimBlocksChosen:
    run_blocks_chosen(*view);
    break;
  case kZimDataSent:
    advance(kZimDataSent, link_.burn_flash() ? kZimFinishing : kZimIdle);
    break;
  case kZimFinishing:
    run_finishing(*view);
    break;
  default:
    break;
  }
}

void ZimEngine::run_client_started(ZimView& view)
{
  if (high_speed_usable()) {
    set_high_speed(true);
  }
  print("Got sync byte!\nStart sending client...\n");
  link_.send_client_image(view.is_dump_mode());
  advance(kZimStartByteReceived, kZimClientRunning);
}

void ZimEngine::run_client_running(ZimView& view)
{
  if (view.is_dump_mode()) {
    if (!pause(kDumpStartMs)) {
      return;
    }
    print("start dumping ....\n");
    if (link_.dump_flash(kFlashMapAddress, dump_size_)) {
      bool written = view.write_dump_file(link_.data(), dump_size_);
      view.OnCancelDump();
      if (written) {
        print("dumping completes successfully!\n");
      }
    }
    advance(kZimClientRunning, kZimIdle);
    return;
  }
  for (int wait = 0; wait < kClientStartWaits; ++wait) {
    if (!pause(kClientStartMs)) {
      return;
    }
  }
  if (!link_.test_link()) {
    if (advance(kZimClientRunning, kZimIdle)) {
      view.show_message("Handshake failed!Please check port and reset the STB!");
    }
    return;
  }
  if (advance(kZimClientRunning, kZimLinkTested)) {
    run_link_tested(view);
  }
}

void ZimEngine::run_link_tested(ZimView& view)
{
  if (view.is_block_mode()) {
    link_.clear_table();
    if (link_.collect_info()) {
      view.enable_block_upgrade();
      view.show_status(kZimStatusBlockTable, 0, 0);
    }
    advance(kZimLinkTested, kZimIdle);
    return;
  }
  ZimBlockEntry& whole = link_.whole_image_entry();
  whole.id = kWholeImageId;
  whole.announced_id = kWholeImageId;
  whole.byte_count = view.image_size(true);
  if (!link_.inform_blocks(1, &whole)) {
    advance(kZimLinkTested, kZimIdle);
    return;
  }
  if (advance(kZimLinkTested, kZimBlocksChosen)) {
    bool sent = link_.download_data(true, kWholeImageId);
    advance(kZimBlocksChosen, sent ? kZimDataSent : kZimFinishing);
  }
}

void ZimEngine::run_blocks_chosen(ZimView& view)
{
  std::size_t count = std::min<std::size_t>(link_.block_count(), kMaxBlocks);
  if (view.is_read_mode()) {
    for (std::size_t i = 0; i < count && running(); ++i) {
      print("\nstart dumping ....\n");
      if (link_.read_block(i) && view.write_block_file(link_.data(), static_cast<unsigned>(i))) {
        print("dumping completes successfully!\n");
      }
    }
    advance(kZimBlocksChosen, kZimFinishing);
    return;
  }
  if (!link_.inform_blocks(count, link_.entries().data())) {
    advance(kZimBlocksChosen, kZimIdle);
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!link_.download_data(false, i)) {
      advance(kZimBlocksChosen, kZimIdle);
      return;
    }
  }
  advance(kZimBlocksChosen, kZimDataSent);
}

void ZimEngine::run_finishing(ZimView& view)
{
  link_.finish();
  // A view that cancelled meanwhile has already ended the operation itself;
  // its toggle would open a new one.
  if (!advance(kZimFinishing, kZimIdle)) {
    return;
  }
  if (view.is_block_mode()) {
    view.OnConnect();
  } else {
    view.OnExit();
  }
}
