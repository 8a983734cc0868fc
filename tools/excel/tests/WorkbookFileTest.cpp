#include "StorageWriter.h"
#include "WorkbookFile.h"
#include "WorkbookStreamWriter.h"
#include "XlsWorkbook.h"
#include <gtest/gtest.h>

namespace {

std::u16string text_value(const SheetModel& sheet, uint32_t row, uint32_t column)
{
  const std::u16string* text = std::get_if<std::u16string>(&sheet.value(row, column));
  return text ? *text : u"(not a text)";
}

double number_value(const SheetModel& sheet, uint32_t row, uint32_t column)
{
  const double* number = std::get_if<double>(&sheet.value(row, column));
  return number ? *number : -999.0;
}

// A one-sheet workbook file whose row 1 holds exactly the given cell records.
std::vector<uint8_t> file_with_records(const std::vector<CellRecord>& cells)
{
  XlsWorkbook workbook;
  workbook.reset_to_new(1);
  WorkbookGlobals globals = workbook.globals();
  std::vector<WorksheetStream> worksheets = workbook.worksheets();
  RowBlock block;
  RowRecord row;
  row.last_column_plus_one = 8;
  block.rows.push_back(row);
  block.cells = cells;
  worksheets[0].row_blocks.push_back(block);
  worksheets[0].dimensions.last_row_plus_one = 1;
  worksheets[0].dimensions.last_column_plus_one = 8;
  // With no sheets to lay out again, the writer keeps the records as given.
  StorageWriter storage;
  storage.add_stream(u"Workbook", WorkbookStreamWriter(globals, worksheets, {}).write());
  return storage.build();
}

}

TEST(WorkbookFile, WrittenWorkbookReadsBackSheetForSheetAndCellForCell)
{
  WorkbookModel written = WorkbookModel::make_new();
  std::shared_ptr<SheetModel> program = written.add_sheet();
  std::string reason;
  ASSERT_TRUE(written.rename_sheet(*program, u"Program", reason));
  ASSERT_TRUE(written.rename_sheet(*written.sheet(2), u"\u041a\u043b\u044e\u0447", reason));
  const std::u16string long_text(9000, u'\u4e2d');
  program->set_value(1, 1, std::u16string(u"*Astra 19.2E"));
  program->set_value(1, 3, 2.5);
  program->set_value(2, 2, -3.0);
  program->set_value(3, 1, 4294967296.0);
  program->set_value(3, 2, 1e300);
  program->set_value(4, 1, long_text);
  program->set_value(65536, 256, std::u16string(u"Caf\u00e9"));
  written.sheet(3)->set_value(2, 2, std::u16string(u"last sheet"));
  written.set_active_sheet(2);

  WorkbookModel read;
  ASSERT_TRUE(WorkbookFile::read(WorkbookFile::write(written), read, reason)) << reason;
  ASSERT_EQ(4, read.sheet_count());
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(written.sheet(i)->name(), read.sheet(i)->name());
  EXPECT_EQ(2, read.active_sheet());
  const SheetModel& sheet = *read.sheet(0);
  EXPECT_EQ(7u, sheet.cells().size());
  EXPECT_EQ(u"*Astra 19.2E", text_value(sheet, 1, 1));
  EXPECT_EQ(2.5, number_value(sheet, 1, 3));
  EXPECT_EQ(-3.0, number_value(sheet, 2, 2));
  EXPECT_EQ(4294967296.0, number_value(sheet, 3, 1));
  EXPECT_EQ(1e300, number_value(sheet, 3, 2));
  EXPECT_EQ(long_text, text_value(sheet, 4, 1));
  EXPECT_EQ(u"Caf\u00e9", text_value(sheet, 65536, 256));
  EXPECT_EQ(u"last sheet", text_value(*read.sheet(3), 2, 2));
  EXPECT_TRUE(read.sheet(1)->cells().empty());
}

TEST(WorkbookFile, NarrowTextsAndIntegersOfOtherWritersBecomeTextsAndNumbers)
{
  XlsWorkbook other;
  other.reset_to_new(1);
  other.sheet(0)->cell(0, 0)->set_narrow_text("Caf\xe9");
  other.sheet(0)->cell(1, 1)->set_integer(-7);
  WorkbookModel read;
  std::string reason;
  ASSERT_TRUE(WorkbookFile::read(other.save_bytes(), read, reason)) << reason;
  EXPECT_EQ(u"Sheet1", read.sheet(0)->name());
  EXPECT_EQ(u"Caf\u00e9", text_value(*read.sheet(0), 1, 1));
  EXPECT_EQ(-7.0, number_value(*read.sheet(0), 2, 2));
}

TEST(WorkbookFile, ScaledRkIntegersKeepTheirHundredths)
{
  RkRecord rk;
  rk.column = 0;
  rk.rk = (uint32_t(1234) << 2) | 0x3;
  MulRkRecord mulrk;
  mulrk.first_column = 1;
  mulrk.cells = {{15, (uint32_t(-250) << 2) | 0x3}, {15, (uint32_t(7) << 2) | 0x2}};
  mulrk.last_column = 2;
  WorkbookModel read;
  std::string reason;
  ASSERT_TRUE(WorkbookFile::read(file_with_records({rk, mulrk}), read, reason)) << reason;
  EXPECT_DOUBLE_EQ(12.34, number_value(*read.sheet(0), 1, 1));
  EXPECT_DOUBLE_EQ(-2.5, number_value(*read.sheet(0), 1, 2));
  EXPECT_EQ(7.0, number_value(*read.sheet(0), 1, 3));
}

TEST(WorkbookFile, FilesThatAreNoWorkbookAreRefusedAndChangeNothing)
{
  StorageWriter no_workbook_stream;
  no_workbook_stream.add_stream(u"Book", std::vector<uint8_t>(100, 1));
  const std::vector<uint8_t> refused[] = {
    std::vector<uint8_t>(),
    std::vector<uint8_t>(2048, 0x41),
    no_workbook_stream.build(),
  };
  for (const std::vector<uint8_t>& bytes : refused) {
    WorkbookModel workbook = WorkbookModel::make_new();
    workbook.sheet(0)->set_value(1, 1, 5.0);
    std::string reason;
    EXPECT_FALSE(WorkbookFile::read(bytes, workbook, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(3, workbook.sheet_count());
    EXPECT_EQ(CellValue(5.0), workbook.sheet(0)->value(1, 1));
  }
}
