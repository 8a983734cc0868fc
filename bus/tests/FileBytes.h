#pragma once
#include <fstream>
#include <iterator>
#include <string>

// The file's bytes as they are stored (no line-end conversion); empty when
// the file is missing.
inline std::string read_file_bytes(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void write_file_bytes(const std::string& path, const std::string& bytes)
{
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
