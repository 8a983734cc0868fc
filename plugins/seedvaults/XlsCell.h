#pragma once
#include <string>

// Cell types.
constexpr int kCellUndefined = 0;
constexpr int kCellInteger = 1;
constexpr int kCellFloat = 2;
constexpr int kCellNarrowText = 3;
constexpr int kCellWideText = 4;

// One cell of a sheet: an integer, a floating-point number, a narrow text
// (8-bit characters as the file holds them) or a wide text (UTF-16).
class XlsCell {
public:
  int type() const { return type_; }
  // The integer, or the floating-point value truncated toward zero (held to
  // the int range); 0 for every other type.
  int integer_value() const;
  double float_value() const { return type_ == kCellFloat ? float_value_ : 0.0; }
  // The text of a text cell of that width, or null.
  const char* narrow_text() const { return type_ == kCellNarrowText ? narrow_.c_str() : nullptr; }
  const char16_t* wide_text() const { return type_ == kCellWideText ? wide_.c_str() : nullptr; }
  // Bytes of a narrow text, units of a wide text, -1 without text.
  int text_length() const;

  // A non-empty text makes the cell a text cell; an empty one makes it undefined.
  void set_narrow_text(const std::string& text);
  void set_wide_text(const std::u16string& text);
  void set_integer(int value);
  void set_float(double value);

private:
  void clear();

  int type_ = kCellUndefined;
  int integer_value_ = 0;
  double float_value_ = 0.0;
  std::string narrow_;
  std::u16string wide_;
};
