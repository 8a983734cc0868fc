#pragma once
#include "BlockRecord.h"
#include "ExchangeMessage.h"
#include "PresetTable.h"
#include "SheetScript.h"

#include <string>
#include <vector>

const char kBlockNotInImageMessage[] = "ERROR!! can not find block [%s] id[0x%x]in dmh!";
const char kValueOutOfRangeMessage[] = "ERROR!! [%s]'s value is out of range,please check it!";
const char kFieldOutsideBlockMessage[] = "ERROR!! field [%s] lies outside block [%s]!";
const char kEmptyCellText[] = "NULL";
// An EM 2 block gets a buffer of at least this size holding the
// hardware-info block at its start.
const std::size_t kHardwareInfoBufferSize = 5120;

// A cell read as text: "NULL" when empty, a number's 64-bit integer part in
// decimal, a string in the system's ANSI code page; booleans and error values
// read as the empty text.
std::string cell_text(const PresetCell& cell);

// Applies the values of the workbook's script sheets (rows x columns, as
// read back from the workbook) to the block records' data copies.
class SheetApplier {
public:
  SheetApplier(std::vector<BlockRecord>& records, ExchangeMessageSink show);

  // "IR_FP_Key" with the first sheet, "Sys_Config" with the second: 0,
  // kTailorFileFailure when a block is not in the image or a field lies
  // outside its block's data, kTailorOutOfRange for a value the field cannot
  // take. Fields keep the values written.
  int apply_field_sheet(const PresetTable& values, ScriptSheet& sheet);
  // "File_Path" with the third sheet: 0 or kTailorFileFailure.
  int apply_file_sheet(const PresetTable& values, const ScriptSheet& sheet);

private:
  BlockRecord* find_record(const SheetBlock& block);
  int apply_field(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record);
  int apply_number(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record);
  int apply_text(const PresetCell& cell, const SheetBlock& block, SheetField& field, BlockRecord& record);
  int apply_file(const std::u16string& path, const SheetBlock& block, BlockRecord& record);
  int refuse(int result, const std::string& message);

  std::vector<BlockRecord>& records_;
  ExchangeMessageSink show_;
};
