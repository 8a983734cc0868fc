#pragma once
// zim's bus component "upgrade": it collects what the target sends while an
// operation runs and runs the operation on its own worker thread, one state
// per step (start byte, client, link test, block choice, data, burn, finish).
#include "Component.h"
#include "LinkChannel.h"
#include "UpgradeLink.h"
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

class ZimView;

// Worker states.
constexpr uint32_t kZimIdle = 0;
constexpr uint32_t kZimStartByteReceived = 1;
constexpr uint32_t kZimClientRunning = 2;
constexpr uint32_t kZimLinkTested = 3;
constexpr uint32_t kZimBlocksChosen = 4;
constexpr uint32_t kZimDataSent = 5;
constexpr uint32_t kZimFinishing = 6;

class ZimEngine : public Component, private LinkChannel {
public:
  // Registers as "upgrade". Client images come from client_directory.
  ZimEngine(ZimView* view, ComponentSystem* system, const std::string& client_directory);
  // Ends the worker: detach the view first.
  ~ZimEngine() override;

  bool shareable() const override;
  std::string type_name() const override;
  // Runs on the broadcaster's thread: takes the target's bytes and the
  // connector's send progress.
  int32_t notify(BusMessage* message) override;

  // Aborts the connector's send and drops the operation to the idle state.
  void cancel();
  // Cancels a running operation and waits until the worker is idle.
  void stop();
  // Stops the worker and forgets the view; for the view's destruction.
  void detach_view();
  // Sets the dump size and makes the data buffer large enough for it.
  void reserve_buffer(uint32_t size);
  // The chosen blocks are in the entries: announce and send, or read, them.
  void resume_worker();
  void set_output_active(bool active);
  void clear_output();
  void flush_queue() override;
  // Writes to the console even while "output" takes no broadcasts.
  void print(const std::string& text) override;

  uint32_t state() const;
  uint32_t dump_size() const { return dump_size_; }
  // Entries, block count, block table and data buffer.
  UpgradeLink& link() { return link_; }

private:
  bool read_bytes(uint8_t* destination, std::size_t count, uint32_t timeout_ms) override;
  bool send_and_wait(const uint8_t* data, std::size_t length) override;
  bool pause(uint32_t milliseconds) override;
  bool running() const override;

  void on_send_progress(uint32_t sent);
  void on_received(const uint8_t* bytes, std::size_t count);
  void send_sync_reply();
  bool high_speed_usable();
  void set_high_speed(bool on);
  int32_t request_connector(BusMessage message);
  bool wait_while_connector_busy(unsigned generation);

  void run_worker();
  void run_turn();
  void park();
  void wait_until_idle(std::unique_lock<std::mutex>& lock);
  void run_client_started(ZimView& view);
  void run_client_running(ZimView& view);
  void run_link_tested(ZimView& view);
  void run_blocks_chosen(ZimView& view);
  void run_finishing(ZimView& view);
  // Moves from one state to the next unless a cancel (or a fresh start)
  // changed the state meanwhile.
  bool advance(uint32_t from, uint32_t to);
  // Under the lock: whether the operation that began at this generation
  // was cancelled.
  bool interrupted(unsigned generation) const;

  ComponentSystem* system_;
  ZimView* view_;
  UpgradeLink link_;
  uint32_t dump_size_ = 0;

  // Guards everything below: the connector's thread, the worker and the
  // user-interface thread all reach it.
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<uint8_t> queue_;
  uint32_t state_ = kZimIdle;
  uint32_t bytes_to_send_ = 0;
  uint32_t bytes_sent_ = 0;
  bool send_done_ = false;
  bool send_failed_ = false;
  unsigned cancel_count_ = 0;
  bool wake_ = false;
  bool idle_ = false;
  bool quit_ = false;
  std::thread worker_;
};
