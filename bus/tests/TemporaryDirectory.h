#pragma once
#include <windows.h>
#include <string>

// A fresh, empty directory that is the working directory for the object's
// lifetime; removed with its files afterwards.
class TemporaryDirectory {
public:
  TemporaryDirectory()
  {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char unique[MAX_PATH];
    GetTempFileNameA(base, "kv", 0, unique);
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
    path_ += '\\';
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(path_.c_str());
  }

  ~TemporaryDirectory()
  {
    SetCurrentDirectoryA(previous_);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA((path_ + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
  }

  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  // With its trailing backslash.
  const std::string& path() const { return path_; }

private:
  std::string path_;
  char previous_[MAX_PATH];
};
