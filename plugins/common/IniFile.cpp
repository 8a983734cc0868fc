#include "IniFile.h"
#include <cstring>

namespace {

// The items of a list the profile functions return: zero-terminated texts
// that end where two zero bytes follow each other. An item starting at that
// place is an empty one, so an empty list still yields one empty item. Each
// item is taken whole, however long it is.
std::vector<std::string> split_item_list(const std::vector<char>& buffer)
{
  std::size_t end = 0;
  while (end + 1 < buffer.size() && !(buffer[end] == '\0' && buffer[end + 1] == '\0')) {
    ++end;
  }
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= end && start < buffer.size()) {
    const char* item = buffer.data() + start;
    std::size_t length = strnlen(item, buffer.size() - start);
    items.emplace_back(item, length);
    start += length + 1;
  }
  return items;
}

DWORD result_of(BOOL written)
{
  return written ? 0 : GetLastError();
}

}  // namespace

IniFile::IniFile() = default;

IniFile::~IniFile() = default;

bool IniFile::set_path_if_exists(const std::string& path)
{
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  path_ = path;
  return true;
}

std::string IniFile::get_path() const
{
  return path_;
}

std::string IniFile::read_key(const std::string& section, const std::string& key) const
{
  return read_with_default(section, key, "");
}

DWORD IniFile::write_key(const std::string& section, const std::string& key, const std::string& value, bool create)
{
  if (!create && read_with_default(section, key, kNoneValueMarker) == kNoneValueMarker) {
    return 1;
  }
  return result_of(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()));
}

DWORD IniFile::delete_section(const std::string& section)
{
  return result_of(WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path_.c_str()));
}

DWORD IniFile::delete_key(const std::string& section, const std::string& key)
{
  return result_of(WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path_.c_str()));
}

int IniFile::get_section_names(std::vector<std::string>& names) const
{
  std::vector<char> buffer(kSectionNamesSize, '\0');
  GetPrivateProfileSectionNamesA(buffer.data(), kSectionNamesSize, path_.c_str());
  names = split_item_list(buffer);
  return static_cast<int>(names.size());
}

int IniFile::get_section(std::vector<std::string>& keys, std::vector<std::string>& values, const std::string& section) const
{
  std::vector<char> buffer(kSectionSize, '\0');
  GetPrivateProfileSectionA(section.c_str(), buffer.data(), kSectionSize, path_.c_str());
  keys.clear();
  values.clear();
  for (const std::string& line : split_item_list(buffer)) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      keys.emplace_back();
      values.push_back(line);
    } else {
      keys.push_back(line.substr(0, equals));
      values.push_back(line.substr(equals + 1));
    }
  }
  return static_cast<int>(keys.size());
}

DWORD IniFile::delete_all_sections()
{
  std::vector<std::string> names;
  get_section_names(names);
  for (const std::string& name : names) {
    DWORD error = delete_section(name);
    if (error != 0) {
      return error;
    }
  }
  return 0;
}

std::string IniFile::read_with_default(const std::string& section, const std::string& key, const char* fallback) const
{
  char value[kValueSize] = "";
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback, value, kValueSize, path_.c_str());
  return std::string(value, length);
}
