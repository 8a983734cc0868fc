#pragma once
#include <cstddef>
#include <string>

constexpr std::size_t kExeDirectoryCapacity = 260;

// Fills the buffer (at least kExeDirectoryCapacity characters) with the
// running program's directory, ending with a backslash. A plug-in gets
// korvo's directory: the program is korvo.
void get_exe_directory(char* buffer);
std::string get_exe_directory();
