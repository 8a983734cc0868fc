#pragma once
#include <cstddef>

constexpr std::size_t kExeDirectoryCapacity = 260;

// Fills the buffer (at least kExeDirectoryCapacity characters) with the
// running program's directory, ending with a backslash.
void get_exe_directory(char* buffer);
