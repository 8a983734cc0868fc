// Drives the workbook exchange for the exchange test, which checks the
// workbook and the records from the Linux side:
//   tailor_excel_client export <work folder> <workbook folder>
//   tailor_excel_client import <work folder> <workbook> [record to leave out]
// Prints "result", every message shown, and after an import the records
// and the Program sheet's table as they came back.
#include "ExcelWorkbookExchange.h"
#include "ExchangeFixture.h"
#include "HiddenProgram.h"
#include "PresetBlock.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void print_message(const std::string& text, MessageCaption caption)
{
  std::printf("message\t%s\t%s\n", caption == MessageCaption::None ? "plain" : "caption", text.c_str());
}

std::string utf8(const std::u16string& text)
{
  std::string converted;
  for (char16_t unit : text) {
    if (unit < 0x80) {
      converted += char(unit);
    } else if (unit < 0x800) {
      converted += char(0xC0 | (unit >> 6));
      converted += char(0x80 | (unit & 0x3F));
    } else {
      converted += char(0xE0 | (unit >> 12));
      converted += char(0x80 | ((unit >> 6) & 0x3F));
      converted += char(0x80 | (unit & 0x3F));
    }
  }
  return converted;
}

void print_records(std::vector<BlockRecord>& records, ScriptSheet* sheets, PresetPacker& packer)
{
  for (const BlockRecord& record : records) {
    std::printf("record\t%s\t%u\t", record.entry.name_text().c_str(), unsigned(record.entry.length));
    for (uint8_t byte : record.data)
      std::printf("%02x", byte);
    std::printf("\n");
  }
  for (std::size_t s = 0; s < kScriptSheetCount; ++s)
    for (const SheetBlock& block : sheets[s].blocks)
      for (const SheetField& field : block.fields)
        std::printf("field\t%s\t%s\t%llu\t%s\n", block.name.c_str(), field.name.c_str(),
                    static_cast<unsigned long long>(field.value), field.text_value.c_str());
  PresetSheet table;
  if (read_preset_block(*find_preset_record(records), packer, table).ok())
    for (const PresetSheetCell& cell : table.cells)
      std::printf("preset\t%u\t%u\t%s\n", unsigned(cell.row), unsigned(cell.column), utf8(cell.text).c_str());
}

}

int main(int argc, char** argv)
{
  if (argc < 4 || (std::strcmp(argv[1], "export") != 0 && std::strcmp(argv[1], "import") != 0)) {
    std::fprintf(stderr, "usage: tailor_excel_client export|import <work folder> <workbook folder|workbook> [left out]\n");
    return 2;
  }
  if (FAILED(CoInitialize(nullptr)))
    return 1;
  PresetPacker packer(argv[2], run_hidden_and_wait);
  std::vector<BlockRecord> records = ExchangeFixture::records();
  std::vector<uint8_t> block;
  std::vector<uint8_t> packed;
  if (!build_preset_data(ExchangeFixture::preset_table(), block) || !packer.pack_preset(block, packed).ok()) {
    std::fprintf(stderr, "the preset block of the fixture could not be packed\n");
    return 1;
  }
  BlockRecord& preset = *find_preset_record(records);
  preset.entry.length = uint32_t(packed.size());
  preset.data = BlockData(packed);
  ScriptSheet sheets[kScriptSheetCount];
  ExchangeFixture::fill_sheets(sheets, records);
  if (argc > 4) {
    for (auto record = records.begin(); record != records.end(); ++record)
      if (record->entry.name_text() == argv[4]) {
        records.erase(record);
        break;
      }
  }

  ExcelWorkbookExchange exchange(records, sheets, packer, print_message);
  if (std::strcmp(argv[1], "export") == 0) {
    std::printf("result\t%d\n", exchange.export_to_excel(argv[3]));
    DWORD attributes = GetFileAttributesA(exchange.workbook_path().c_str());
    std::printf("hidden\t%d\n", attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) ? 1 : 0);
  } else {
    std::printf("result\t%d\n", exchange.read_workbook(argv[3]));
    print_records(records, sheets, packer);
  }
  CoUninitialize();
  return 0;
}
