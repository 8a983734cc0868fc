#pragma once
#include <cstdint>
#include <string>

// A control id not yet given by a dialog.
const int32_t kNoControlId = 0xFFFF;

// One field of a block script block: where its bits lie in the block's data,
// its kind, and the value the field editor fills in.
struct ScriptField {
  enum Type : uint8_t { Number = 0, Text = 1, Choice = 2 };

  int32_t control_id = kNoControlId;
  std::string name;        // at most 19 characters
  uint8_t type = Number;
  uint32_t offset = 0;     // bits from the block's data start
  uint32_t length = 0;     // bits
  uint32_t value = 0;
  std::string text;
  std::string description;
  uint32_t first = 0;      // choices: first, first + step, ... up to last
  uint32_t last = 0;
  uint32_t step = 0;
};
