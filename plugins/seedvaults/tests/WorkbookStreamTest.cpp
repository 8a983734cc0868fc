#include "ByteReader.h"
#include "CellRecords.h"
#include "SstRecord.h"
#include "TestWorkbooks.h"
#include "WorkbookStreamReader.h"
#include <gtest/gtest.h>

namespace {

// Sizes of the pieces of a written record: the first header's, then each CONTINUE's.
std::vector<std::size_t> piece_sizes(const std::vector<uint8_t>& written)
{
  std::vector<std::size_t> sizes;
  for (std::size_t at = 0; at + 4 <= written.size(); at += 4 + load_u16(&written[at + 2]))
    sizes.push_back(load_u16(&written[at + 2]));
  return sizes;
}

bool read_stream(const std::vector<uint8_t>& stream, WorkbookGlobals& globals, std::vector<WorksheetStream>& sheets,
                 std::string* error = nullptr)
{
  WorkbookStreamReader reader(stream.data(), stream.size(), globals, sheets);
  bool read = reader.read();
  if (error)
    *error = reader.error();
  return read;
}

}

TEST(BiffRecord, LongRecordIsWrittenInPiecesOf8224Bytes)
{
  std::vector<uint8_t> image = concat({le16(0x1234), le16(20000), std::vector<uint8_t>(20000, 0x5A)});
  BiffRecord record;
  ASSERT_EQ(20004u, record.read(image.data(), image.size()));
  std::vector<uint8_t> written;
  EXPECT_EQ(20012u, record.write(written));
  EXPECT_EQ(20012u, record.record_size());
  EXPECT_EQ((std::vector<std::size_t>{8224, 8224, 3552}), piece_sizes(written));
  EXPECT_EQ(kCodeContinue, load_u16(&written[4 + 8224]));
}

TEST(BiffRecord, ContinuePiecesAreJoinedAndCutAgainWhereTheyWere)
{
  std::vector<uint8_t> image = concat({le16(0x1234), le16(3), {1, 2, 3}, le16(kCodeContinue), le16(2), {4, 5},
                                       le16(kCodeContinue), le16(1), {6}, le16(kCodeEof), le16(0)});
  BiffRecord record;
  ASSERT_EQ(4u + 3 + 4 + 2 + 4 + 1, record.read(image.data(), image.size()));
  EXPECT_EQ((std::vector<uint8_t>{1, 2, 3, 4, 5, 6}), record.data());
  EXPECT_EQ((std::vector<std::size_t>{3, 5}), record.continue_offsets());
  std::vector<uint8_t> written;
  record.write(written);
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.end() - 4), written);
}

TEST(BiffRecord, SizePastTheEndIsRefused)
{
  std::vector<uint8_t> image = concat({le16(0x1234), le16(10), {1, 2, 3}});
  BiffRecord record;
  EXPECT_EQ(0u, record.read(image.data(), image.size()));
  std::vector<uint8_t> continued = concat({le16(0x1234), le16(1), {1}, le16(kCodeContinue), le16(50), {2}});
  EXPECT_EQ(0u, record.read(continued.data(), continued.size()));
}

TEST(SstRecord, TenThousandCharacterStringSpansTwoContinuesAndComesBackWhole)
{
  SstRecord sst;
  std::u16string long_text;
  for (int i = 0; i < 10000; ++i)
    long_text.push_back(char16_t(0x4E00 + i % 500));
  sst.strings.resize(3);
  sst.strings[0].text = narrow_text("first");
  sst.strings[1].text = wide_text(long_text);
  sst.strings[2].text = narrow_text("after");
  sst.total_count = 3;
  std::vector<uint8_t> written;
  sst.write(written);
  std::vector<std::size_t> pieces = piece_sizes(written);
  ASSERT_EQ(3u, pieces.size());
  // A piece never cuts a UTF-16 character, and each continuation starts with the flags byte.
  EXPECT_EQ(8224u - 1, pieces[0]);
  EXPECT_EQ(kStringWide, written[4 + pieces[0] + 4]);

  SstRecord read_back;
  ASSERT_EQ(written.size(), read_back.read(written.data(), written.size()));
  ASSERT_EQ(3u, read_back.strings.size());
  EXPECT_EQ("first", read_back.strings[0].text.narrow);
  EXPECT_TRUE(read_back.strings[1].text.wide);
  EXPECT_TRUE(read_back.strings[1].text.wide_text == long_text);
  EXPECT_EQ("after", read_back.strings[2].text.narrow);
}

TEST(SstRecord, PartsOfDifferentWidthsComeBackAsOneWideString)
{
  // "ab" 8-bit, then a continuation of two UTF-16 characters.
  std::vector<uint8_t> narrow_first = concat({le16(kCodeSst), le16(8 + 3 + 2), le32(1), le32(1), le16(4), {0},
                                              {'a', 'b'}, le16(kCodeContinue), le16(5), {kStringWide},
                                              le16(0x00E9), le16(0x4E2D)});
  SstRecord sst;
  ASSERT_EQ(narrow_first.size(), sst.read(narrow_first.data(), narrow_first.size()));
  ASSERT_EQ(1u, sst.strings.size());
  EXPECT_TRUE(sst.strings[0].text.wide);
  EXPECT_TRUE(sst.strings[0].text.wide_text == u"ab\u00E9\u4E2D");

  // UTF-16 first, then 8-bit characters, widened as Latin-1 whatever the locale.
  std::vector<uint8_t> wide_first = concat({le16(kCodeSst), le16(8 + 3 + 2), le32(1), le32(1), le16(3), {kStringWide},
                                            le16(0x4E2D), le16(kCodeContinue), le16(3), {0}, {0xE9, 'z'}});
  ASSERT_EQ(wide_first.size(), sst.read(wide_first.data(), wide_first.size()));
  EXPECT_TRUE(sst.strings[0].text.wide_text == u"\u4E2D\u00E9z");
}

TEST(SstRecord, DamagedStringsAreRefused)
{
  const std::vector<std::vector<uint8_t>> cases = {
    // Characters run past the data.
    concat({le16(kCodeSst), le16(8 + 3 + 2), le32(1), le32(1), le16(40), {0}, {'a', 'b'}}),
    // A UTF-16 character cut by the piece start.
    concat({le16(kCodeSst), le16(8 + 3 + 3), le32(1), le32(1), le16(2), {kStringWide}, {'a', 0, 'b'},
            le16(kCodeContinue), le16(2), {kStringWide}, {0}}),
    // Formatting runs that run past the data.
    concat({le16(kCodeSst), le16(8 + 5 + 1), le32(1), le32(1), le16(1), {kStringRich}, le16(500), {'a'}}),
  };
  for (const std::vector<uint8_t>& image : cases) {
    SstRecord sst;
    EXPECT_EQ(0u, sst.read(image.data(), image.size()));
  }
}

TEST(SstRecord, HugeUniqueCountDoesNotDecideTheMemoryTaken)
{
  std::vector<uint8_t> image = concat({le16(kCodeSst), le16(8 + 4), le32(0xFFFFFFFF), le32(0xFFFFFFFF), le16(1), {0}, {'x'}});
  SstRecord sst;
  ASSERT_EQ(image.size(), sst.read(image.data(), image.size()));
  ASSERT_EQ(1u, sst.strings.size());
  EXPECT_LT(sst.strings.capacity(), 100u);
}

TEST(WorkbookStreamReader, FormulaWithItsStringIsOneCellRecord)
{
  std::vector<uint8_t> formula = concat({le16(2), le16(0), le16(15), {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, le16(0), le32(0),
                                         le16(0)});
  std::vector<uint8_t> string = concat({le16(3), {0}, {'a', 'b', 'c'}});
  StreamBuilder stream = globals_stream({"Sheet1"}, {});
  stream.bof(0x10).dimensions(3, 1).row(2).record(kCodeFormula, formula).record(kCodeString, string).dbcell().eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  ASSERT_EQ(1u, sheets.size());
  ASSERT_EQ(1u, sheets[0].row_blocks.size());
  ASSERT_EQ(1u, sheets[0].row_blocks[0].cells.size());
  const FormulaRecord& record = std::get<FormulaRecord>(sheets[0].row_blocks[0].cells[0]);
  ASSERT_TRUE(record.cached_string.has_value());
  EXPECT_EQ("abc", record.cached_string->text.text.narrow);
  EXPECT_EQ(4 + formula.size() + 4 + string.size(), record.record_size());
}

TEST(WorkbookStreamReader, SubstreamsAfterAChartAreNotLoaded)
{
  StreamBuilder stream = globals_stream({"Sheet1", "Chart1", "Sheet3"}, {});
  stream.bof(0x10).dimensions(1, 1).eof();
  stream.bof(0x20).eof();
  stream.bof(0x10).dimensions(5, 5).eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  EXPECT_EQ(3u, globals.bound_sheets.size());
  ASSERT_EQ(1u, sheets.size());
  EXPECT_EQ(1u, sheets[0].dimensions.last_row_plus_one);
}

TEST(WorkbookStreamReader, ChartInsideAWorksheetIsSkippedWithItsOwnEof)
{
  StreamBuilder stream = globals_stream({"Sheet1", "Sheet2"}, {});
  stream.bof(0x10).dimensions(1, 1).bof(0x20).record(0x1002, {1, 2}).eof().record(kCodeWindow2, std::vector<uint8_t>(18, 0)).eof();
  stream.bof(0x10).dimensions(7, 2).eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  ASSERT_EQ(2u, sheets.size());
  EXPECT_EQ(kSubstreamWorksheet, sheets[0].bof.type);
  EXPECT_EQ(0u, sheets[0].window2.flags);
  EXPECT_EQ(7u, sheets[1].dimensions.last_row_plus_one);
}

TEST(WorkbookStreamReader, ChartAmongTheRowsOfABlockWithoutDbcellIsSkippedWithItsOwnEof)
{
  // As a spreadsheet program writes a sheet with a chart on it: its rows
  // with no DBCELL, then the chart's substream, then the sheet's EOF.
  StreamBuilder stream = globals_stream({"Sheet1", "Sheet2"}, {});
  stream.bof(0x10).dimensions(2, 1).row(0).number(0, 0, 1.5);
  stream.bof(0x20).record(0x1002, {1, 2}).eof();
  stream.row(1).number(1, 0, 2.5).eof();
  stream.bof(0x10).dimensions(7, 2).row(6).number(6, 1, 3.5).eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  ASSERT_EQ(2u, sheets.size());
  ASSERT_EQ(1u, sheets[0].row_blocks.size());
  ASSERT_EQ(2u, sheets[0].row_blocks[0].cells.size());
  EXPECT_EQ(2.5, std::get<NumberRecord>(sheets[0].row_blocks[0].cells[1]).value);
  ASSERT_EQ(1u, sheets[1].row_blocks.size());
  EXPECT_EQ(3.5, std::get<NumberRecord>(sheets[1].row_blocks[0].cells[0]).value);
}

TEST(WorkbookStreamReader, CellsOutsideRowBlocksAreDropped)
{
  StreamBuilder stream = globals_stream({"Sheet1"}, {});
  stream.bof(0x10).dimensions(4, 2).number(0, 0, 1.5).rk(1, 1, 0x0A).eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  ASSERT_EQ(1u, sheets.size());
  EXPECT_TRUE(sheets[0].row_blocks.empty());
  EXPECT_EQ(4u, sheets[0].dimensions.last_row_plus_one);
}

TEST(WorkbookStreamReader, RowsWithoutDbcellAreCutIntoBlocksOfTheFormatsSize)
{
  // Some writers put each ROW before its own cells and write no DBCELL.
  StreamBuilder stream = globals_stream({"Sheet1"}, {});
  stream.bof(0x10).dimensions(70, 1);
  for (uint16_t row = 0; row < 70; ++row)
    stream.row(row).number(row, 0, row + 0.5);
  stream.eof();
  WorkbookGlobals globals;
  std::vector<WorksheetStream> sheets;
  ASSERT_TRUE(read_stream(stream.bytes(), globals, sheets));
  ASSERT_EQ(1u, sheets.size());
  const std::vector<RowBlock>& blocks = sheets[0].row_blocks;
  ASSERT_EQ(3u, blocks.size());
  const std::size_t sizes[] = {32, 32, 6};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(sizes[i], blocks[i].rows.size());
    ASSERT_EQ(sizes[i], blocks[i].cells.size());
    EXPECT_EQ(i * 32, blocks[i].rows.front().row);
    // Each row's cells stay in the block of their ROW.
    EXPECT_EQ(double(i * 32) + 0.5, std::get<NumberRecord>(blocks[i].cells.front()).value);
  }
}

TEST(WorkbookStreamReader, StreamsThatAreNotBiff8GiveNoSheets)
{
  std::vector<uint8_t> biff5 = concat({le16(kCodeBof), le16(8), le16(0x0500), le16(5), le16(0), le16(0)});
  std::vector<uint8_t> not_bof = StreamBuilder().eof().bytes();
  for (const std::vector<uint8_t>& stream : {biff5, not_bof, std::vector<uint8_t>()}) {
    WorkbookGlobals globals;
    std::vector<WorksheetStream> sheets;
    EXPECT_TRUE(read_stream(stream, globals, sheets));
    EXPECT_TRUE(sheets.empty());
  }
}

TEST(WorkbookStreamReader, TruncatedAndShortRecordsAreRefused)
{
  std::vector<uint8_t> whole = globals_stream({"Sheet1"}, {"a"}).bof(0x10).dimensions(1, 1).row(0).label_sst(0, 0, 0).dbcell().eof().bytes();
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
  };
  const Case cases[] = {
    {"cut inside a record", std::vector<uint8_t>(whole.begin(), whole.end() - 7)},
    {"cut before the worksheet EOF", std::vector<uint8_t>(whole.begin(), whole.end() - 4)},
    {"globals without EOF", StreamBuilder().bof(0x05).bound_sheet("Sheet1").bytes()},
    {"row block without DBCELL or EOF", StreamBuilder().bof(0x10).row(0).number(0, 0, 1).bytes()},
    {"cell record too short", StreamBuilder().bof(0x10).row(0).record(kCodeNumber, {0, 0, 0, 0}).dbcell().eof().bytes()},
    {"MULRK whose last column disagrees",
     StreamBuilder().bof(0x10).row(0).record(kCodeMulRk, concat({le16(0), le16(0), le16(15), le32(2), le16(9)})).dbcell().eof().bytes()},
  };
  for (const Case& test : cases) {
    WorkbookGlobals globals;
    std::vector<WorksheetStream> sheets;
    std::string error;
    EXPECT_FALSE(read_stream(test.stream, globals, sheets, &error)) << test.name;
    EXPECT_FALSE(error.empty()) << test.name;
  }
}
