#include "SheetScript.h"
#include "TailorResult.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace {

BlockRecord record(uint8_t id, const char* name, std::vector<uint8_t> data)
{
  BlockRecord made;
  made.entry.id = id;
  std::memcpy(made.entry.name, name, std::min(std::strlen(name), sizeof made.entry.name));
  made.entry.length = static_cast<uint32_t>(data.size());
  made.data = std::move(data);
  return made;
}

// Two blocks: "irkey" (id 0x21) and "syscfg" (id 0x30) with known bytes.
std::vector<BlockRecord> records()
{
  std::vector<uint8_t> ir(32, 0);
  ir[4] = 0xB5;   // bits 0-7 of a field at OFFSET 4
  ir[5] = 0x03;
  ir[31] = 0xAB;  // the last byte
  std::vector<uint8_t> sys(64, 0);
  std::memcpy(sys.data() + 10, "Box-Name-That-Is-Long-123", 25);
  sys[2] = 0xC0;  // bits 6, 7 of byte 2 and bit 0 of byte 3 make 3 bits
  sys[3] = 0x01;
  return { record(0x21, "irkey", ir), record(0x30, "syscfg", sys) };
}

struct Parsed {
  int result;
  std::string message;
  SheetScript script;
};

Parsed parse(const std::string& text)
{
  Parsed parsed;
  std::istringstream in(text);
  parsed.result = parsed.script.parse(in, records(), parsed.message);
  return parsed;
}

const char kScript[] =
    "CFGHEADER=toolcfg\n"
    "// comment\n"
    "SHEETID=2\n"
    "SHEETINFO=[Name][Value][Min][Max][Desc]\n"
    "BLOCKINFO=[irkey]\n"
    "OFFSET=4\n"
    "EM=1\n"
    "INDEX=21\n"
    "##[power][0][0][10][power key code],[menu][2][8][2][0][3][menu key];\n"
    "\n"
    "SHEETID=3\n"
    "SHEETINFO=[Item][Value]\n"
    "BLOCKINFO=[syscfg]\n"
    "OFFSET=0\n"
    "EM=0\n"
    "INDEX=0x30\n"
    "[mode][0][22][3]##\n"
    "[name][1][80][0];\n";

}  // namespace

TEST(SheetScript, ReadsSheetsBlocksFieldsAndTheirCurrentValues)
{
  Parsed parsed = parse(kScript);
  ASSERT_EQ(0, parsed.result) << parsed.message;
  const ScriptSheet& ir = parsed.script.sheets[0];
  EXPECT_EQ("sheet2", ir.name);
  EXPECT_EQ((std::vector<std::string>{ "Name", "Value", "Min", "Max", "Desc" }), ir.columns);
  ASSERT_EQ(1u, ir.blocks.size());
  const SheetBlock& irkey = ir.blocks[0];
  EXPECT_EQ("irkey", irkey.name);
  EXPECT_EQ(4u, irkey.offset);
  EXPECT_EQ(0x21, irkey.index);
  ASSERT_EQ(2u, irkey.fields.size());
  EXPECT_EQ("power", irkey.fields[0].name);
  EXPECT_EQ(0x3B5u, irkey.fields[0].value) << "10 bits from byte OFFSET";
  EXPECT_EQ("power key code", irkey.fields[0].description);
  EXPECT_EQ("menu", irkey.fields[1].name);
  EXPECT_EQ(SheetField::Choice, irkey.fields[1].type);
  EXPECT_EQ(3u, irkey.fields[1].value);
  EXPECT_EQ(0u, irkey.fields[1].minimum);
  EXPECT_EQ(3u, irkey.fields[1].maximum);
  EXPECT_EQ("menu key", irkey.fields[1].description);

  const ScriptSheet& sys = parsed.script.sheets[1];
  EXPECT_EQ("sheet3", sys.name);
  ASSERT_EQ(1u, sys.blocks.size());
  ASSERT_EQ(2u, sys.blocks[0].fields.size());
  EXPECT_EQ(7u, sys.blocks[0].fields[0].value) << "3 bits across a byte boundary";
  EXPECT_EQ("Box-Name-That-Is-Lo", sys.blocks[0].fields[1].text_value) << "at most 19 characters";
  EXPECT_TRUE(parsed.script.sheets[2].blocks.empty());
}

TEST(SheetScript, RefusesScriptsWithoutTheirHeader)
{
  struct Case {
    const char* text;
    int result;
    const char* message;
  } cases[] = {
    { "SHEETID=2\n", kTailorScriptError, "" },
    { "CFGHEADER=toolcfgx\nSHEETID=2\n", kTailorScriptError, "" },
    { "CFGHEADER\nSHEETID=2\n", kTailorScriptError, kSheetScriptErrorLineMessage },
    { "CFGHEADER=toolcfg\nSHEETID=2\n", 0, "" },
  };
  for (const Case& c : cases) {
    Parsed parsed = parse(c.text);
    EXPECT_EQ(c.result, parsed.result) << c.text;
    EXPECT_EQ(c.message, parsed.message) << c.text;
  }
}

TEST(SheetScript, SheetIdsOtherThanTwoAndThreeSelectTheThirdSheet)
{
  Parsed parsed = parse("CFGHEADER=toolcfg\nSHEETID=02\nBLOCKINFO=[syscfg]\nSHEETID=3\nSHEETID=4\nBLOCKINFO=[irkey]\n");
  ASSERT_EQ(0, parsed.result);
  EXPECT_EQ("sheet4", parsed.script.sheets[2].name);
  ASSERT_EQ(2u, parsed.script.sheets[2].blocks.size());
  EXPECT_EQ("syscfg", parsed.script.sheets[2].blocks[0].name);
  EXPECT_TRUE(parsed.script.sheets[0].blocks.empty());
}

TEST(SheetScript, MalformedLinesEndTheParse)
{
  const std::string head = "CFGHEADER=toolcfg\nSHEETID=2\nBLOCKINFO=[irkey]\n";
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
    { head + "INDEX=7F\n", "ERROR!! can not find block id[0x7f]in dmh!" },
    { head + "OFFSET\n", "" },
    { head + "INDEX=21\n##[power][0][0]\n", "" },
    { head + "INDEX=21\n##[menu][2][0][8][1]\n", "" },
    { "CFGHEADER=toolcfg\nSHEETID=2\nBLOCKINFO=[irkey]\n##[power][0][0][8]\n", "" },
    { head + "INDEX=21\n##[x][0][0][8]" + std::string(1000, ' ') + "\n", "" },
  };
  for (const Case& c : cases) {
    Parsed parsed = parse(c.text);
    EXPECT_EQ(kTailorScriptError, parsed.result) << c.text.substr(0, 80);
    EXPECT_EQ(c.message, parsed.message) << c.text.substr(0, 80);
  }
}

TEST(SheetScript, FieldsOfOneLineNeedOneSeparatorAndALoneMarkerAddsNone)
{
  Parsed parsed = parse("CFGHEADER=toolcfg\nSHEETID=2\nBLOCKINFO=[irkey]\nINDEX=21\n##\n##[a][0][0][8],[b][0][8][8]##\n");
  ASSERT_EQ(0, parsed.result);
  const std::vector<SheetField>& fields = parsed.script.sheets[0].blocks[0].fields;
  ASSERT_EQ(2u, fields.size());
  EXPECT_EQ("a", fields[0].name);
  EXPECT_EQ("b", fields[1].name);
  EXPECT_EQ(0u, fields[1].value);
}

TEST(SheetScript, FieldsPastTheBlockDataReadAsZero)
{
  Parsed parsed = parse("CFGHEADER=toolcfg\nSHEETID=2\nBLOCKINFO=[irkey]\nOFFSET=30\nINDEX=21\n##[wide][0][0][64]##\n");
  ASSERT_EQ(0, parsed.result);
  EXPECT_EQ(0xAB00u, parsed.script.sheets[0].blocks[0].fields[0].value) << "bytes 30 and 31, then nothing";
  parsed.script.clear_sheets();
  EXPECT_TRUE(parsed.script.sheets[0].blocks.empty());
  EXPECT_TRUE(parsed.script.sheets[0].name.empty());
}
