#pragma once
// The dialog's side for tests: operation flags set by the test, files held in
// memory, and a record of every status, message box and handler call. The
// engine calls it from its worker thread while the test reads it.
#include "ZimView.h"
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

class RecordingView : public ZimView {
public:
  using Status = std::tuple<int, uint32_t, uint32_t>;

  bool is_operation_active() const override { return operation_active; }
  bool is_block_mode() const override { return block_mode; }
  bool is_read_mode() const override { return read_mode; }
  bool is_dump_mode() const override { return dump_mode; }
  uint32_t image_size(bool raw) const override;

  bool read_zipped_image(uint8_t* buffer, uint32_t size) override;
  bool read_block_file(uint8_t* buffer, uint32_t size, unsigned index) override;
  bool write_dump_file(const uint8_t* buffer, uint32_t size) override;
  bool write_block_file(const uint8_t* buffer, unsigned index) override;

  void show_status(int type, uint32_t done, uint32_t total) override;
  void enable_block_upgrade() override;
  void show_message(const char* text) override;
  bool ask_retry(const char* text) override;

  void OnCancelDump() override;
  void OnConnect() override;
  void OnExit() override;

  std::atomic<bool> operation_active{true};
  std::atomic<bool> block_mode{false};
  std::atomic<bool> read_mode{false};
  std::atomic<bool> dump_mode{false};
  uint32_t uncompressed_size = 0;
  std::vector<uint8_t> zipped_image;
  std::map<unsigned, std::vector<uint8_t>> block_files;
  // The dump and block files cannot be written.
  std::atomic<bool> writes_fail{false};
  // Answers to "retry or not?", in order; Cancel when none is left.
  std::deque<bool> retry_answers;
  // Sizes of the blocks written back, by index (the engine's entries hold them).
  std::function<uint32_t(unsigned)> block_size;

  // Copies, taken under the lock.
  std::vector<Status> statuses() const;
  std::vector<std::string> messages() const;
  std::vector<std::string> calls() const;
  bool was_called(const std::string& name) const;
  std::vector<uint8_t> dump_file() const;
  std::map<unsigned, std::vector<uint8_t>> written_blocks() const;

private:
  void record_call(const std::string& name);

  mutable std::mutex mutex_;
  std::vector<Status> statuses_;
  std::vector<std::string> messages_;
  std::vector<std::string> calls_;
  std::vector<uint8_t> dump_file_;
  std::map<unsigned, std::vector<uint8_t>> written_blocks_;
};
