// Prints how fast crc32_update runs over a 64 MB buffer next to zlib's crc32
// built for the same target, and whether both give the same value.
#include "Crc32.h"
#include <zlib.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const std::size_t kBufferSize = 64 * 1024 * 1024;
const int kRounds = 5;

// The best of a few rounds, in MB/s; the last result goes to result.
template <typename Operation>
double megabytes_per_second(Operation operation, uint32_t& result)
{
  double best = 0;
  for (int round = 0; round < kRounds; ++round) {
    Clock::time_point start = Clock::now();
    result = operation();
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    double rate = kBufferSize / (1024.0 * 1024.0) / seconds;
    if (rate > best)
      best = rate;
  }
  return best;
}

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

  uint32_t ours = 0;
  const double ours_rate =
      megabytes_per_second([&] { return crc32_update(table, 0xFFFFFFFFu, buffer.data(), buffer.size()); }, ours);

  // Pieces short enough to be taken one byte a step: the plain table form.
  const std::size_t piece = 4000;
  uint32_t plain = 0;
  const double plain_rate = megabytes_per_second(
      [&] {
        uint32_t value = 0xFFFFFFFFu;
        for (std::size_t at = 0; at < buffer.size(); at += piece)
          value = crc32_update(table, value, buffer.data() + at, piece < buffer.size() - at ? piece : buffer.size() - at);
        return value;
      },
      plain);

  uint32_t theirs = 0;
  const double zlib_rate = megabytes_per_second(
      [&] { return static_cast<uint32_t>(crc32(0, buffer.data(), static_cast<uInt>(buffer.size()))); }, theirs);

  std::printf("CRC-32 over %zu MB, best of %d rounds\n", kBufferSize >> 20, kRounds);
  std::printf("crc32_update:                    %8.1f MB/s\n", ours_rate);
  std::printf("crc32_update, one byte a step:   %8.1f MB/s\n", plain_rate);
  std::printf("zlib crc32:                      %8.1f MB/s\n", zlib_rate);
  std::printf("crc32_update / zlib:             %8.2f\n", ours_rate / zlib_rate);
  std::printf("same value (ours == ~zlib):      %s\n", ours == ~theirs && plain == ours ? "yes" : "NO");
  return ours == ~theirs && plain == ours ? 0 : 1;
}
