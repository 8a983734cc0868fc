#pragma once
#include <filesystem>
#include <random>
#include <string>

// A fresh, empty directory that is the working directory for the object's
// lifetime; removed with its files afterwards.
class TemporaryDirectory {
public:
  TemporaryDirectory() : previous_(std::filesystem::current_path())
  {
    std::random_device random;
    std::filesystem::path unique;
    do {
      unique = std::filesystem::temp_directory_path() / ("kv" + std::to_string(random()));
    } while (!std::filesystem::create_directory(unique));
    path_ = unique.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    std::filesystem::current_path(unique);
  }

  ~TemporaryDirectory()
  {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    std::filesystem::remove_all(path_, error);
  }

  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  // With its trailing separator.
  const std::string& path() const { return path_; }

private:
  std::filesystem::path previous_;
  std::string path_;
};
