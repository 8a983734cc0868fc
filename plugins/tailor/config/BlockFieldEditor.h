#pragma once
#include "FlashBlockEntry.h"
#include "ScriptBlock.h"
#include "TailorResult.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

const int32_t kFieldLabelIdBase = 30000;
const int32_t kFieldValueIdBase = 31000;
const std::size_t kMaxTextFieldBytes = 40;
// The most entries a choice field's list is given: a range wider than this
// would take the list minutes and the memory of a million texts.
const uint64_t kMaxChoiceEntries = 4096;
// Number and choice fields carry a 32-bit value.
const uint32_t kMaxEditedValueBits = 32;

const char kStringTooLongMessage[] = "String too long!";
const char kFieldOutsideDataMessage[] = "Field lies outside the block data!";
// "Too many choices in field "NAME": COUNT, at most 4096 can be listed!"
std::string too_many_choices_message(const std::string& field_name, uint64_t count);

// The description as a tip: every backslash-n pair becomes a line feed.
std::string unescape_newlines(const std::string& text);

// What the editor's load gives: how many fields got controls, and the
// message that stopped it.
struct FieldLoadResult {
  int code = kTailorDone;
  std::size_t loaded = 0;
  std::string message;
};

// What the user left in a field's value control: the edit's text (number and
// text fields) or the list's selected index (choice fields).
struct FieldInput {
  std::string text;
  uint32_t selected = 0;
};

// The field editor of one script block, working on the view's image and block
// table in place: loads every field's value from its bits, writes the edited
// values back and renews the block's CRC word.
class BlockFieldEditor {
public:
  BlockFieldEditor(std::vector<uint8_t>& image, std::vector<FlashBlockEntry>& entries, ScriptBlock& block)
      : image_(image), entries_(entries), block_(block) {}

  // Fills each field's control id, value and text bytes, in field order, up
  // to the first field that cannot be shown.
  FieldLoadResult load();
  // The text a number or text field's edit shows.
  static std::string edit_text(const ScriptField& field);

  // The choices of a choice field: first, first + step, ... up to last.
  static uint64_t choice_count(const ScriptField& field);
  static uint32_t choice_value(const ScriptField& field, uint32_t index);
  // The list index of the field's value; 0 when the value is not a choice.
  static uint32_t choice_index(const ScriptField& field);

  // Writes the inputs of the loaded fields (one per loaded field) into the
  // image; a failure code when the block has no data address or an input is
  // missing, and then nothing is written.
  int write_back(const std::vector<FieldInput>& inputs);

private:
  struct DataAddress {
    int code = kTailorDone;
    std::string message;
    uint64_t base = 0;
    uint64_t limit = 0;
    FlashBlockEntry* entry = nullptr;
  };

  DataAddress data_address() const;

  std::vector<uint8_t>& image_;
  std::vector<FlashBlockEntry>& entries_;
  ScriptBlock& block_;
  std::size_t loaded_ = 0;
};
