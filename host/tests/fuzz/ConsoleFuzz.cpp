// Received bytes on their way to the console: through the output ring, then
// the line filter. Byte 0 is the filter's length, followed by the filter;
// byte 0 of each piece after it is the piece's size.
#include "ConsoleText.h"
#include "OutputRing.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1) {
    return 0;
  }
  static OutputRing* ring = new OutputRing();
  const std::size_t filter_length = std::min<std::size_t>(data[0] % 16, size - 1);
  ConsoleText console;
  console.set_filter(std::string(reinterpret_cast<const char*>(data + 1), filter_length));
  std::size_t at = 1 + filter_length;
  while (at < size) {
    const std::size_t count = std::min<std::size_t>(std::size_t(data[at]) * 37 + 1, size - at - 1);
    ++at;
    const long offset = ring->place(data + at, count);
    if (offset >= 0) {
      if (std::memcmp(ring->data() + offset, data + at, count) != 0) {
        std::abort();
      }
      for (const ConsoleStep& step : console.take(ring->data() + offset, count)) {
        if (step.kind != ConsoleStep::kAppend && !step.text.empty()) {
          std::abort();
        }
      }
      ring->shown(static_cast<std::size_t>(offset), count);
    }
    at += count;
  }
  ConsoleText::trim_count(static_cast<unsigned>(size), static_cast<unsigned>(size / 2 + 1));
  return 0;
}
