// A hardware-info text turned into its block.
#include "HardwareInfo.h"
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
  HardwareInfo info;
  if (info.parse_hw_info(text).ok() && info.block().size() != kHwInfoBlockSize + kHwCountSize &&
      info.block().size() != kHwInfoBlockSize) {
    std::abort();
  }
  return 0;
}
