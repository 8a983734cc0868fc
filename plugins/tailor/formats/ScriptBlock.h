#pragma once
#include "ScriptField.h"

#include <cstdint>
#include <string>
#include <vector>

// One block of a block script: which block of the image (id 0: the
// customer-configuration area), how it is edited, and its fields in file order.
struct ScriptBlock {
  enum EditMode : uint8_t { PlainFields = 0, RawFile = 1, HardwareInfoFile = 2, DescribedFields = 3 };

  int32_t control_id = kNoControlId;
  uint8_t id = 0;
  std::string name;        // at most 19 characters
  uint8_t em = PlainFields;
  uint32_t offset = 0;     // bytes from the block's (or area's) data start
  std::vector<ScriptField> fields;
};
