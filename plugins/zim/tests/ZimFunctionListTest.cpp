#include "ZimFunctionList.h"
#include <gtest/gtest.h>

namespace {

struct ListCase {
  const char* list;
  bool dump;
  bool whole;
  bool block;
};

class ZimFunctionListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ZimFunctionListTest, ShowsTheListedGroups)
{
  ZimFunctionList groups = parse_function_list(GetParam().list);
  EXPECT_EQ(GetParam().dump, groups.dump);
  EXPECT_EQ(GetParam().whole, groups.whole);
  EXPECT_EQ(GetParam().block, groups.block);
}

INSTANTIATE_TEST_SUITE_P(Lists, ZimFunctionListTest,
                         ::testing::Values(ListCase{kDefaultFunctionList, true, true, true},
                                           ListCase{"dump_flash", true, false, false},
                                           ListCase{"", false, false, false},
                                           ListCase{" ZIM_All , Zim_Block", false, true, true},
                                           ListCase{"zim all,dumpflash", false, false, false},
                                           ListCase{"zim_alll,zim_bloc", false, false, false},
                                           // Past 49 characters nothing counts.
                                           ListCase{"zim_all,zim_all,zim_all,zim_all,zim_all,zim_all,zim_block", false, true, false}));

}  // namespace
