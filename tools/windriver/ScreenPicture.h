#pragma once

#include <string>

namespace windriver
{
// Saves the whole screen as a 24-bit .bmp.
bool save_screen(const std::string& path);
// The value of a --shot=<file> argument, or the fallback.
std::string shot_path(int argc, char** argv, const std::string& fallback);
} // namespace windriver
