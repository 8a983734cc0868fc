#include "TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

bool exists(const std::string& path)
{
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(TempFolder, TwoFoldersDifferAndGoWithTheirHiddenFiles)
{
  std::string first_path;
  {
    TempFolder first;
    TempFolder second;
    ASSERT_TRUE(first.create());
    ASSERT_TRUE(second.create());
    EXPECT_NE(first.path(), second.path());
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    EXPECT_EQ(0u, first.path().find(temp)) << "under the user's temporary folder";

    std::ofstream(first.file("script.cfg")) << "CFGHEADER=toolcfg\n";
    SetFileAttributesA(first.file("script.cfg").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::ofstream(first.file("npreset")) << "x";
    first_path = first.path();
    EXPECT_TRUE(exists(first.file("script.cfg")));
  }
  EXPECT_FALSE(exists(first_path));
}
