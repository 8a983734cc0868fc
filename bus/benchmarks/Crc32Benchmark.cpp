// Prints how fast crc32_update runs over a 64 MB buffer next to zlib's crc32
// built for the same target, and whether both give the same value. The forms
// take turns round by round, so that a busy machine slows them alike, and
// each keeps its best round.
#include "Crc32.h"
#include "Crc32Paths.h"
#include <zlib.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const std::size_t kBufferSize = 64 * 1024 * 1024;
const int kRounds = 15;

// One form under test: its best rate in MB/s and its last result.
struct Timed {
  template <typename Operation> void run(Operation operation)
  {
    Clock::time_point start = Clock::now();
    result = operation();
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    double rate = kBufferSize / (1024.0 * 1024.0) / seconds;
    if (rate > best)
      best = rate;
  }
  double best = 0;
  uint32_t result = 0;
};

}  // namespace

int main()
{
  std::vector<unsigned char> buffer(kBufferSize);
  uint32_t seed = 0x12345678;
  for (unsigned char& byte : buffer) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<unsigned char>(seed >> 16);
  }
  uint32_t table[256];
  crc32_build_table(table);

  // Pieces short enough for the table path to take one byte a step.
  const std::size_t piece = 4000;
  Timed ours, lanes, plain, zlib;
  for (int round = 0; round < kRounds; ++round) {
    ours.run([&] { return crc32_update(table, 0xFFFFFFFFu, buffer.data(), buffer.size()); });
    lanes.run([&] { return crc32_update_by_table(table, 0xFFFFFFFFu, buffer.data(), buffer.size()); });
    plain.run([&] {
      uint32_t value = 0xFFFFFFFFu;
      for (std::size_t at = 0; at < buffer.size(); at += piece)
        value = crc32_update_by_table(table, value, buffer.data() + at, piece < buffer.size() - at ? piece : buffer.size() - at);
      return value;
    });
    zlib.run([&] { return static_cast<uint32_t>(crc32(0, buffer.data(), static_cast<uInt>(buffer.size()))); });
  }
  const bool same = ours.result == ~zlib.result && lanes.result == ours.result && plain.result == ours.result;

  std::printf("CRC-32 over %zu MB, best of %d rounds\n", kBufferSize >> 20, kRounds);
  std::printf("crc32_update, %s:           %8.1f MB/s\n", crc32_folding_supported() ? "folding" : "table  ", ours.best);
  std::printf("table path, four lanes:          %8.1f MB/s\n", lanes.best);
  std::printf("table path, one byte a step:     %8.1f MB/s\n", plain.best);
  std::printf("zlib crc32:                      %8.1f MB/s\n", zlib.best);
  std::printf("crc32_update / zlib:             %8.2f\n", ours.best / zlib.best);
  std::printf("same value (all forms == ~zlib): %s\n", same ? "yes" : "NO");
  return same ? 0 : 1;
}
