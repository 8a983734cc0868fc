#include "BlockScript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const uint32_t kTwoMegabytes = 0x200000;

FormatResult parse(BlockScript& script, const std::string& text, uint32_t image_length = kTwoMegabytes)
{
  std::istringstream in(text);
  return script.parse(in, image_length);
}

std::string error_of(const std::string& text, uint32_t image_length = kTwoMegabytes)
{
  BlockScript script;
  FormatResult result = parse(script, text, image_length);
  EXPECT_FALSE(result.ok()) << text;
  return result.message();
}

BlockScript parsed(const std::string& text)
{
  BlockScript script;
  FormatResult result = parse(script, text);
  EXPECT_TRUE(result.ok()) << result.message() << "\n" << text;
  return script;
}

const char kAudioScript[] =
    "// audio settings\r\n"
    "FLASH=2M\r\n"
    "\r\n"
    "ID=0x21\r\n"
    "EM=0\r\n"
    "name=AUDIO\r\n"
    "OFFSET=16\r\n"
    "##[volume][2][0][8][0][100][5];\r\n"
    "[mute][0][8][1]##\r\n";

}  // namespace

TEST(BlockScript, ParsesBlocksAndFields)
{
  BlockScript script = parsed(kAudioScript);
  ASSERT_EQ(1u, script.blocks.size());
  const ScriptBlock& block = script.blocks[0];
  EXPECT_EQ(0x21, block.id);
  EXPECT_EQ("AUDIO", block.name);
  EXPECT_EQ(0, block.em);
  EXPECT_EQ(16u, block.offset);
  EXPECT_EQ(kNoControlId, block.control_id);
  ASSERT_EQ(2u, block.fields.size());

  const ScriptField& volume = block.fields[0];
  EXPECT_EQ("volume", volume.name);
  EXPECT_EQ(ScriptField::Choice, volume.type);
  EXPECT_EQ(0u, volume.offset);
  EXPECT_EQ(8u, volume.length);
  EXPECT_EQ(0u, volume.first);
  EXPECT_EQ(100u, volume.last);
  EXPECT_EQ(5u, volume.step);
  EXPECT_EQ(kNoControlId, volume.control_id);

  const ScriptField& mute = block.fields[1];
  EXPECT_EQ("mute", mute.name);
  EXPECT_EQ(ScriptField::Number, mute.type);
  EXPECT_EQ(8u, mute.offset);
  EXPECT_EQ(1u, mute.length);
}

TEST(BlockScript, KeywordValues)
{
  struct Case {
    const char* line;
    uint8_t id;
  };
  const Case ids[] = { { "ID=0x1F", 31 }, { "ID=300", 44 }, { "ID=010", 8 }, { "IDENT=5", 5 }, { "ID=7=9", 7 } };
  for (const Case& c : ids) {
    BlockScript script = parsed(std::string(c.line) + "\n");
    ASSERT_EQ(1u, script.blocks.size()) << c.line;
    EXPECT_EQ(c.id, script.blocks[0].id) << c.line;
  }

  BlockScript script = parsed("ID=1\nname=ABCDEFGHIJKLMNOPQRSTUVWXY\nEM=259\nOFFSET=4096\n"
                              "ID=2\nname= spaced = ignored\n");
  EXPECT_EQ("ABCDEFGHIJKLMNOPQRS", script.blocks[0].name) << "19 characters count";
  EXPECT_EQ(3, script.blocks[0].em) << "low 8 bits";
  EXPECT_EQ(4096u, script.blocks[0].offset);
  EXPECT_EQ(" spaced ", script.blocks[1].name) << "the value runs to the next '=' unchanged";
}

TEST(BlockScript, FlashSizeMustMatchTheImage)
{
  EXPECT_TRUE(parsed("FLASH=2M\nID=1\n").blocks.size() == 1);
  EXPECT_EQ(1u, parsed("FLASH=2097152\nID=1\n").blocks.size());
  EXPECT_EQ(kFlashSizeMismatchMessage, error_of("FLASH= 2M\nID=1\n")) << "read as the number 2";
  EXPECT_EQ(kFlashSizeMismatchMessage, error_of("FLASH=1M\nID=1\n"));
  EXPECT_EQ(kFlashSizeMismatchMessage, error_of("FLASH=512K\nID=1\n"));

  BlockScript one_megabyte;
  EXPECT_TRUE(parse(one_megabyte, "FLASH=1M\nID=1\n", 0x100000).ok());
  BlockScript half_megabyte;
  EXPECT_TRUE(parse(half_megabyte, "FLASH=512K\nID=1\n", 0x80000).ok());
}

TEST(BlockScript, FieldListContinuesAfterSemicolonOnly)
{
  BlockScript open = parsed("ID=1\n##[a][0][0][8];\n[b][0][8][8];\n[c][0][16][8]##\n[d][0][24][8]##\n");
  ASSERT_EQ(3u, open.blocks[0].fields.size()) << "the line after \"##\" is ignored";
  EXPECT_EQ("c", open.blocks[0].fields[2].name);

  BlockScript bracketed = parsed("ID=1\n##[a][0][0][8][;]\n[b][0][8][8][##]\n[c][0][16][8]##\n");
  EXPECT_EQ(2u, bracketed.blocks[0].fields.size());

  BlockScript unended = parsed("ID=1\n##[a][0][0][8]\n[b][0][8][8]##\n");
  EXPECT_EQ(1u, unended.blocks[0].fields.size()) << "a line without an ending closes the list";

  BlockScript again = parsed("ID=1\n##[a][0][0][8]##\n// more\n##[b][1][8][16]##\nID=2\n[c][0][0][1]##\n");
  EXPECT_EQ(2u, again.blocks[0].fields.size()) << "a further \"##\" line adds fields";
  EXPECT_TRUE(again.blocks[1].fields.empty()) << "a new block starts with no open list";
}

TEST(BlockScript, SeveralFieldsOnOneLine)
{
  BlockScript script = parsed("ID=1\n##[A][0][0][8],[B][1][8][16] [C][2][24][4][1][9][2];\n[D][0][28][4]##\n");
  ASSERT_EQ(4u, script.blocks[0].fields.size());
  EXPECT_EQ("B", script.blocks[0].fields[1].name);
  EXPECT_EQ(ScriptField::Text, script.blocks[0].fields[1].type);
  EXPECT_EQ(16u, script.blocks[0].fields[1].length);
  EXPECT_EQ(2u, script.blocks[0].fields[2].step);
  EXPECT_EQ("D", script.blocks[0].fields[3].name);

  BlockScript closed_by_name = parsed("ID=1\n##[A][0][0][8],[##][0][0][0];\n[B][0][0][1]##\n");
  EXPECT_EQ(1u, closed_by_name.blocks[0].fields.size()) << "an item holding \"##\" closes the list";
}

TEST(BlockScript, DescribedBlocksCarryDescriptions)
{
  const std::string long_text(900, 'd');
  BlockScript script = parsed("ID=1\nEM=3\n##[speed][0][0][8][Baud rate\\nof the port],[x][0][8][8][" +
                              long_text + "]##\n");
  ASSERT_EQ(2u, script.blocks[0].fields.size());
  EXPECT_EQ("Baud rate\\nof the port", script.blocks[0].fields[0].description);
  EXPECT_EQ(long_text, script.blocks[0].fields[1].description);
  EXPECT_EQ("", parsed(kAudioScript).blocks[0].fields[1].description);
}

TEST(BlockScript, FieldErrors)
{
  struct Case {
    const char* script;
    const char* message;
  };
  const Case cases[] = {
    { "ID=1\n##[a]##\n", kFieldTypeErrorMessage },
    { "ID=1\n##[a][0]##\n", kFieldOffsetErrorMessage },
    { "ID=1\n##[a][0][4]\n", kFieldLengthErrorMessage },
    { "ID=1\n##[a][2][0][8][1][9]##\n", kFieldTypeErrorMessage },
    { "ID=1\nEM=3\n##[a][0][0][8]##\n", kFieldDescErrorMessage },
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.message, error_of(c.script)) << c.script;
}

TEST(BlockScript, AtMostOneHundredFieldsPerBlock)
{
  std::string hundred = "ID=1\n##";
  for (int i = 0; i < 100; ++i)
    hundred += "[f" + std::to_string(i) + "][0][" + std::to_string(i) + "][1];\n";
  EXPECT_EQ(100u, parsed(hundred).blocks[0].fields.size());
  EXPECT_EQ(kTooManyFieldsMessage, error_of(hundred + "[f100][0][100][1]##\n"));
  EXPECT_EQ(100u, parsed(hundred + "ID=2\n##[g][0][0][1]##\n").blocks[0].fields.size());
}

TEST(BlockScript, LineErrors)
{
  const char* cases[] = {
    "ID\n", "ID=\n", "ID=1\nEM\n", "ID=1\nname=\n", "ID=1\nOFFSET\n", "FLASH\nID=1\n",
    "EM=1\nID=1\n", "name=x\nID=1\n", "OFFSET=3\nID=1\n", "##[a][0][0][8]##\nID=1\n",
  };
  for (const char* script : cases)
    EXPECT_EQ(kErrorLineMessage, error_of(script)) << script;

  const std::string longest = "// " + std::string(kMaxScriptLineLength - 3, 'x') + "\nID=1\n";
  EXPECT_EQ(1u, parsed(longest).blocks.size());
  EXPECT_EQ(kErrorLineMessage, error_of("// " + std::string(kMaxScriptLineLength - 2, 'x') + "\nID=1\n"))
      << "a longer line is refused, not cut";
}

TEST(BlockScript, ScriptWithoutBlocks)
{
  EXPECT_EQ(kNoScriptBlocksMessage, error_of("FLASH=2M\n// nothing\n[a][0][0][8]##\n"));
  EXPECT_EQ(kNoScriptBlocksMessage, error_of(""));
}

TEST(BlockScript, BlocksReadBeforeAnErrorRemain)
{
  BlockScript script;
  FormatResult result = parse(script, "ID=1\n##[a][0][0][8]##\nID=2\nEM\n");
  EXPECT_EQ(kErrorLineMessage, result.message());
  ASSERT_EQ(2u, script.blocks.size());
  EXPECT_EQ(1u, script.blocks[0].fields.size());
}

TEST(BlockScript, ReadsTheScriptFile)
{
  BlockScript script;
  EXPECT_EQ(kNoScriptPathMessage, script.parse_script_file("", kTwoMegabytes).message());
  EXPECT_EQ(kScriptOpenFailedMessage, script.parse_script_file("no-such-script.cfg", kTwoMegabytes).message());

  const std::string path = "block-script-test.cfg";
  std::ofstream(path, std::ios::binary) << kAudioScript;
  FormatResult result = script.parse_script_file(path, kTwoMegabytes);
  std::remove(path.c_str());
  ASSERT_TRUE(result.ok()) << result.message();
  EXPECT_EQ(2u, script.blocks[0].fields.size());

  EXPECT_FALSE(script.parse_script_file("no-such-script.cfg", kTwoMegabytes).ok());
  EXPECT_TRUE(script.blocks.empty()) << "the previous list is freed first";
}
