// An unpacked preset block read back into its sheet; every cell lies in a
// row and a column (from 1) that a sheet has.
#include "PresetBlock.h"
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::vector<uint8_t> block(data, data + size);
  PresetSheet sheet;
  if (!read_preset_data(block, sheet)) {
    return 0;
  }
  for (const PresetSheetCell& cell : sheet.cells) {
    if (cell.row == 0 || cell.column == 0 || cell.column > kPresetMaxColumns) {
      std::abort();
    }
  }
  return 0;
}
