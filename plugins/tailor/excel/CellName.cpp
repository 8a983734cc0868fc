#include "CellName.h"

namespace {

const unsigned kLettersInName = 26;
const unsigned kLastNamedColumn = kLettersInName * (kLettersInName + 1);

char letter(unsigned number)
{
  return char('A' + number - 1);
}

}

std::string cell_name(unsigned column, unsigned row)
{
  if (column == 0 || row == 0 || column > kLastNamedColumn)
    return std::string();
  std::string name;
  if (column > kLettersInName) {
    // A multiple of 26 ends in Z: 52 is AZ, not B followed by nothing.
    unsigned first = column % kLettersInName == 0 ? column / kLettersInName - 1 : column / kLettersInName;
    unsigned last = column % kLettersInName == 0 ? kLettersInName : column % kLettersInName;
    name += letter(first);
    name += letter(last);
  } else {
    name += letter(column);
  }
  return name + std::to_string(row);
}
