#pragma once
#include <string>

// The A1 form of a cell: columns 1 to 702 ("A" to "ZZ") and rows from 1.
// Empty when the column or row has no name.
std::string cell_name(unsigned column, unsigned row);
