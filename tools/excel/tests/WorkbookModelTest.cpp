#include "WorkbookModel.h"
#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> names_of(const WorkbookModel& workbook)
{
  std::vector<std::u16string> names;
  for (int i = 0; i < workbook.sheet_count(); ++i)
    names.push_back(workbook.sheet(i)->name());
  return names;
}

}

TEST(WorkbookModel, AddedSheetsGoBeforeTheActiveOneAndBecomeActive)
{
  WorkbookModel workbook = WorkbookModel::make_new();
  EXPECT_EQ((std::vector<std::u16string>{u"Sheet1", u"Sheet2", u"Sheet3"}), names_of(workbook));
  EXPECT_EQ(u"Sheet4", workbook.add_sheet()->name());
  EXPECT_EQ(u"Sheet4", workbook.sheet(workbook.active_sheet())->name());
  workbook.set_active_sheet(2);
  EXPECT_EQ(u"Sheet5", workbook.add_sheet()->name());
  EXPECT_EQ((std::vector<std::u16string>{u"Sheet4", u"Sheet1", u"Sheet5", u"Sheet2", u"Sheet3"}), names_of(workbook));
  EXPECT_EQ(2, workbook.active_sheet());
}

TEST(WorkbookModel, NumberedNamesSkipNamesTheUserTook)
{
  WorkbookModel workbook = WorkbookModel::make_new();
  std::string reason;
  ASSERT_TRUE(workbook.rename_sheet(*workbook.sheet(0), u"sheet4", reason));
  EXPECT_EQ(u"Sheet5", workbook.add_sheet()->name());
}

TEST(WorkbookModel, SheetsAreFoundByNameInAnyCase)
{
  WorkbookModel workbook = WorkbookModel::make_new();
  EXPECT_EQ(workbook.sheet(1), workbook.find_sheet(u"SHEET2"));
  EXPECT_EQ(workbook.sheet(0), workbook.find_sheet(u"sheet1"));
  EXPECT_EQ(nullptr, workbook.find_sheet(u"Sheet"));
}

TEST(WorkbookModel, RenamingKeepsNamesValidAndUnique)
{
  struct Case {
    std::u16string name;
    bool accepted;
  };
  const Case cases[] = {
    {u"IR_FP_Key", true},         {u"SHEET1", true},  {u"", false},        {std::u16string(31, u'x'), true},
    {std::u16string(32, u'x'), false}, {u"a:b", false}, {u"a\\b", false}, {u"a/b", false},
    {u"a?b", false},              {u"a*b", false},    {u"[a]", false},     {u"sheet2", false},
  };
  for (const Case& c : cases) {
    WorkbookModel workbook = WorkbookModel::make_new();
    std::string reason;
    EXPECT_EQ(c.accepted, workbook.rename_sheet(*workbook.sheet(0), c.name, reason)) << reason;
    EXPECT_EQ(c.accepted ? c.name : u"Sheet1", workbook.sheet(0)->name());
    EXPECT_EQ(c.accepted, reason.empty());
  }
}
