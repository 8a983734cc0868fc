#include "BankImage.h"
#include "BlockFieldEditor.h"
#include "FlashImageAnalysis.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace bank_image;

namespace {

uint32_t reference_crc(const uint8_t* data, std::size_t count)
{
  uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < count; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit)
      crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return crc;
}

ScriptField field(ScriptField::Type type, uint32_t offset, uint32_t length)
{
  ScriptField made;
  made.type = type;
  made.offset = offset;
  made.length = length;
  return made;
}

ScriptField choice(uint32_t offset, uint32_t first, uint32_t last, uint32_t step)
{
  ScriptField made = field(ScriptField::Choice, offset, 4);
  made.first = first;
  made.last = last;
  made.step = step;
  return made;
}

// The kernel block (id 0x10, data at 0x2000) with its fields at byte 0x10.
struct Editing {
  GenerationImage image = make();
  ScriptBlock block = script_block(0x10, ScriptBlock::PlainFields, 0x10, "kernel");
  BlockFieldEditor editor{image.bytes, image.entries, block};
  uint8_t* data() { return &image.bytes[0x2010]; }
};

}  // namespace

TEST(BlockFieldEditor, NumberFieldAcrossBytesKeepsItsNeighbours)
{
  Editing e;
  e.block.fields = {field(ScriptField::Number, 4, 12)};
  e.data()[0] = 0xA5;
  e.data()[1] = 0x5A;
  e.data()[2] = 0xFF;
  FieldLoadResult loaded = e.editor.load();
  ASSERT_EQ(kTailorDone, loaded.code);
  EXPECT_EQ(1u, loaded.loaded);
  EXPECT_EQ(kFieldValueIdBase, e.block.fields[0].control_id);
  EXPECT_EQ("1450", BlockFieldEditor::edit_text(e.block.fields[0]));

  struct Case {
    const char* text;
    uint8_t low;
    uint8_t high;
  };
  // 0x123; 70000 is 0x11170, cut to 0x170; not a number gives 0.
  const Case cases[] = {{"291", 0x35, 0x12}, {"70000", 0x05, 0x17}, {"12x", 0x05, 0x00}, {"", 0x05, 0x00}};
  for (const Case& c : cases) {
    ASSERT_EQ(kTailorDone, e.editor.write_back({FieldInput{c.text, 0}}));
    EXPECT_EQ(c.low, e.data()[0]) << c.text;
    EXPECT_EQ(c.high, e.data()[1]) << c.text;
    EXPECT_EQ(0xFF, e.data()[2]) << c.text;
    EXPECT_EQ(reference_crc(&e.image.bytes[0x2000], 0x1000), e.image.entries[0].crc) << c.text;
  }
}

TEST(BlockFieldEditor, ChoiceLists)
{
  struct Case {
    ScriptField field;
    uint8_t stored;
    uint64_t count;
    uint32_t index;
    uint32_t selected;
    uint8_t written;
  };
  const Case cases[] = {
      {choice(0, 1, 9, 2), 5, 5, 2, 3, 7},
      // A value not in the list shows the first entry, and OK writes first.
      {choice(0, 1, 9, 2), 4, 5, 0, 0, 1},
      {choice(0, 1, 9, 2), 11, 5, 0, 0, 1},
      // First above last: an empty list, and OK writes first.
      {choice(0, 9, 1, 2), 9, 0, 0, 0, 9},
      // Step 0 is a list of one.
      {choice(0, 3, 9, 0), 3, 1, 0, 0, 3},
      // Choices wider than the 4-bit field are cut to it.
      {choice(0, 14, 20, 3), 14, 3, 0, 2, 20 & 0xF},
  };
  for (const Case& c : cases) {
    Editing e;
    e.block.fields = {c.field};
    e.data()[0] = static_cast<uint8_t>(0xA0 | c.stored);
    ASSERT_EQ(kTailorDone, e.editor.load().code);
    EXPECT_EQ(c.count, BlockFieldEditor::choice_count(e.block.fields[0]));
    EXPECT_EQ(c.index, BlockFieldEditor::choice_index(e.block.fields[0])) << int(c.stored);
    ASSERT_EQ(kTailorDone, e.editor.write_back({FieldInput{"", c.selected}}));
    EXPECT_EQ(0xA0 | c.written, e.data()[0]) << int(c.stored);
  }
  EXPECT_EQ(uint64_t(1) << 32, BlockFieldEditor::choice_count(choice(0, 0, 0xFFFFFFFF, 1)));
  EXPECT_EQ(0xFFFFFFFFu, BlockFieldEditor::choice_value(choice(0, 0, 0xFFFFFFFF, 1), 0xFFFFFFFF));
}

TEST(BlockFieldEditor, ChoiceListsLongerThanTheLimitStopTheLoading)
{
  struct Case {
    ScriptField wide;
    bool loads;
  };
  const Case cases[] = {
      {choice(4, 0, uint32_t(kMaxChoiceEntries - 1), 1), true},
      {choice(4, 0, uint32_t(kMaxChoiceEntries), 1), false},
      {choice(4, 0, 0xFFFFFFFF, 1), false},
      // A wide range with a wide step is a short list.
      {choice(4, 0, 0xFFFFFFFF, 0x10000000), true},
  };
  for (const Case& c : cases) {
    Editing e;
    ScriptField wide = c.wide;
    wide.name = "channel";
    e.block.fields = {choice(0, 1, 9, 2), wide, field(ScriptField::Number, 8, 8)};
    FieldLoadResult load = e.editor.load();
    if (c.loads) {
      EXPECT_EQ(kTailorDone, load.code);
      EXPECT_EQ(3u, load.loaded);
    } else {
      EXPECT_EQ(kTailorOutOfRange, load.code);
      EXPECT_EQ(1u, load.loaded);
      EXPECT_EQ(too_many_choices_message("channel", BlockFieldEditor::choice_count(wide)), load.message);
    }
  }
  EXPECT_EQ("Too many choices in field \"channel\": 4294967296, at most 4096 can be listed!",
            too_many_choices_message("channel", uint64_t(1) << 32));
}

TEST(BlockFieldEditor, TextFieldAtAndOverItsLimit)
{
  Editing e;
  // 40 bytes at byte 0, then a number after it.
  e.block.fields = {field(ScriptField::Text, 0, 8 * kMaxTextFieldBytes), field(ScriptField::Number, 8 * 40, 8)};
  std::memcpy(e.data(), "HELLO\0garbage", 13);
  ASSERT_EQ(kTailorDone, e.editor.load().code);
  EXPECT_EQ(kMaxTextFieldBytes, e.block.fields[0].text.size());
  EXPECT_EQ("HELLO", BlockFieldEditor::edit_text(e.block.fields[0]));

  ASSERT_EQ(kTailorDone, e.editor.write_back({FieldInput{"WORLD!", 0}, FieldInput{"7", 0}}));
  EXPECT_EQ(0, std::memcmp(e.data(), "WORLD!\0arbage", 13));
  EXPECT_EQ(7, e.data()[40]);

  // At most 39 characters and the terminating zero.
  std::string long_text(50, 'x');
  ASSERT_EQ(kTailorDone, e.editor.write_back({FieldInput{long_text, 0}, FieldInput{"7", 0}}));
  EXPECT_EQ(std::string(39, 'x'), std::string(reinterpret_cast<const char*>(e.data())));
  EXPECT_EQ(7, e.data()[40]);

  // 41 bytes: refused, and the fields after it get no controls.
  Editing over;
  over.block.fields = {field(ScriptField::Number, 0, 8), field(ScriptField::Text, 8, 8 * 41),
                       field(ScriptField::Number, 8 * 42, 8)};
  FieldLoadResult loaded = over.editor.load();
  EXPECT_EQ(kTailorOutOfRange, loaded.code);
  EXPECT_EQ(kStringTooLongMessage, loaded.message);
  EXPECT_EQ(1u, loaded.loaded);
  EXPECT_EQ(kNoControlId, over.block.fields[2].control_id);
  // Only the loaded field is written.
  const uint8_t after_text = over.data()[42];
  ASSERT_EQ(kTailorDone, over.editor.write_back({FieldInput{"66", 0}}));
  EXPECT_EQ(66, over.data()[0]);
  EXPECT_EQ(after_text, over.data()[42]);
}

TEST(BlockFieldEditor, DataAddresses)
{
  // A configuration area: the base is the configuration offset, no CRC.
  GenerationImage image = make();
  ScriptBlock area = script_block(0, ScriptBlock::DescribedFields, 0x20, "area");
  area.fields = {field(ScriptField::Number, 0, 16)};
  BlockFieldEditor config(image.bytes, image.entries, area);
  ASSERT_EQ(kTailorDone, config.load().code);
  ASSERT_EQ(kTailorDone, config.write_back({FieldInput{"4660", 0}}));
  EXPECT_EQ(0x34, image.bytes[kConfigOffset + 0x20]);
  EXPECT_EQ(0x12, image.bytes[kConfigOffset + 0x21]);
  EXPECT_EQ(make().entries[0].crc, image.entries[0].crc);

  // "NCRC" stays.
  ScriptBlock logo = script_block(0x11, ScriptBlock::PlainFields, 0, "logo");
  logo.fields = {field(ScriptField::Number, 0, 8)};
  BlockFieldEditor no_crc(image.bytes, image.entries, logo);
  ASSERT_EQ(kTailorDone, no_crc.load().code);
  ASSERT_EQ(kTailorDone, no_crc.write_back({FieldInput{"1", 0}}));
  EXPECT_EQ(1, image.bytes[0x3000]);
  EXPECT_EQ(kNoCrcWord, image.entries[1].crc);

  // No table block with the id: nothing is shown or written.
  const std::vector<uint8_t> before = image.bytes;
  ScriptBlock unknown = script_block(0x77, ScriptBlock::PlainFields, 0, "none");
  unknown.fields = {field(ScriptField::Number, 0, 8)};
  BlockFieldEditor none(image.bytes, image.entries, unknown);
  FieldLoadResult missing = none.load();
  EXPECT_EQ(kTailorNoSuchBlock, missing.code);
  EXPECT_EQ(kNoMatchBlockMessage, missing.message);
  EXPECT_EQ(kTailorNoSuchBlock, none.write_back({FieldInput{"5", 0}}));
  EXPECT_EQ(before, image.bytes);

  // A field that reaches past the block's data stops the load there.
  ScriptBlock aligned = script_block(0x12, ScriptBlock::PlainFields, 0xFF, "ssdata");
  aligned.fields = {field(ScriptField::Number, 0, 8), field(ScriptField::Number, 8, 8)};
  BlockFieldEditor edge(image.bytes, image.entries, aligned);
  FieldLoadResult outside = edge.load();
  EXPECT_EQ(kTailorOutOfRange, outside.code);
  EXPECT_EQ(kFieldOutsideDataMessage, outside.message);
  EXPECT_EQ(1u, outside.loaded);
  EXPECT_EQ(kTailorOutOfRange, edge.write_back({}));
}

TEST(BlockFieldEditor, TipsBreakAtBackslashN)
{
  EXPECT_EQ("Line 1\nLine 2", unescape_newlines("Line 1\\nLine 2"));
  EXPECT_EQ("a\\b\\", unescape_newlines("a\\b\\"));
  EXPECT_EQ("\n\n", unescape_newlines("\\n\\n"));
}
