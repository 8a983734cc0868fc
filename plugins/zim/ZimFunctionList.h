#pragma once
#include <string>

// The groups of the upgrade dialog that the settings file shows.
constexpr char kZimSection[] = "ZIM";
constexpr char kFunctionListKey[] = "Function_list";
// The list when there is no settings file.
constexpr char kDefaultFunctionList[] = "dump_flash,zim_all,zim_block,";
// Longer lists are cut to this many characters.
constexpr std::size_t kFunctionListLimit = 49;

struct ZimFunctionList {
  bool dump = false;
  bool whole = false;
  bool block = false;
};

// Words separated by commas, in any case, spaces ignored.
ZimFunctionList parse_function_list(const std::string& list);
