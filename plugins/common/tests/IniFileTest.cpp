#include "IniFile.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string file_text(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& text)
{
  std::ofstream(path, std::ios::binary) << text;
}

// Each test works on ".\korvo.ini" in a fresh working directory.
class IniFileTest : public ::testing::Test {
protected:
  void use(const std::string& text)
  {
    write_file(kSettingsFile, text);
    ASSERT_TRUE(ini.set_path_if_exists(kSettingsFile));
  }

  TemporaryDirectory directory;
  IniFile ini;
};

TEST_F(IniFileTest, PathIsTakenOnlyWhenTheFileExists)
{
  EXPECT_EQ("", ini.get_path());
  EXPECT_FALSE(ini.set_path_if_exists(kSettingsFile));
  EXPECT_EQ("", ini.get_path());

  use("");
  EXPECT_EQ(kSettingsFile, ini.get_path());
  EXPECT_FALSE(ini.set_path_if_exists(".\\missing.ini"));
  EXPECT_EQ(kSettingsFile, ini.get_path());
}

TEST_F(IniFileTest, WriteWithoutCreateFlagLeavesMissingKeysAlone)
{
  const std::string original = "[COM connection]\r\nOther=2\r\n";
  use(original);
  EXPECT_EQ(1u, ini.write_key("COM connection", "Highspeed_control_enable", "1", false));
  EXPECT_EQ(1u, ini.write_key("ZIM", "Function_list", "zim_all,", false));
  EXPECT_EQ(original, file_text(kSettingsFile));
}

TEST_F(IniFileTest, WriteWithCreateFlagAddsSectionAndKey)
{
  use("");
  EXPECT_EQ(0u, ini.write_key("COM connection", "Highspeed_control_enable", "1", true));
  EXPECT_EQ("1", ini.read_key("COM connection", "Highspeed_control_enable"));
  std::vector<std::string> names;
  EXPECT_EQ(1, ini.get_section_names(names));
  EXPECT_EQ(std::vector<std::string>{"COM connection"}, names);
}

TEST_F(IniFileTest, EmptyValueCountsAsPresent)
{
  use("[TAILOR]\r\nInternal_tool_control=\r\n");
  EXPECT_EQ("", ini.read_key("TAILOR", "Internal_tool_control"));
  EXPECT_EQ("", ini.read_key("TAILOR", "Missing"));
  EXPECT_EQ(0u, ini.write_key("TAILOR", "Internal_tool_control", "1", false));
  EXPECT_EQ("1", ini.read_key("TAILOR", "Internal_tool_control"));
}

TEST_F(IniFileTest, ValueIsCutToTheValueBuffer)
{
  use("");
  const std::string long_value(300, 'v');
  EXPECT_EQ(0u, ini.write_key("Seedvaults", "Select_project_list", long_value, true));
  EXPECT_EQ(long_value.substr(0, IniFile::kValueSize - 1), ini.read_key("Seedvaults", "Select_project_list"));
}

TEST_F(IniFileTest, EmptyOrMissingFileListsOneEmptySectionName)
{
  use("");
  std::vector<std::string> names{"left over"};
  EXPECT_EQ(1, ini.get_section_names(names));
  EXPECT_EQ(std::vector<std::string>{""}, names);

  ASSERT_TRUE(DeleteFileA(kSettingsFile));
  names = {"left over"};
  EXPECT_EQ(1, ini.get_section_names(names));
  EXPECT_EQ(std::vector<std::string>{""}, names);
}

TEST_F(IniFileTest, SectionLinesSplitAtTheFirstEqualsSign)
{
  const std::string long_line = std::string(200, 'k') + "=" + std::string(200, 'v');
  use("[ZIM]\r\nFunction_list=dump_flash,zim_all,\r\nformula=a=b\r\nbare line\r\n" + long_line + "\r\n[TAILOR]\r\nx=1\r\n");
  std::vector<std::string> keys{"stale"};
  std::vector<std::string> values{"stale"};
  ASSERT_EQ(4, ini.get_section(keys, values, "ZIM"));
  EXPECT_EQ((std::vector<std::string>{"Function_list", "formula", "", std::string(200, 'k')}), keys);
  EXPECT_EQ((std::vector<std::string>{"dump_flash,zim_all,", "a=b", "bare line", std::string(200, 'v')}), values);
}

TEST_F(IniFileTest, SectionNamesLongerThanAValueAreListedWhole)
{
  const std::string long_name(300, 's');
  use("[" + long_name + "]\r\nk=1\r\n[ZIM]\r\nk=2\r\n");
  std::vector<std::string> names;
  EXPECT_EQ(2, ini.get_section_names(names));
  EXPECT_EQ((std::vector<std::string>{long_name, "ZIM"}), names);
}

TEST_F(IniFileTest, DeletesKeysSectionsAndEverything)
{
  use("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[C]\r\nw=4\r\n");
  EXPECT_EQ(0u, ini.delete_key("A", "x"));
  EXPECT_EQ("", ini.read_key("A", "x"));
  EXPECT_EQ("2", ini.read_key("A", "y"));

  EXPECT_EQ(0u, ini.delete_section("B"));
  std::vector<std::string> names;
  ini.get_section_names(names);
  EXPECT_EQ((std::vector<std::string>{"A", "C"}), names);

  EXPECT_EQ(0u, ini.delete_all_sections());
  EXPECT_EQ(1, ini.get_section_names(names));
  EXPECT_EQ(std::vector<std::string>{""}, names);
}

}  // namespace
