#include "ProjectList.h"
#include <algorithm>
#include <cctype>

namespace {

struct ProjectGroup {
  const char* name;
  int group;
};

constexpr ProjectGroup kProjectGroups[] = {
  {"Pelkor", 1}, {"Orbex", 1}, {"Nemic", 1}, {"Brix", 0}, {"Dusko", 0}, {"Vatri", 0}, {"Tolm", 2},
};

bool same_ignoring_case(const std::string& a, const char* b)
{
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == '\0';
}

}

std::string project_list_from_setting(const std::string& value)
{
  std::string list = value;
  list.erase(std::remove(list.begin(), list.end(), ' '), list.end());
  return list.empty() ? kDefaultProjectList : list;
}

std::vector<std::string> split_project_list(const std::string& list)
{
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string::npos)
      end = list.size();
    if (end > start)
      names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

int project_group(const std::string& name, int keep)
{
  for (const ProjectGroup& known : kProjectGroups)
    if (same_ignoring_case(name, known.name))
      return known.group;
  return keep;
}
