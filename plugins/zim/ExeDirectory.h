#pragma once
#include <string>

// The running program's directory, with its trailing backslash. zim is a
// library loaded by korvo, so this is korvo's directory.
std::string get_exe_directory();
