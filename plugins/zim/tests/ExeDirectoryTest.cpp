#include "ExeDirectory.h"
#include <windows.h>
#include <gtest/gtest.h>

namespace {

TEST(ExeDirectoryTest, IsTheFolderOfTheRunningProgramWithItsBackslash)
{
  std::string directory = get_exe_directory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ('\\', directory.back());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((directory + "zim_core_tests.exe").c_str()));
}

}  // namespace
