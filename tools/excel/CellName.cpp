#include "CellName.h"
#include "XlsSheet.h"

namespace {

bool is_letter(char16_t unit)
{
  return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z');
}

bool is_digit(char16_t unit)
{
  return unit >= u'0' && unit <= u'9';
}

uint32_t letter_value(char16_t unit)
{
  return uint32_t(unit >= u'a' ? unit - u'a' : unit - u'A') + 1;
}

}

bool parse_cell_name(const std::u16string& name, uint32_t& row, uint32_t& column)
{
  std::size_t at = 0;
  if (at < name.size() && name[at] == u'$')
    ++at;
  uint64_t letters = 0;
  std::size_t first_letter = at;
  for (; at < name.size() && is_letter(name[at]); ++at) {
    letters = letters * 26 + letter_value(name[at]);
    if (letters > kMaxSheetColumns)
      return false;
  }
  if (at == first_letter)
    return false;
  if (at < name.size() && name[at] == u'$')
    ++at;
  uint64_t number = 0;
  std::size_t first_digit = at;
  for (; at < name.size() && is_digit(name[at]); ++at) {
    number = number * 10 + uint32_t(name[at] - u'0');
    if (number > kMaxSheetRows)
      return false;
  }
  if (at == first_digit || at != name.size() || number == 0)
    return false;
  row = uint32_t(number);
  column = uint32_t(letters);
  return true;
}
