#include "TimedView.h"

void TimedView::show_status(int type, uint32_t done, uint32_t total)
{
  Clock::time_point now = Clock::now();
  if (type == kZimStatusTransfer && done > 0) {
    std::lock_guard<std::mutex> lock(mutex_);
    pieces_.emplace_back(done, now);
  }
  RecordingView::show_status(type, done, total);
}

void TimedView::clear_pieces()
{
  std::lock_guard<std::mutex> lock(mutex_);
  pieces_.clear();
}

std::vector<std::pair<uint32_t, TimedView::Clock::time_point>> TimedView::pieces() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return pieces_;
}
