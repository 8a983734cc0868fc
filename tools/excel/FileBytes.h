#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The full form of path, relative to the current directory.
std::wstring full_path(const std::wstring& path);
// False, with the system's reason, when the file cannot be read whole.
bool read_file_bytes(const std::wstring& path, std::vector<uint8_t>& bytes, std::wstring& reason);
// Replaces the file's content. An existing file is overwritten in place, so
// it keeps its attributes (a hidden file stays hidden and writable).
bool write_file_bytes(const std::wstring& path, const std::vector<uint8_t>& bytes, std::wstring& reason);
