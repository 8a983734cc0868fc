#pragma once
// The dialog's side for the benchmark: a RecordingView that notes when each
// piece of a transfer was through (acknowledged, or received whole).
#include "RecordingView.h"
#include <chrono>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

class TimedView : public RecordingView {
public:
  using Clock = std::chrono::steady_clock;

  void show_status(int type, uint32_t done, uint32_t total) override;

  // Forgets the pieces of the transfer before.
  void clear_pieces();
  // Bytes done so far and when, one entry a piece.
  std::vector<std::pair<uint32_t, Clock::time_point>> pieces() const;

private:
  mutable std::mutex mutex_;
  std::vector<std::pair<uint32_t, Clock::time_point>> pieces_;
};
