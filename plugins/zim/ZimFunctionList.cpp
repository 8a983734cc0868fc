#include "ZimFunctionList.h"
#include <algorithm>
#include <cctype>
#include <sstream>

ZimFunctionList parse_function_list(const std::string& list)
{
  std::string words;
  for (char c : list.substr(0, kFunctionListLimit)) {
    if (c != ' ') {
      words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  ZimFunctionList groups;
  std::istringstream stream(words);
  std::string word;
  while (std::getline(stream, word, ',')) {
    if (word == "dump_flash") {
      groups.dump = true;
    } else if (word == "zim_all") {
      groups.whole = true;
    } else if (word == "zim_block") {
      groups.block = true;
    }
  }
  return groups;
}
