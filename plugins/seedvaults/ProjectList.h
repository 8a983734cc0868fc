#pragma once
#include <string>
#include <vector>

// The settings of the preset dialog in ".\korvo.ini".
constexpr const char* kSeedvaultsSection = "Seedvaults";
constexpr const char* kProjectListKey = "Select_project_list";
constexpr const char* kDefaultProjectList = "Pelkor,Vatri,Orbex,Dusko,Brix,Tolm,Nemic,";

// The project list from the setting's value: blanks removed; the default
// list when nothing is left.
std::string project_list_from_setting(const std::string& value);
// The list's names in order; consecutive commas give no empty names.
std::vector<std::string> split_project_list(const std::string& list);
// The project group of a name (case does not matter), or keep for a name
// of no group.
int project_group(const std::string& name, int keep);
