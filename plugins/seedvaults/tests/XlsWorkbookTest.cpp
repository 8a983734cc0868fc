#include "StorageFile.h"
#include "StorageWriter.h"
#include "TestWorkbooks.h"
#include "XlsWorkbook.h"
#include <gtest/gtest.h>
#include <climits>
#include <functional>
#include <windows.h>

namespace {

std::u16string wide_of(const XlsCell& cell)
{
  return cell.wide_text() ? std::u16string(cell.wide_text()) : std::u16string();
}

std::string narrow_of(const XlsCell& cell)
{
  return cell.narrow_text() ? std::string(cell.narrow_text()) : std::string();
}

// A one-sheet workbook whose Sheet1 holds the given worksheet records between ROW and DBCELL.
XlsWorkbook& load_sheet(XlsWorkbook& workbook, const std::vector<std::string>& strings,
                        const std::function<void(StreamBuilder&)>& cells, uint32_t rows = 4, uint16_t columns = 4)
{
  StreamBuilder stream = globals_stream({"Sheet1"}, strings);
  stream.bof(0x10).dimensions(rows, columns).row(0);
  cells(stream);
  stream.dbcell().eof();
  EXPECT_TRUE(workbook.load_bytes(compound_file_with_workbook(stream.bytes()))) << workbook.error();
  return workbook;
}

}

TEST(XlsWorkbook, WorkbookWrittenByUsIsReadBackCellForCell)
{
  XlsWorkbook written;
  written.reset_to_new(2);
  XlsSheet* first = written.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, first);
  first->cell(0, 0)->set_narrow_text("*Astra");
  first->cell(0, 3)->set_integer(192);
  first->cell(2, 1)->set_integer(-7);
  first->cell(2, 2)->set_integer(1 << 30);
  first->cell(2, 3)->set_float(11.9);
  first->cell(3, 0)->set_wide_text(u"\u4E2D\u6587");
  first->cell(40, 5)->set_narrow_text("*Astra");
  first->cell(70, 255)->set_float(-2.5);
  written.find_worksheet("Sheet2")->cell(1, 1)->set_narrow_text("second");

  XlsWorkbook read;
  ASSERT_TRUE(read.load_bytes(written.save_bytes())) << read.error();
  ASSERT_EQ(2, read.sheet_count());
  const XlsSheet* sheet = read.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  EXPECT_EQ(71u, sheet->row_count());
  EXPECT_EQ(256u, sheet->column_count());
  EXPECT_EQ("*Astra", narrow_of(sheet->find_cell(0, 0)));
  EXPECT_EQ(kCellInteger, sheet->find_cell(0, 3).type());
  EXPECT_EQ(192, sheet->find_cell(0, 3).integer_value());
  EXPECT_EQ(-7, sheet->find_cell(2, 1).integer_value());
  EXPECT_EQ(kCellFloat, sheet->find_cell(2, 2).type());
  EXPECT_EQ(1 << 30, sheet->find_cell(2, 2).integer_value());
  EXPECT_DOUBLE_EQ(11.9, sheet->find_cell(2, 3).float_value());
  EXPECT_EQ(11, sheet->find_cell(2, 3).integer_value());
  EXPECT_EQ(kCellWideText, sheet->find_cell(3, 0).type());
  EXPECT_TRUE(wide_of(sheet->find_cell(3, 0)) == u"\u4E2D\u6587");
  EXPECT_EQ("*Astra", narrow_of(sheet->find_cell(40, 5)));
  EXPECT_EQ(-2, sheet->find_cell(70, 255).integer_value());
  EXPECT_EQ(kCellUndefined, sheet->find_cell(1, 0).type());
  EXPECT_EQ("second", narrow_of(read.find_worksheet("Sheet2")->find_cell(1, 1)));
  // One string table entry per distinct text, counting every use.
  EXPECT_EQ(3u, read.globals().sst.strings.size());
  EXPECT_EQ(4u, read.globals().sst.total_count);
}

TEST(XlsWorkbook, CellValuesFollowTheirRecords)
{
  XlsWorkbook workbook;
  std::vector<uint8_t> formula_number = concat({le16(1), le16(0), le16(15)});
  put_f64(formula_number, 42.5);
  formula_number = concat({formula_number, le16(0), le32(0), le16(0)});
  std::vector<uint8_t> formula_text = concat({le16(1), le16(1), le16(15), {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, le16(0),
                                              le32(0), le16(0)});
  std::vector<uint8_t> formula_bool = concat({le16(1), le16(2), le16(15), {1, 0, 1, 0, 0, 0, 0xFF, 0xFF}, le16(0),
                                              le32(0), le16(0)});
  std::vector<uint8_t> formula_error = concat({le16(1), le16(3), le16(15), {2, 0, 7, 0, 0, 0, 0xFF, 0xFF}, le16(0),
                                               le32(0), le16(0)});
  load_sheet(workbook, {"", "text"}, [&](StreamBuilder& stream) {
    stream.number(0, 0, 3.75).number(0, 1, -3.75).rk(0, 2, (5u << 2) | 2).rk(0, 3, (1234u << 2) | 3);
    stream.record(kCodeFormula, formula_number).record(kCodeFormula, formula_text);
    stream.record(kCodeString, concat({le16(2), {0}, {'o', 'k'}}));
    stream.record(kCodeFormula, formula_bool).record(kCodeFormula, formula_error);
    stream.label_sst(2, 0, 0).label_sst(2, 1, 1);
    stream.record(kCodeBoolErr, concat({le16(2), le16(2), le16(15), {1, 0}}));
    stream.record(kCodeBoolErr, concat({le16(2), le16(3), le16(15), {7, 1}}));
    // 1.5 as an RK double, and 150 scaled by 0.01.
    stream.record(kCodeMulRk, concat({le16(3), le16(0), le16(15), le32(0x3FF80000), le16(15), le32(0x3FF80001),
                                      le16(15), le32((150u << 2) | 3), le16(2)}));
    stream.record(kCodeBlank, concat({le16(3), le16(3), le16(15)}));
  });
  const XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  struct Expect {
    unsigned row, column;
    int type, integer;
  };
  const Expect expected[] = {
    {0, 0, kCellFloat, 3}, {0, 1, kCellFloat, -3}, {0, 2, kCellInteger, 5}, {0, 3, kCellInteger, 12},
    // Formulas read as undefined whatever their cached results: number, text, boolean, error.
    {1, 0, kCellUndefined, 0}, {1, 1, kCellUndefined, 0}, {1, 2, kCellUndefined, 0}, {1, 3, kCellUndefined, 0},
    {2, 0, kCellUndefined, 0}, {2, 1, kCellNarrowText, 0}, {2, 2, kCellInteger, 1}, {2, 3, kCellUndefined, 0},
    {3, 0, kCellFloat, 1}, {3, 1, kCellFloat, 0}, {3, 2, kCellInteger, 1}, {3, 3, kCellUndefined, 0},
  };
  for (const Expect& cell : expected) {
    EXPECT_EQ(cell.type, sheet->find_cell(cell.row, cell.column).type()) << cell.row << "," << cell.column;
    EXPECT_EQ(cell.integer, sheet->find_cell(cell.row, cell.column).integer_value()) << cell.row << "," << cell.column;
  }
  EXPECT_EQ(nullptr, sheet->find_cell(1, 1).narrow_text());
  EXPECT_EQ("text", narrow_of(sheet->find_cell(2, 1)));
  EXPECT_EQ(4, sheet->find_cell(2, 1).text_length());
  EXPECT_EQ(-1, sheet->find_cell(0, 0).text_length());
  EXPECT_DOUBLE_EQ(0.015, sheet->find_cell(3, 1).float_value());
}

TEST(XlsWorkbook, CellsReadOnDemandAgreeWithCellsPlacedAtOnce)
{
  // Rows whose records follow each other are read only when asked for; a
  // row met again after another, and a record with a CONTINUE piece, are
  // placed while loading. Either way the later record of a place wins.
  std::vector<uint8_t> split_number = concat({le16(3), le16(0), le16(15)});
  std::vector<uint8_t> split_value;
  put_f64(split_value, 2.25);
  XlsWorkbook workbook;
  load_sheet(workbook, {"text", "later"}, [&](StreamBuilder& stream) {
    stream.number(0, 0, 1).rk(0, 1, (4u << 2) | 2).label_sst(0, 2, 0);
    stream.number(1, 0, 5);
    stream.number(0, 0, 7);
    stream.record(kCodeMulRk, concat({le16(2), le16(0), le16(15), le32((10u << 2) | 2), le16(15),
                                      le32((11u << 2) | 2), le16(15), le32((12u << 2) | 2), le16(2)}));
    stream.number(2, 1, 9).label_sst(2, 4, 1);
    stream.record(kCodeNumber, split_number).record(kCodeContinue, split_value);
    stream.number(3, 1, 6);
  });
  XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  EXPECT_EQ(4u, sheet->row_count());
  EXPECT_EQ(5u, sheet->column_count());
  struct Expect {
    unsigned row, column;
    int type, integer;
  };
  const Expect expected[] = {
    {0, 0, kCellFloat, 7},   {0, 1, kCellInteger, 4}, {0, 2, kCellNarrowText, 0}, {0, 3, kCellUndefined, 0},
    {1, 0, kCellFloat, 5},   {1, 1, kCellUndefined, 0}, {2, 0, kCellInteger, 10},  {2, 1, kCellFloat, 9},
    {2, 2, kCellInteger, 12}, {2, 3, kCellUndefined, 0}, {2, 4, kCellNarrowText, 0}, {3, 0, kCellFloat, 2},
    {3, 1, kCellFloat, 6},
  };
  auto check = [&](const char* when) {
    for (const Expect& cell : expected) {
      XlsCell found = sheet->find_cell(cell.row, cell.column);
      EXPECT_EQ(cell.type, found.type()) << when << " " << cell.row << "," << cell.column;
      EXPECT_EQ(cell.integer, found.integer_value()) << when << " " << cell.row << "," << cell.column;
    }
    EXPECT_EQ("text", narrow_of(sheet->find_cell(0, 2))) << when;
    EXPECT_EQ("later", narrow_of(sheet->find_cell(2, 4))) << when;
    EXPECT_DOUBLE_EQ(2.25, sheet->find_cell(3, 0).float_value()) << when;
  };
  // Read out of row order, so that each row is read again.
  for (unsigned row : {2u, 0u, 2u, 1u})
    EXPECT_NE(kCellUndefined, sheet->find_cell(row, 0).type());
  check("read on demand");

  // Changing one cell of a row makes the whole row the sheet's own.
  sheet->cell(2, 3)->set_integer(-1);
  EXPECT_EQ(-1, sheet->find_cell(2, 3).integer_value());
  EXPECT_EQ(5u, sheet->placed_rows()[2].size());
  sheet->cell(2, 3)->set_integer(0);
  sheet->cell(2, 3)->set_narrow_text("");
  check("after a change");

  const XlsSheet::Rows& rows = sheet->placed_rows();
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(3u, rows[0].size());
  EXPECT_EQ(1u, rows[1].size());
  EXPECT_EQ(7, rows[0][0].integer_value());
  EXPECT_EQ("later", narrow_of(rows[2][4]));
  check("placed");

  // A load that fails keeps the loaded file open under the sheets.
  EXPECT_FALSE(workbook.load_bytes(std::vector<uint8_t>(2048, 0)));
  XlsWorkbook saved_and_read;
  ASSERT_TRUE(saved_and_read.load_bytes(workbook.save_bytes())) << saved_and_read.error();
  sheet = saved_and_read.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  check("saved and read again");
}

TEST(XlsWorkbook, HugeDimensionsTakeNoMemoryUpFront)
{
  XlsWorkbook workbook;
  load_sheet(workbook, {}, [](StreamBuilder& stream) { stream.number(0, 0, 1); }, 0xFFFFFFFF, 0x7FFF);
  const XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  EXPECT_EQ(65536u, sheet->row_count());
  EXPECT_EQ(256u, sheet->column_count());
  EXPECT_EQ(1u, sheet->placed_rows().size());
  EXPECT_EQ(kCellUndefined, sheet->find_cell(65535, 255).type());

  XlsWorkbook negative;
  load_sheet(negative, {}, [](StreamBuilder&) {}, 3, 0xFFFF);
  EXPECT_EQ(0u, negative.find_worksheet("Sheet1")->column_count());
}

TEST(XlsWorkbook, CellsBeyondTheDimensionsGrowTheSheet)
{
  XlsWorkbook workbook;
  load_sheet(workbook, {}, [](StreamBuilder& stream) { stream.number(9, 6, 2); }, 2, 2);
  const XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  EXPECT_EQ(10u, sheet->row_count());
  EXPECT_EQ(7u, sheet->column_count());
  EXPECT_EQ(2, sheet->find_cell(9, 6).integer_value());
}

TEST(XlsWorkbook, TextIndexPastTheStringTableIsRefusedAndLeavesTheWorkbook)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  StreamBuilder stream = globals_stream({"Data"}, {"only"});
  stream.bof(0x10).dimensions(1, 1).row(0).label_sst(0, 0, 1).dbcell().eof();
  EXPECT_FALSE(workbook.load_bytes(compound_file_with_workbook(stream.bytes())));
  EXPECT_NE(std::string::npos, workbook.error().find("string table"));
  EXPECT_NE(nullptr, workbook.find_worksheet("Sheet1"));
  EXPECT_EQ(nullptr, workbook.find_worksheet("Data"));
}

TEST(XlsWorkbook, SecondGlobalsSubstreamIsRefusedAndLeavesTheWorkbook)
{
  // The first sheet's text cell shows a string of the first globals' table;
  // the second globals substream would put another table in its place.
  StreamBuilder stream = globals_stream({"First", "Second"}, {"kept"});
  stream.bof(0x10).dimensions(1, 1).row(0).label_sst(0, 0, 0).dbcell().eof();
  const StreamBuilder second = globals_stream({"Other"}, {"replaced", "strings"});
  std::vector<uint8_t> bytes = stream.bytes();
  bytes.insert(bytes.end(), second.bytes().begin(), second.bytes().end());
  StreamBuilder after;
  after.bof(0x10).dimensions(1, 1).row(0).label_sst(0, 0, 1).dbcell().eof();
  bytes.insert(bytes.end(), after.bytes().begin(), after.bytes().end());

  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  EXPECT_FALSE(workbook.load_bytes(compound_file_with_workbook(bytes)));
  EXPECT_NE(std::string::npos, workbook.error().find("second globals substream")) << workbook.error();
  EXPECT_NE(nullptr, workbook.find_worksheet("Sheet1"));
  EXPECT_EQ(nullptr, workbook.find_worksheet("First"));
}

TEST(XlsWorkbook, FilesThatCannotBeLoadedLeaveTheWorkbookAsItWas)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  workbook.find_worksheet("Sheet1")->cell(0, 0)->set_integer(7);
  EXPECT_FALSE(workbook.load_file("no such file.xls"));
  EXPECT_FALSE(workbook.load_bytes(std::vector<uint8_t>(2048, 0)));
  std::vector<uint8_t> truncated = StreamBuilder().bof(0x05).bound_sheet("Other").bytes();
  EXPECT_FALSE(workbook.load_bytes(compound_file_with_workbook(truncated)));
  ASSERT_EQ(1, workbook.sheet_count());
  EXPECT_EQ(7, workbook.find_worksheet("Sheet1")->find_cell(0, 0).integer_value());
}

TEST(XlsWorkbook, FileWithoutWorkbookStreamLoadsWithoutSheets)
{
  StorageWriter writer;
  writer.add_stream(u"Book", StreamBuilder().bof(0x05).eof().bytes());
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  EXPECT_TRUE(workbook.load_bytes(writer.build()));
  EXPECT_EQ(0, workbook.sheet_count());
  EXPECT_EQ(nullptr, workbook.find_worksheet("Sheet1"));
}

TEST(XlsWorkbook, NewWorkbooksAndAddedSheetsAreNamedInOrder)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(3);
  ASSERT_EQ(3, workbook.sheet_count());
  EXPECT_EQ(workbook.sheet(0), workbook.find_worksheet("Sheet1"));
  EXPECT_EQ(workbook.sheet(1), workbook.find_worksheet("Sheet2"));
  EXPECT_EQ(workbook.sheet(2), workbook.find_worksheet("Sheet3"));
  EXPECT_EQ(4u, workbook.globals().fonts.size());
  EXPECT_EQ(21u, workbook.globals().xfs.size());
  EXPECT_EQ(6u, workbook.globals().styles.size());
  EXPECT_EQ(kWindow2Selected, workbook.worksheets()[0].window2.flags & kWindow2Selected);
  EXPECT_EQ(0, workbook.worksheets()[1].window2.flags & kWindow2Selected);

  EXPECT_EQ(nullptr, workbook.add_worksheet("Sheet2", -1));
  XlsSheet* inserted = workbook.add_worksheet("Sheet5", 0);
  ASSERT_NE(nullptr, inserted);
  EXPECT_EQ(0, inserted->index());
  EXPECT_EQ(&workbook, inserted->workbook());
  EXPECT_EQ(3, workbook.find_worksheet("Sheet3")->index());
  // Sheet5 is taken: the next number is tried.
  XlsSheet* numbered = workbook.add_numbered_worksheet(-1);
  ASSERT_NE(nullptr, numbered);
  EXPECT_EQ(numbered, workbook.find_worksheet("Sheet6"));
  EXPECT_EQ(nullptr, workbook.add_worksheet("Far", 40));
  EXPECT_EQ(nullptr, workbook.add_worksheet(std::string(256, 'x'), -1));
}

TEST(XlsSheet, CellGrowsTheSheetAndStopsAtTheFormatLimits)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  sheet->cell(9, 0);
  EXPECT_EQ(10u, sheet->row_count());
  XlsCell* distant = sheet->cell(100, 2);
  ASSERT_NE(nullptr, distant);
  EXPECT_EQ(kCellUndefined, distant->type());
  EXPECT_EQ(101u, sheet->row_count());
  EXPECT_EQ(3u, sheet->column_count());
  EXPECT_EQ(nullptr, sheet->cell(65536, 0));
  EXPECT_EQ(nullptr, sheet->cell(0, 256));
  EXPECT_EQ(kCellUndefined, sheet->find_cell(5000, 5).type());
  EXPECT_EQ(101u, sheet->row_count());
}

TEST(XlsCell, TextsAndNumbersReplaceEachOther)
{
  XlsCell cell;
  cell.set_narrow_text("abc");
  EXPECT_EQ(kCellNarrowText, cell.type());
  EXPECT_EQ(nullptr, cell.wide_text());
  cell.set_wide_text(u"xy");
  EXPECT_EQ(kCellWideText, cell.type());
  EXPECT_EQ(nullptr, cell.narrow_text());
  EXPECT_EQ(2, cell.text_length());
  cell.set_narrow_text("");
  EXPECT_EQ(kCellUndefined, cell.type());
  EXPECT_EQ(-1, cell.text_length());
  cell.set_float(1e300);
  EXPECT_EQ(INT_MAX, cell.integer_value());
  cell.set_float(-1e300);
  EXPECT_EQ(INT_MIN, cell.integer_value());
}

TEST(XlsCell, ACopyOwnsItsTextAndAMoveLeavesTheSourceUndefined)
{
  XlsCell original;
  original.set_narrow_text("first");
  XlsCell copy = original;
  original.set_wide_text(u"second");
  EXPECT_EQ("first", narrow_of(copy));
  XlsCell moved = std::move(original);
  EXPECT_TRUE(wide_of(moved) == u"second");
  EXPECT_EQ(kCellUndefined, original.type());
  copy = moved;
  EXPECT_TRUE(wide_of(copy) == u"second");
  copy.set_float(-2.5);
  EXPECT_EQ(-2, copy.integer_value());
  EXPECT_TRUE(wide_of(moved) == u"second");
}

TEST(XlsSheet, RowsTakeRoomByWhatIsPlacedInThemNotByOneWideRow)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  for (unsigned column = 0; column < 15; ++column)
    sheet->cell(0, column)->set_integer(int(column));
  sheet->cell(1, 0)->set_integer(1);
  sheet->cell(2, 255)->set_integer(2);
  for (unsigned row = 3; row < 1000; ++row)
    sheet->cell(row, 0)->set_integer(int(row));
  const XlsSheet::Rows& rows = sheet->placed_rows();
  // A new row is made as wide as the row before reached, so the row after
  // the wide one is wide and the rest are narrow again.
  EXPECT_EQ(15u, rows[1].size());
  EXPECT_EQ(256u, rows[2].size());
  EXPECT_EQ(256u, rows[3].size());
  EXPECT_EQ(1u, rows[4].size());
  EXPECT_EQ(1u, rows[999].size());
  EXPECT_EQ(256u, sheet->column_count());
  EXPECT_EQ(999, sheet->find_cell(999, 0).integer_value());
  EXPECT_EQ(kCellUndefined, sheet->find_cell(3, 255).type());
}

TEST(XlsWorkbook, FileOfAnIndependentWriterIsRead)
{
  XlsWorkbook workbook;
  ASSERT_TRUE(workbook.load_file(SEEDVAULTS_TEST_DATA "xlwt_fixture.xls")) << workbook.error();
  ASSERT_EQ(2, workbook.sheet_count());
  const XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  ASSERT_NE(nullptr, sheet);
  EXPECT_EQ(6u, sheet->row_count());
  EXPECT_EQ("Name", narrow_of(sheet->find_cell(0, 0)));
  EXPECT_EQ("*Astra 19.2E", narrow_of(sheet->find_cell(2, 0)));
  EXPECT_EQ(192, sheet->find_cell(2, 3).integer_value());
  EXPECT_EQ("Das Erste", narrow_of(sheet->find_cell(3, 0)));
  EXPECT_EQ(11836, sheet->find_cell(3, 7).integer_value());
  EXPECT_EQ(27500, sheet->find_cell(3, 8).integer_value());
  EXPECT_EQ("H", narrow_of(sheet->find_cell(3, 9)));
  EXPECT_TRUE(wide_of(sheet->find_cell(4, 0)) == u"\u4E2D\u6587\u53F0");
  // The writer stores 3.75 as the RK integer 375 scaled by 0.01, which reads as the integer 3.
  EXPECT_EQ(3, sheet->find_cell(4, 2).integer_value());
  EXPECT_EQ(-3, sheet->find_cell(4, 3).integer_value());
  EXPECT_EQ(123456789, sheet->find_cell(4, 4).integer_value());
  EXPECT_EQ(1, sheet->find_cell(4, 5).integer_value());
  EXPECT_EQ("second sheet", narrow_of(workbook.find_worksheet("Other")->find_cell(1, 1)));
}

TEST(XlsWorkbook, StreamsJustBelowAndAtTheMiniStreamCutoffAreRead)
{
  // Written by another program, padded to these sizes: 4095 bytes lie in the
  // mini stream, 4096 in sectors of their own.
  for (uint32_t size : {4095u, 4096u}) {
    SCOPED_TRACE(size);
    const std::string path = SEEDVAULTS_TEST_DATA "libreoffice_stream_" + std::to_string(size) + ".xls";
    StorageFile storage;
    ASSERT_TRUE(storage.open(path)) << storage.error();
    StreamBytes stream;
    ASSERT_EQ(kStorageDone, storage.view_stream(u"Workbook", stream));
    EXPECT_EQ(size, stream.size);

    XlsWorkbook workbook;
    ASSERT_TRUE(workbook.load_file(path)) << workbook.error();
    const XlsSheet* sheet = workbook.find_worksheet("Sized");
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ("Stream size", narrow_of(sheet->find_cell(0, 0)));
    EXPECT_EQ(int(size), sheet->find_cell(0, 1).integer_value());
    const std::string padding = narrow_of(sheet->find_cell(1, 0));
    EXPECT_GT(padding.size(), 2000u);
    EXPECT_EQ(std::string::npos, padding.find_first_not_of('p'));
  }
}

TEST(XlsWorkbook, FileHeldOpenForWritingOrReadOnlyIsStillRead)
{
  TemporaryFile file("held_open.xls");
  XlsWorkbook written;
  written.reset_to_new(1);
  written.find_worksheet("Sheet1")->cell(0, 0)->set_integer(31);
  file.write(written.save_bytes());

  HANDLE holder = CreateFileA(file.path().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, holder);
  XlsWorkbook read;
  EXPECT_TRUE(read.load_file(file.path())) << read.error();
  CloseHandle(holder);
  EXPECT_EQ(31, read.find_worksheet("Sheet1")->find_cell(0, 0).integer_value());

  ASSERT_TRUE(SetFileAttributesA(file.path().c_str(), FILE_ATTRIBUTE_READONLY));
  XlsWorkbook read_only;
  EXPECT_TRUE(read_only.load_file(file.path())) << read_only.error();
  SetFileAttributesA(file.path().c_str(), FILE_ATTRIBUTE_NORMAL);
}
