#pragma once
#include <cstddef>
#include <string>

// The text in the system's ANSI code page, cut to the whole characters that
// fit in limit bytes.
std::string ansi_from_wide(const std::u16string& text, std::size_t limit);
