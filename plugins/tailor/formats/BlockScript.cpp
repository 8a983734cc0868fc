#include "BlockScript.h"

#include <cstdlib>
#include <fstream>

namespace {

bool begins_with(const std::string& line, const char* keyword)
{
  return line.compare(0, std::char_traits<char>::length(keyword), keyword) == 0;
}

// A keyword line's value: the text between the first "=" and the next "=" or
// the end of the line, unchanged. False when there is none.
bool keyword_value(const std::string& line, std::string& value)
{
  std::size_t equals = line.find('=');
  if (equals == std::string::npos)
    return false;
  std::size_t end = line.find('=', equals + 1);
  value = line.substr(equals + 1, end == std::string::npos ? std::string::npos : end - equals - 1);
  return !value.empty();
}

uint32_t number_value(const std::string& text, int base)
{
  return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, base));
}

uint32_t flash_size_value(const std::string& text)
{
  if (text == "2M")
    return 0x200000;
  if (text == "1M")
    return 0x100000;
  if (text == "512K")
    return 0x80000;
  return number_value(text, 10);
}

// Takes one bracketed item off the front of rest: an opening character, the
// item's text, and "]". False when rest holds no complete item.
bool take_item(std::string& rest, std::string& text)
{
  if (rest.empty())
    return false;
  std::size_t close = rest.find(']', 1);
  if (close == std::string::npos)
    return false;
  text = rest.substr(1, close - 1);
  rest.erase(0, close + 1);
  return true;
}

std::string without_trailing_blanks(const std::string& text)
{
  std::size_t end = text.find_last_not_of(" \t\r");
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The items after a field's name: type, offset, length, a choice's first,
// last and step, and the description of a described block.
FormatResult parse_field_items(std::string& rest, uint8_t em, ScriptField& field)
{
  std::string item;
  if (!take_item(rest, item))
    return FormatResult::failure(kFieldTypeErrorMessage);
  field.type = static_cast<uint8_t>(number_value(item, 10));
  if (!take_item(rest, item))
    return FormatResult::failure(kFieldOffsetErrorMessage);
  field.offset = number_value(item, 10);
  if (!take_item(rest, item))
    return FormatResult::failure(kFieldLengthErrorMessage);
  field.length = number_value(item, 10);
  if (field.type == ScriptField::Choice) {
    uint32_t* choice_items[] = { &field.first, &field.last, &field.step };
    for (uint32_t* choice_item : choice_items) {
      // A choice without its list is no valid type.
      if (!take_item(rest, item))
        return FormatResult::failure(kFieldTypeErrorMessage);
      *choice_item = number_value(item, 10);
    }
  }
  if (em == ScriptBlock::DescribedFields) {
    if (!take_item(rest, item))
      return FormatResult::failure(kFieldDescErrorMessage);
    field.description = item;
  }
  return FormatResult::success();
}

}  // namespace

FormatResult BlockScript::parse_script_file(const std::string& script_path, uint32_t image_length)
{
  blocks.clear();
  if (script_path.empty())
    return FormatResult::failure(kNoScriptPathMessage);
  std::ifstream file(script_path, std::ios::binary);
  if (!file)
    return FormatResult::failure(kScriptOpenFailedMessage);
  return parse(file, image_length);
}

FormatResult BlockScript::parse(std::istream& script, uint32_t image_length)
{
  blocks.clear();
  field_list_ = FieldList::Unset;
  std::string line;
  while (std::getline(script, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    // A cut line would silently lose the rest of the script.
    if (line.size() > kMaxScriptLineLength)
      return FormatResult::failure(kErrorLineMessage);
    if (line.empty())
      continue;
    FormatResult result = parse_line(line, image_length);
    if (!result.ok())
      return result;
  }
  if (blocks.empty())
    return FormatResult::failure(kNoScriptBlocksMessage);
  return FormatResult::success();
}

FormatResult BlockScript::parse_line(const std::string& line, uint32_t image_length)
{
  std::string value;
  if (begins_with(line, "FLASH")) {
    if (!keyword_value(line, value))
      return FormatResult::failure(kErrorLineMessage);
    if (flash_size_value(value) != image_length)
      return FormatResult::failure(kFlashSizeMismatchMessage);
    return FormatResult::success();
  }
  if (begins_with(line, "ID")) {
    if (!keyword_value(line, value))
      return FormatResult::failure(kErrorLineMessage);
    ScriptBlock block;
    block.id = static_cast<uint8_t>(number_value(value, 0));
    blocks.push_back(block);
    field_list_ = FieldList::Unset;
    return FormatResult::success();
  }

  const bool is_em = begins_with(line, "EM");
  const bool is_name = !is_em && begins_with(line, "name");
  const bool is_offset = !is_em && !is_name && begins_with(line, "OFFSET");
  if (is_em || is_name || is_offset) {
    // Block values before the first ID line belong to no block.
    ScriptBlock* block = current_block();
    if (!block || !keyword_value(line, value))
      return FormatResult::failure(kErrorLineMessage);
    if (is_em)
      block->em = static_cast<uint8_t>(number_value(value, 10));
    else if (is_name)
      block->name = value.substr(0, kMaxScriptNameLength);
    else
      block->offset = number_value(value, 10);
    return FormatResult::success();
  }

  if (begins_with(line, "##")) {
    if (!current_block())
      return FormatResult::failure(kErrorLineMessage);
    return parse_fields(line.substr(2));
  }
  if (begins_with(line, "//"))
    return FormatResult::success();
  if (field_list_ == FieldList::Open)
    return parse_fields(line);
  return FormatResult::success();
}

// Parses the fields of one line into the current block, and leaves the field
// list open (";" after the last field) or closed ("##", or nothing).
FormatResult BlockScript::parse_fields(std::string rest)
{
  ScriptBlock& block = *current_block();
  field_list_ = FieldList::Closed;
  for (;;) {
    std::string name;
    if (!take_item(rest, name) || name.find("##") != std::string::npos)
      return FormatResult::success();
    if (block.fields.size() >= kMaxScriptFields)
      return FormatResult::failure(kTooManyFieldsMessage);

    ScriptField field;
    field.name = name.substr(0, kMaxScriptNameLength);
    FormatResult items = parse_field_items(rest, block.em, field);
    if (!items.ok())
      return items;
    block.fields.push_back(field);

    // What follows the field's last item.
    const std::string after = without_trailing_blanks(rest);
    if (after.empty() || after.compare(0, 2, "##") == 0)
      return FormatResult::success();
    if (after == ";") {
      field_list_ = FieldList::Open;
      return FormatResult::success();
    }
    std::size_t close = after.find(']', 1);
    if (close != std::string::npos) {
      const std::string ending = after.substr(1, close - 1);
      if (ending == ";") {
        field_list_ = FieldList::Open;
        return FormatResult::success();
      }
      if (ending.find("##") != std::string::npos)
        return FormatResult::success();
    }
    // One separator character, then the next field.
    rest = after.substr(1);
  }
}

ScriptBlock* BlockScript::current_block()
{
  return blocks.empty() ? nullptr : &blocks.back();
}
