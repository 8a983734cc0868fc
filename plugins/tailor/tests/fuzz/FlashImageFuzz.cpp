// A flash image analysed, and when it is accepted, laid out anew from its
// blocks. Byte 0: bit 0 chooses expert mode; bit 1 pads the image with zeros
// to its next whole size unit, so that a small input's headers are read
// rather than refused by the size check.
#include "FlashImageAnalysis.h"
#include "NewFlashImage.h"
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1) {
    return 0;
  }
  FlashImageAnalysis analysis;
  std::vector<uint8_t> image(data + 1, data + size);
  if ((data[0] & 2) != 0) {
    image.resize((image.size() / kImageSizeUnit + 1) * kImageSizeUnit, 0);
  }
  if (!analysis.analyse(std::move(image), "fuzz\\image.bin", (data[0] & 1) != 0).ok()) {
    return 0;
  }
  for (std::size_t block = 0; block < analysis.block_total(); ++block) {
    analysis.block_entry(block);
    analysis.block_position(block);
  }
  analysis.scan_dm_headers();
  NewFlashImage result;
  result.lay_out(analysis.record_copy, analysis.image);
  return 0;
}
