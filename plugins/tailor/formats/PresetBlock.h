#pragma once
#include "BlockRecord.h"
#include "PresetPacker.h"
#include "PresetTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The uncompressed preset block: magic, row and column counts (u16
// big-endian), then the stored cells, each a header byte and a UTF-16LE text
// ended by a 0 unit.
const char kPresetMagic[] = "seedvaults";
const std::size_t kPresetMagicSize = 10;
const std::size_t kPresetRowsOffset = 10;
const std::size_t kPresetColumnsOffset = 12;
const std::size_t kPresetHeaderSize = 14;
const uint8_t kPresetRowStart = 0x80;
const uint8_t kPresetColumnMask = 0x7F;
// The column bits of a cell's header byte, and the 16-bit row count.
const std::size_t kPresetMaxColumns = 128;
const std::size_t kPresetMaxRows = 0xFFFF;
const char kPresetBlockName[] = "preset";

// One stored cell read back, rows and columns counted from 1.
struct PresetSheetCell {
  std::size_t row = 0;
  std::size_t column = 0;
  std::u16string text;
};

// A preset block read into sheet cells.
struct PresetSheet {
  std::size_t columns = 0;
  std::vector<PresetSheetCell> cells;
  // Rows whose first stored text begins with "*".
  std::vector<std::size_t> marked_rows;
};

// Builds the uncompressed block; false when the table does not fit the format.
bool build_preset_data(const PresetTable& table, std::vector<uint8_t>& block);
// Reads an uncompressed block; false when the block is cut short.
bool read_preset_data(const std::vector<uint8_t>& block, PresetSheet& sheet);

// The record whose name begins with "preset", or null.
BlockRecord* find_preset_record(std::vector<BlockRecord>& records);
const BlockRecord* find_preset_record(const std::vector<BlockRecord>& records);

// Builds and packs the block, and attaches it to the "preset" record when
// there is one; packed_length is 0 on failure.
FormatResult build_preset_block(std::vector<BlockRecord>& records, const PresetTable& table, PresetPacker& packer,
                                std::size_t& packed_length);
// Unpacks a "preset" record's data and reads them into sheet cells.
FormatResult read_preset_block(const BlockRecord& record, PresetPacker& packer, PresetSheet& sheet);
