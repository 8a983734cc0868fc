#pragma once
#include <cstdint>
#include <string>

// Reads a cell name in the A1 form ("B7", "$AA$12", lower case too) into a
// 1-based row and column. False for anything else, and for a cell outside
// the largest sheet of the file format.
bool parse_cell_name(const std::u16string& name, uint32_t& row, uint32_t& column);
