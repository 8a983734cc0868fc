#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The settings file every plug-in shares (".\korvo.ini": the leading dot makes
// the profile functions use the working directory, not the Windows folder).
constexpr char kSettingsFile[] = ".\\korvo.ini";

// The default of a read that tells a missing key from an empty one.
constexpr char kNoneValueMarker[] = "!*&*none-value*&!*";

// A thin layer over the platform's private-profile functions. Every operation
// passes the path to them as it is.
class IniFile {
public:
  // A single value holds at most this many bytes, its terminator included.
  static constexpr DWORD kValueSize = 260;
  static constexpr DWORD kSectionNamesSize = 2048;
  static constexpr DWORD kSectionSize = 6000;

  IniFile();
  ~IniFile();

  // Takes the path only when the file exists; otherwise keeps the old one.
  bool set_path_if_exists(const std::string& path);
  std::string get_path() const;

  // The key's text (at most 259 characters); "" when it is missing.
  std::string read_key(const std::string& section, const std::string& key) const;
  // Without the create flag a missing key is left alone and 1 is returned.
  // Otherwise 0 when written, or the platform's error code.
  DWORD write_key(const std::string& section, const std::string& key, const std::string& value, bool create);
  DWORD delete_section(const std::string& section);
  DWORD delete_key(const std::string& section, const std::string& key);
  // Fills the list and returns its size. An empty or missing file yields one
  // empty name.
  int get_section_names(std::vector<std::string>& names) const;
  // Splits each line of the section at its first "="; a line without one
  // gives an empty key. Returns the number of lines.
  int get_section(std::vector<std::string>& keys, std::vector<std::string>& values, const std::string& section) const;
  // Stops at the first section that cannot be deleted and returns its error.
  DWORD delete_all_sections();

private:
  std::string read_with_default(const std::string& section, const std::string& key, const char* fallback) const;

  std::string path_;
};
