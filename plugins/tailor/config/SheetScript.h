#pragma once
#include "BlockRecord.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

const std::size_t kSheetScriptLineLength = 1000;
const std::size_t kSheetColumnNameLength = 29;
const std::size_t kSheetBlockNameLength = 8;
const std::size_t kSheetFieldNameLength = 19;
const std::size_t kSheetFieldTextLength = 19;
const std::size_t kSheetFieldDescLength = 1023;
const std::size_t kScriptSheetCount = 3;
const char kScriptHeaderValue[] = "toolcfg";
const char kSheetScriptErrorLineMessage[] = "Error line!";
const char kNoBlockIdMessage[] = "ERROR!! can not find block id[0x%x]in dmh!";

// One field of a sheet block, with its current content from the image.
struct SheetField {
  enum Type : uint32_t { Number = 0, Text = 1, Choice = 2 };

  std::string name;
  uint32_t type = Number;
  uint32_t bit_length = 0;
  uint32_t bit_offset = 0;  // from the block's OFFSET, least significant bit first
  uint32_t minimum = 0;
  uint32_t maximum = 0;
  std::string description;
  std::string text_value;
  uint64_t value = 0;
};

// One BLOCKINFO entry: which block of the image and where its fields lie.
struct SheetBlock {
  enum EditMode : uint8_t { DescribedFields = 1, HardwareInfoFile = 2, RawFile = 3 };

  std::string name;  // compared with record names over 8 characters
  uint8_t em = 0;
  uint8_t index = 0;  // the block id in the image
  uint32_t offset = 0;
  bool has_index = false;
  std::vector<SheetField> fields;
};

struct ScriptSheet {
  std::string name;
  std::vector<std::string> columns;
  std::vector<SheetBlock> blocks;
};

// The spreadsheet script a DM image carries: three sheet descriptions and
// the current values of their fields, read from the block records.
class SheetScript {
public:
  // 0, kTailorFileMissing when the file does not open, kTailorScriptError;
  // message is the text to show, when there is one.
  int parse_file(const std::string& path, const std::vector<BlockRecord>& records, std::string& message);
  int parse(std::istream& script, const std::vector<BlockRecord>& records, std::string& message);
  void clear_sheets();

  ScriptSheet sheets[kScriptSheetCount];

private:
  int parse_line(const std::string& line, const std::vector<BlockRecord>& records, std::string& message);
  int parse_fields(const std::string& text);

  ScriptSheet* sheet_ = nullptr;
  SheetBlock* block_ = nullptr;
  const BlockRecord* data_ = nullptr;
};
