#pragma once
#include <string>

// Saves the whole screen as a 24-bit BMP file; false when it cannot.
bool save_screen(const std::string& path);
