#include "BlockFieldEditor.h"

#include "BlockCrc.h"
#include "ConfigGeneration.h"
#include "FieldBits.h"
#include "FlashImageAnalysis.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t value_bits(const ScriptField& field)
{
  return std::min(field.length, kMaxEditedValueBits);
}

uint32_t masked(const ScriptField& field, uint64_t value)
{
  uint32_t bits = value_bits(field);
  return static_cast<uint32_t>(bits >= 32 ? value : value & ((uint64_t(1) << bits) - 1));
}

// An unsigned decimal number, or 0 when the text is not one.
uint32_t parse_decimal(const std::string& text)
{
  if (text.empty())
    return 0;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      return 0;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0xFFFFFFFFu)
      return 0;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace

std::string unescape_newlines(const std::string& text)
{
  std::string tip;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      tip += '\n';
      ++i;
    } else {
      tip += text[i];
    }
  }
  return tip;
}

std::string too_many_choices_message(const std::string& field_name, uint64_t count)
{
  return "Too many choices in field \"" + field_name + "\": " + std::to_string(count) + ", at most " +
         std::to_string(kMaxChoiceEntries) + " can be listed!";
}

BlockFieldEditor::DataAddress BlockFieldEditor::data_address() const
{
  DataAddress address;
  if (block_.id == 0) {
    if (image_.size() < kConfigPositionOffset + 4) {
      address.code = kTailorFileFailure;
      address.message = kWrongBinFileMessage;
      return address;
    }
    address.base = uint64_t(FlashBlockEntry::read_u32(&image_[kConfigPositionOffset])) + block_.offset;
    address.limit = image_.size();
    return address;
  }
  auto entry = std::find_if(entries_.begin(), entries_.end(),
                            [this](const FlashBlockEntry& e) { return e.id == block_.id; });
  if (entry == entries_.end()) {
    address.code = kTailorNoSuchBlock;
    address.message = kNoMatchBlockMessage;
    return address;
  }
  address.limit = uint64_t(entry->offset) + entry->length;
  if (address.limit > image_.size()) {
    address.code = kTailorFileFailure;
    address.message = kWrongBinFileMessage;
    return address;
  }
  address.base = uint64_t(entry->offset) + block_.offset;
  address.entry = &*entry;
  return address;
}

FieldLoadResult BlockFieldEditor::load()
{
  FieldLoadResult result;
  loaded_ = 0;
  DataAddress address = data_address();
  if (address.code != kTailorDone) {
    result.code = address.code;
    result.message = address.message;
    return result;
  }
  for (std::size_t i = 0; i < block_.fields.size(); ++i) {
    ScriptField& field = block_.fields[i];
    uint64_t first = address.base + field_first_byte(field.offset);
    std::size_t count = field_byte_count(field.offset, field.length);
    if (field.type == ScriptField::Text && count > kMaxTextFieldBytes) {
      result.code = kTailorOutOfRange;
      result.message = kStringTooLongMessage;
      break;
    }
    if (field.type == ScriptField::Choice && choice_count(field) > kMaxChoiceEntries) {
      result.code = kTailorOutOfRange;
      result.message = too_many_choices_message(field.name, choice_count(field));
      break;
    }
    if (first + count > address.limit) {
      result.code = kTailorOutOfRange;
      result.message = kFieldOutsideDataMessage;
      break;
    }
    field.control_id = kFieldValueIdBase + static_cast<int32_t>(i);
    const uint8_t* base = image_.data() + address.base;
    if (field.type == ScriptField::Number || field.type == ScriptField::Choice)
      field.value = static_cast<uint32_t>(read_field_bits(base, field.offset, value_bits(field)));
    else if (field.type == ScriptField::Text)
      field.text.assign(image_.begin() + static_cast<std::ptrdiff_t>(first),
                        image_.begin() + static_cast<std::ptrdiff_t>(first + count));
    loaded_ = i + 1;
  }
  result.loaded = loaded_;
  return result;
}

std::string BlockFieldEditor::edit_text(const ScriptField& field)
{
  if (field.type == ScriptField::Text)
    return std::string(field.text.c_str());
  return std::to_string(field.value);
}

uint64_t BlockFieldEditor::choice_count(const ScriptField& field)
{
  if (field.first > field.last)
    return 0;
  // A step of 0 would repeat first for ever: it is a list of one.
  if (field.step == 0)
    return 1;
  return (uint64_t(field.last) - field.first) / field.step + 1;
}

uint32_t BlockFieldEditor::choice_value(const ScriptField& field, uint32_t index)
{
  if (index >= choice_count(field))
    return field.first;
  return static_cast<uint32_t>(field.first + uint64_t(index) * field.step);
}

uint32_t BlockFieldEditor::choice_index(const ScriptField& field)
{
  uint64_t count = choice_count(field);
  if (count == 0 || field.value < field.first)
    return 0;
  uint32_t distance = field.value - field.first;
  if (field.step == 0)
    return 0;
  uint32_t index = distance / field.step;
  return distance % field.step == 0 && index < count ? index : 0;
}

int BlockFieldEditor::write_back(const std::vector<FieldInput>& inputs)
{
  DataAddress address = data_address();
  if (address.code != kTailorDone)
    return address.code;
  if (inputs.size() < loaded_)
    return kTailorOutOfRange;
  uint8_t* base = image_.data() + address.base;
  for (std::size_t i = 0; i < loaded_; ++i) {
    ScriptField& field = block_.fields[i];
    const FieldInput& input = inputs[i];
    if (field.type == ScriptField::Number || field.type == ScriptField::Choice) {
      uint32_t value = field.type == ScriptField::Number ? parse_decimal(input.text) : choice_value(field, input.selected);
      field.value = masked(field, value);
      write_field_bits(base, field.offset, value_bits(field), field.value);
    } else if (field.type == ScriptField::Text) {
      std::size_t count = field_byte_count(field.offset, field.length);
      if (count == 0)
        continue;
      std::size_t characters = std::min(input.text.size(), count - 1);
      uint8_t* bytes = base + field_first_byte(field.offset);
      std::memcpy(bytes, input.text.data(), characters);
      bytes[characters] = 0;
      field.text.assign(bytes, bytes + count);
    }
  }
  if (address.entry != nullptr && address.entry->carries_crc())
    address.entry->crc = block_crc32(image_.data() + address.entry->offset, address.entry->length);
  return kTailorDone;
}
