#pragma once
#include <string>

// A folder of its own under the user's temporary folder, for the working
// files of one job (the unpacked script, lzma.exe's files); it goes with
// everything in it when the object does.
class TempFolder {
public:
  TempFolder() = default;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { remove(); }

  // Makes the folder under a unique name; false when none can be made.
  bool create();
  void remove();

  // The folder, without a trailing backslash; empty before create.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
  std::string path_;
};
