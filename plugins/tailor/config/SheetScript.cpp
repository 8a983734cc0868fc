#include "SheetScript.h"

#include "FieldBits.h"
#include "TailorResult.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// SHEETINFO and BLOCKINFO lists start after the keyword, "=" and "[".
const std::size_t kListStart = 11;

bool begins_with(const std::string& line, const char* keyword)
{
  return line.compare(0, std::char_traits<char>::length(keyword), keyword) == 0;
}

// The second piece of the line cut at "=": false when there is none.
bool value_after_equals(const std::string& line, std::string& value)
{
  std::size_t equals = line.find('=');
  if (equals == std::string::npos)
    return false;
  std::size_t start = equals + 1;
  while (start < line.size() && line[start] == '=')
    ++start;
  if (start >= line.size())
    return false;
  std::size_t end = line.find('=', start);
  value = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
  return true;
}

// The line cut at every "]", empty pieces left out.
std::vector<std::string> pieces_of(const std::string& text)
{
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(']', start);
    if (end == std::string::npos)
      end = text.size();
    if (end > start)
      pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

std::string without_first(const std::string& piece, std::size_t limit)
{
  return piece.empty() ? std::string() : piece.substr(1, limit);
}

bool strip_line_end(std::string& line)
{
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
    line.pop_back();
  return !line.empty();
}

uint32_t number(const std::string& text, int base)
{
  return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, base));
}

// The field's bits from the record's data; bits past the data's end read 0.
uint64_t read_value(const BlockData& data, uint32_t byte_offset, const SheetField& field)
{
  const uint32_t bits = std::min<uint32_t>(field.bit_length, kMaxFieldValueBits);
  const uint64_t first = uint64_t(byte_offset) + field_first_byte(field.bit_offset);
  const std::size_t count = field_byte_count(field.bit_offset, bits);
  std::vector<uint8_t> bytes(count + field_first_byte(field.bit_offset), 0);
  for (std::size_t i = 0; i < count && first + i < data.size(); ++i)
    bytes[field_first_byte(field.bit_offset) + i] = data[static_cast<std::size_t>(first + i)];
  return read_field_bits(bytes.data(), field.bit_offset, bits);
}

std::string read_text(const BlockData& data, uint32_t byte_offset, const SheetField& field)
{
  std::string text;
  for (uint64_t at = uint64_t(byte_offset) + field.bit_offset / 8;
       at < data.size() && text.size() < kSheetFieldTextLength && data[static_cast<std::size_t>(at)] != 0; ++at)
    text += static_cast<char>(data[static_cast<std::size_t>(at)]);
  return text;
}

}  // namespace

int SheetScript::parse_file(const std::string& path, const std::vector<BlockRecord>& records, std::string& message)
{
  std::ifstream file(path);
  if (!file)
    return kTailorFileMissing;
  return parse(file, records, message);
}

int SheetScript::parse(std::istream& script, const std::vector<BlockRecord>& records, std::string& message)
{
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(script, line)) {
    if (!strip_line_end(line))
      continue;
    // A cut line would be read as another, shorter one.
    if (line.size() > kSheetScriptLineLength)
      return kTailorScriptError;
    lines.push_back(line);
  }

  bool accepted = false;
  for (const std::string& text : lines) {
    if (!begins_with(text, "CFGHEADER"))
      continue;
    std::string value;
    if (!value_after_equals(text, value)) {
      message = kSheetScriptErrorLineMessage;
      return kTailorScriptError;
    }
    if (value == kScriptHeaderValue)
      accepted = true;
  }
  if (!accepted)
    return kTailorScriptError;

  sheet_ = nullptr;
  block_ = nullptr;
  data_ = nullptr;
  for (const std::string& text : lines) {
    int result = parse_line(text, records, message);
    if (result != 0)
      return result;
  }
  return 0;
}

int SheetScript::parse_line(const std::string& line, const std::vector<BlockRecord>& records, std::string& message)
{
  std::string value;
  if (begins_with(line, "SHEETID")) {
    if (!value_after_equals(line, value))
      return kTailorScriptError;
    std::size_t which = value == "2" ? 0 : value == "3" ? 1 : 2;
    sheet_ = &sheets[which];
    sheet_->name = which == 0 ? "sheet2" : which == 1 ? "sheet3" : "sheet4";
    block_ = nullptr;
    data_ = nullptr;
    return 0;
  }
  if (begins_with(line, "//") || begins_with(line, "FLASH="))
    return 0;
  if (begins_with(line, "SHEETINFO")) {
    if (sheet_ == nullptr)
      return kTailorScriptError;
    sheet_->columns.clear();
    std::vector<std::string> pieces = pieces_of(line.size() > kListStart ? line.substr(kListStart) : std::string());
    for (std::size_t i = 0; i < pieces.size(); ++i)
      sheet_->columns.push_back(i == 0 ? pieces[i].substr(0, kSheetColumnNameLength)
                                       : without_first(pieces[i], kSheetColumnNameLength));
    return 0;
  }
  if (begins_with(line, "BLOCKINFO")) {
    if (sheet_ == nullptr)
      return kTailorScriptError;
    std::vector<std::string> pieces = pieces_of(line.size() > kListStart ? line.substr(kListStart) : std::string());
    sheet_->blocks.emplace_back();
    block_ = &sheet_->blocks.back();
    block_->name = pieces.empty() ? std::string() : pieces[0].substr(0, kSheetBlockNameLength);
    data_ = nullptr;
    return 0;
  }
  const bool offset_line = begins_with(line, "OFFSET");
  const bool em_line = !offset_line && begins_with(line, "EM");
  const bool index_line = !offset_line && !em_line && begins_with(line, "INDEX");
  if (offset_line || em_line || index_line) {
    if (!value_after_equals(line, value) || block_ == nullptr)
      return kTailorScriptError;
    if (offset_line) {
      block_->offset = number(value, 10);
    } else if (em_line) {
      block_->em = static_cast<uint8_t>(number(value, 10));
    } else {
      block_->index = static_cast<uint8_t>(number(value, 16));
      block_->has_index = true;
      auto found = std::find_if(records.begin(), records.end(),
                                [this](const BlockRecord& record) { return record.entry.id == block_->index; });
      if (found == records.end()) {
        char text[64];
        std::snprintf(text, sizeof text, kNoBlockIdMessage, unsigned(block_->index));
        message = text;
        return kTailorScriptError;
      }
      data_ = &*found;
    }
    return 0;
  }
  if (begins_with(line, "##"))
    return parse_fields(line.substr(2));
  if (begins_with(line, "["))
    return parse_fields(line);
  return 0;
}

int SheetScript::parse_fields(const std::string& text)
{
  std::vector<std::string> pieces = pieces_of(text);
  std::size_t at = 0;
  while (at < pieces.size()) {
    std::string name_piece = pieces[at];
    if (name_piece.find("##") != std::string::npos)
      return 0;
    // A field needs a block whose data give its current content.
    if (block_ == nullptr || data_ == nullptr)
      return kTailorScriptError;
    SheetField field;
    field.name = without_first(name_piece, kSheetFieldNameLength);
    if (at + 3 >= pieces.size())
      return kTailorScriptError;
    field.type = number(without_first(pieces[at + 1], std::string::npos), 10);
    field.bit_offset = number(without_first(pieces[at + 2], std::string::npos), 10);
    field.bit_length = number(without_first(pieces[at + 3], std::string::npos), 10);
    at += 4;
    if (field.type == SheetField::Choice) {
      if (at + 1 >= pieces.size())
        return kTailorScriptError;
      field.minimum = number(without_first(pieces[at], std::string::npos), 10);
      field.maximum = number(without_first(pieces[at + 1], std::string::npos), 10);
      at += 2;
    }
    if (block_->em == SheetBlock::DescribedFields) {
      if (at >= pieces.size())
        return kTailorScriptError;
      field.description = without_first(pieces[at], kSheetFieldDescLength);
      ++at;
    }
    if (field.type == SheetField::Number || field.type == SheetField::Choice)
      field.value = read_value(data_->data, block_->offset, field);
    else
      field.text_value = read_text(data_->data, block_->offset, field);
    block_->fields.push_back(field);

    if (at >= pieces.size() || pieces[at] == ";" || pieces[at] == "##")
      return 0;
    // One separator character, then the next field's name piece.
    pieces[at].erase(0, 1);
  }
  return 0;
}

void SheetScript::clear_sheets()
{
  for (ScriptSheet& sheet : sheets)
    sheet = ScriptSheet();
  sheet_ = nullptr;
  block_ = nullptr;
  data_ = nullptr;
}
