#pragma once
#include "BlockRecord.h"
#include "PresetTable.h"
#include "SheetScript.h"

#include <string>
#include <vector>

// A small DM image's block records and the three script sheets that
// describe them, as the tailor view would hand them to the exchange.
struct ExchangeFixture {
  // The "preset" record's table before packing.
  static PresetTable preset_table();
  // Records with raw (unpacked) data; the "preset" record is left empty for
  // the caller to fill with the packed table.
  static std::vector<BlockRecord> records();
  // The sheets, their fields holding the records' current values.
  static void fill_sheets(ScriptSheet* sheets, const std::vector<BlockRecord>& records);
};

BlockRecord make_record(const char* name, uint8_t id, std::vector<uint8_t> data);
