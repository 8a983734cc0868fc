#pragma once
#include "FormatResult.h"
#include "ScriptBlock.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

const std::size_t kMaxScriptLineLength = 999;
const std::size_t kMaxScriptNameLength = 19;
const std::size_t kMaxScriptFields = 100;

const char kNoScriptPathMessage[] = "Please select script file!";
const char kScriptOpenFailedMessage[] =
    "Please put the correct script file in the same directory as the flash binary!";
const char kFlashSizeMismatchMessage[] = "Flash size mismatch!";
const char kErrorLineMessage[] = "Error line!";
const char kFieldTypeErrorMessage[] = "Field type data error!";
const char kFieldOffsetErrorMessage[] = "Field offset data error!";
const char kFieldLengthErrorMessage[] = "Field length data error!";
const char kFieldDescErrorMessage[] = "Field desc data error!";
const char kTooManyFieldsMessage[] = "Too many dynamic fields!";
const char kNoScriptBlocksMessage[] = "Script file has no valid block information!";

// The block script of a bank-form image family: which blocks a customer may
// edit and how. After a failed parse the blocks read so far remain.
class BlockScript {
public:
  FormatResult parse_script_file(const std::string& script_path, uint32_t image_length);
  FormatResult parse(std::istream& script, uint32_t image_length);

  std::vector<ScriptBlock> blocks;

private:
  enum class FieldList { Unset, Open, Closed };

  FormatResult parse_line(const std::string& line, uint32_t image_length);
  FormatResult parse_fields(std::string text);
  ScriptBlock* current_block();

  FieldList field_list_ = FieldList::Unset;
};
