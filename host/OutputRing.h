#pragma once
#include <atomic>
#include <cstddef>
#include <vector>

constexpr std::size_t kOutputRingSize = 0x100000;

// The 1 MB ring through which received text travels from the broadcasting
// thread to the console. A block goes to the write offset, or to the start
// when it would pass the end. A block stays in the ring until the console
// says it was shown: a place still holding text not yet shown is not given
// out again. One thread at a time places, one thread shows.
class OutputRing {
public:
  OutputRing();

  // Copies the block (at most kOutputRingSize bytes) and returns its offset,
  // or -1 when its place still holds text not yet shown (try again later).
  long place(const void* bytes, std::size_t count);
  // The block at this offset of this length has been shown.
  void shown(std::size_t offset, std::size_t count);

  const char* data() const { return ring_.data(); }
  bool holds(const void* pointer) const;
  std::size_t write_offset() const { return write_offset_; }
  std::size_t unshown() const { return unshown_; }

private:
  bool free_for(std::size_t start, std::size_t count) const;

  std::vector<char> ring_;
  std::size_t write_offset_;
  std::atomic<std::size_t> unshown_;
  // End of the block shown last: the oldest text not yet shown begins here
  // (or at the start, after a wrap).
  std::atomic<std::size_t> shown_end_;
};
