#include "ExchangeFixture.h"
#include "FieldBits.h"

#include <algorithm>
#include <cstring>

namespace {

SheetField field(const char* name, uint32_t type, uint32_t bit_offset, uint32_t bit_length, uint32_t minimum = 0,
                 uint32_t maximum = 0, const char* description = "")
{
  SheetField made;
  made.name = name;
  made.type = type;
  made.bit_offset = bit_offset;
  made.bit_length = bit_length;
  made.minimum = minimum;
  made.maximum = maximum;
  made.description = description;
  return made;
}

SheetBlock block(const char* name, uint8_t em, uint8_t index, uint32_t offset, std::vector<SheetField> fields)
{
  SheetBlock made;
  made.name = name;
  made.em = em;
  made.index = index;
  made.offset = offset;
  made.has_index = true;
  made.fields = std::move(fields);
  return made;
}

std::vector<uint8_t> pattern(std::size_t size, uint8_t step)
{
  std::vector<uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = uint8_t(0x11 + i * step);
  return bytes;
}

}

BlockRecord make_record(const char* name, uint8_t id, std::vector<uint8_t> data)
{
  BlockRecord record;
  std::memcpy(record.entry.name, name, std::min(std::strlen(name), kFlashBlockNameSize));
  record.entry.id = id;
  record.entry.length = uint32_t(data.size());
  record.data = BlockData(std::move(data));
  return record;
}

PresetTable ExchangeFixture::preset_table()
{
  PresetTable table(3, 3);
  table.at(0, 0) = PresetCell::of_text(u"*Astra 19.2E");
  table.at(0, 2) = PresetCell::of_text(u"H");
  table.at(1, 0) = PresetCell::of_text(u"BBC One");
  table.at(1, 1) = PresetCell::of_text(u"11836");
  table.at(1, 2) = PresetCell::of_text(u"27500");
  table.at(2, 0) = PresetCell::of_text(u"Caf\u00e9 TV");
  table.at(2, 1) = PresetCell::of_text(u"12000");
  return table;
}

std::vector<BlockRecord> ExchangeFixture::records()
{
  std::vector<BlockRecord> records;
  records.push_back(make_record("preset", 0x10, {}));
  std::vector<uint8_t> keys = pattern(16, 0x23);
  const char label[] = "IR";
  std::copy(label, label + sizeof label, keys.begin() + 7);
  records.push_back(make_record("irkey", 0x21, keys));
  records.push_back(make_record("syscfg", 0x22, pattern(12, 0x35)));
  records.push_back(make_record("hwinfo", 0x30, std::vector<uint8_t>(240, 0xEE)));
  records.push_back(make_record("logo", 0x31, pattern(8, 0x01)));
  return records;
}

void ExchangeFixture::fill_sheets(ScriptSheet* sheets, const std::vector<BlockRecord>& records)
{
  sheets[0].name = "sheet2";
  sheets[0].columns = {"Name", "Value", "Min", "Max", "Description"};
  sheets[0].blocks = {block("irkey", SheetBlock::DescribedFields, 0x21, 4,
                            {field("power", SheetField::Number, 0, 8, 0, 0, "power key"),
                             field("volume", SheetField::Choice, 14, 3, 1, 6, "volume step"),
                             field("label", SheetField::Text, 24, 64, 0, 0, "remote name")})};
  sheets[1].name = "sheet3";
  sheets[1].columns = {"Name", "Value", "Min", "Max"};
  sheets[1].blocks = {block("syscfg", 0, 0x22, 0,
                            {field("baud", SheetField::Number, 0, 32), field("mode", SheetField::Choice, 36, 4, 0, 9),
                             field("flags", SheetField::Number, 44, 12)})};
  sheets[2].name = "sheet4";
  sheets[2].columns = {"Name", "Path"};
  sheets[2].blocks = {block("hwinfo", SheetBlock::HardwareInfoFile, 0x30, 0, {field("panel", SheetField::Text, 0, 0)}),
                      block("logo", SheetBlock::RawFile, 0x31, 0, {field("image", SheetField::Text, 0, 0)})};

  for (std::size_t s = 0; s < kScriptSheetCount; ++s) {
    for (SheetBlock& sheet_block : sheets[s].blocks) {
      const BlockRecord* record = nullptr;
      for (const BlockRecord& candidate : records)
        if (candidate.entry.id == sheet_block.index)
          record = &candidate;
      for (SheetField& sheet_field : sheet_block.fields) {
        const uint8_t* base = record->data.data() + sheet_block.offset;
        if (sheet_field.type == SheetField::Text) {
          sheet_field.text_value = s == 0 ? reinterpret_cast<const char*>(base + sheet_field.bit_offset / 8) : "";
        } else {
          sheet_field.value = read_field_bits(base, sheet_field.bit_offset, sheet_field.bit_length);
        }
      }
    }
  }
}
