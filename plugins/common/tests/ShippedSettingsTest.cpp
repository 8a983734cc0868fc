#include "IniFile.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> words_of(const std::string& list)
{
  std::vector<std::string> words;
  std::istringstream in(list);
  for (std::string word; std::getline(in, word, ',');)
    if (!word.empty())
      words.push_back(word);
  return words;
}

}  // namespace

// The korvo.ini shipped beside korvo.exe turns on every plug-in function
// that a setting can hide: a first run shows all of them.
TEST(ShippedSettings, EveryPluginSectionShowsAllItsFunctions)
{
  IniFile ini;
  ASSERT_TRUE(ini.set_path_if_exists(KORVO_SHIPPED_SETTINGS)) << KORVO_SHIPPED_SETTINGS;
  std::vector<std::string> sections;
  ini.get_section_names(sections);
  for (const char* section : {"COM connection", "ZIM", "TAILOR", "Seedvaults"})
    EXPECT_NE(sections.end(), std::find(sections.begin(), sections.end(), section)) << section;

  EXPECT_EQ("1", ini.read_key("COM connection", "Highspeed_control_enable"));
  EXPECT_EQ("1", ini.read_key("TAILOR", "Internal_tool_control"));
  const std::string functions = ini.read_key("ZIM", "Function_list");
  EXPECT_LE(functions.size(), 49u);
  EXPECT_EQ((std::vector<std::string>{"dump_flash", "zim_all", "zim_block"}), words_of(functions));
  EXPECT_EQ((std::vector<std::string>{"Pelkor", "Vatri", "Orbex", "Dusko", "Brix", "Tolm", "Nemic"}),
            words_of(ini.read_key("Seedvaults", "Select_project_list")));
}
