#include "OutputRing.h"
#include <cstring>

namespace {

bool overlaps(std::size_t begin1, std::size_t end1, std::size_t begin2, std::size_t end2)
{
  return begin1 < end2 && begin2 < end1;
}

}  // namespace

OutputRing::OutputRing() : ring_(kOutputRingSize), write_offset_(0), unshown_(0), shown_end_(0)
{
}

long OutputRing::place(const void* bytes, std::size_t count)
{
  if (count > kOutputRingSize) {
    count = kOutputRingSize;
  }
  std::size_t start = write_offset_ + count > kOutputRingSize ? 0 : write_offset_;
  if (!free_for(start, count)) {
    return -1;
  }
  std::memcpy(ring_.data() + start, bytes, count);
  write_offset_ = start + count;
  unshown_ += count;
  return static_cast<long>(start);
}

bool OutputRing::free_for(std::size_t start, std::size_t count) const
{
  // Read in this order: the console moves the shown end before it lowers
  // the count, so a stale end only makes the check stricter.
  if (unshown_ == 0) {
    return true;
  }
  std::size_t oldest = shown_end_;
  std::size_t end = start + count;
  if (oldest == write_offset_) {
    return false;
  }
  if (oldest < write_offset_) {
    return !overlaps(start, end, oldest, write_offset_);
  }
  return !overlaps(start, end, oldest, kOutputRingSize) && !overlaps(start, end, 0, write_offset_);
}

void OutputRing::shown(std::size_t offset, std::size_t count)
{
  shown_end_ = offset + count;
  unshown_ -= count;
}

bool OutputRing::holds(const void* pointer) const
{
  const char* p = static_cast<const char*>(pointer);
  return p >= ring_.data() && p < ring_.data() + ring_.size();
}
