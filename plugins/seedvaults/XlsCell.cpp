#include "XlsCell.h"
#include <climits>
#include <cmath>

int XlsCell::integer_value() const
{
  if (type_ == kCellInteger)
    return integer_value_;
  if (type_ != kCellFloat || std::isnan(float_value_))
    return 0;
  double truncated = std::trunc(float_value_);
  if (truncated >= double(INT_MAX))
    return INT_MAX;
  if (truncated <= double(INT_MIN))
    return INT_MIN;
  return int(truncated);
}

int XlsCell::text_length() const
{
  if (type_ == kCellNarrowText)
    return int(narrow_.size());
  if (type_ == kCellWideText)
    return int(wide_.size());
  return -1;
}

void XlsCell::clear()
{
  type_ = kCellUndefined;
  integer_value_ = 0;
  float_value_ = 0.0;
  narrow_.clear();
  wide_.clear();
}

void XlsCell::set_narrow_text(const std::string& text)
{
  clear();
  if (text.empty())
    return;
  type_ = kCellNarrowText;
  narrow_ = text;
}

void XlsCell::set_wide_text(const std::u16string& text)
{
  clear();
  if (text.empty())
    return;
  type_ = kCellWideText;
  wide_ = text;
}

void XlsCell::set_integer(int value)
{
  clear();
  type_ = kCellInteger;
  integer_value_ = value;
}

void XlsCell::set_float(double value)
{
  clear();
  type_ = kCellFloat;
  float_value_ = value;
}
