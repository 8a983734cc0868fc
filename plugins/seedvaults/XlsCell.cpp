#include "XlsCell.h"
#include <climits>
#include <cmath>

XlsCell::XlsCell(const XlsCell& other)
{
  *this = other;
}

XlsCell::XlsCell(XlsCell&& other) noexcept
{
  *this = std::move(other);
}

XlsCell& XlsCell::operator=(const XlsCell& other)
{
  if (this == &other)
    return *this;
  clear();
  type_ = other.type_;
  std::memcpy(value_, other.value_, sizeof value_);
  if (other.owns_text_) {
    store<const BiffText*>(new BiffText(*other.text()));
    owns_text_ = true;
  }
  return *this;
}

XlsCell& XlsCell::operator=(XlsCell&& other) noexcept
{
  if (this == &other)
    return *this;
  clear();
  type_ = other.type_;
  std::memcpy(value_, other.value_, sizeof value_);
  owns_text_ = other.owns_text_;
  other.owns_text_ = false;
  other.clear();
  return *this;
}

int XlsCell::integer_value() const
{
  if (type_ == kCellInteger)
    return value<int32_t>();
  if (type_ != kCellFloat || std::isnan(number()))
    return 0;
  double truncated = std::trunc(number());
  if (truncated >= double(INT_MAX))
    return INT_MAX;
  if (truncated <= double(INT_MIN))
    return INT_MIN;
  return int(truncated);
}

int XlsCell::text_length() const
{
  return has_text() ? int(text()->length()) : -1;
}

void XlsCell::release_text()
{
  delete text();
  owns_text_ = false;
}

void XlsCell::set_narrow_text(const std::string& text)
{
  clear();
  if (text.empty())
    return;
  store<const BiffText*>(new BiffText(::narrow_text(text)));
  owns_text_ = true;
  type_ = kCellNarrowText;
}

void XlsCell::set_wide_text(const std::u16string& text)
{
  clear();
  if (text.empty())
    return;
  store<const BiffText*>(new BiffText(::wide_text(text)));
  owns_text_ = true;
  type_ = kCellWideText;
}

void XlsCell::show_shared_text(const BiffText& text)
{
  clear();
  if (text.length() == 0)
    return;
  store(&text);
  type_ = text.wide ? kCellWideText : kCellNarrowText;
}
