// A block script's text; bytes 0-3 are the image length it is checked against.
#include "BlockScript.h"
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 4) {
    return 0;
  }
  const uint32_t image_length = uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                                uint32_t(data[3]) << 24;
  std::istringstream text(std::string(reinterpret_cast<const char*>(data + 4), size - 4));
  BlockScript script;
  script.parse(text, image_length);
  return 0;
}
