#pragma once
#include "BiffString.h"
#include <cstdint>
#include <cstring>
#include <string>

// Cell types.
constexpr int kCellUndefined = 0;
constexpr int kCellInteger = 1;
constexpr int kCellFloat = 2;
constexpr int kCellNarrowText = 3;
constexpr int kCellWideText = 4;

// One cell of a sheet: an integer, a floating-point number, a narrow text
// (8-bit characters as the file holds them) or a wide text (UTF-16). Numbers
// are held in the cell; a text read from a file stays in the workbook's
// shared string table and the cell only points at it, so a sheet of a
// million cells holds no text of its own. A text set by the caller is owned
// by its cell.
class XlsCell {
public:
  XlsCell() = default;
  XlsCell(const XlsCell& other);
  XlsCell(XlsCell&& other) noexcept;
  XlsCell& operator=(const XlsCell& other);
  XlsCell& operator=(XlsCell&& other) noexcept;
  ~XlsCell() { clear(); }

  int type() const { return type_; }
  // The integer, or the floating-point value truncated toward zero (held to
  // the int range); 0 for every other type.
  int integer_value() const;
  double float_value() const { return type_ == kCellFloat ? number() : 0.0; }
  // The text of a text cell of that width, or null.
  const char* narrow_text() const { return type_ == kCellNarrowText ? text()->narrow.c_str() : nullptr; }
  const char16_t* wide_text() const { return type_ == kCellWideText ? text()->wide_text.c_str() : nullptr; }
  // Bytes of a narrow text, units of a wide text, -1 without text.
  int text_length() const;

  // A non-empty text makes the cell a text cell; an empty one makes it undefined.
  void set_narrow_text(const std::string& text);
  void set_wide_text(const std::u16string& text);
  void set_integer(int value)
  {
    clear();
    type_ = kCellInteger;
    store<int32_t>(value);
  }
  void set_float(double value)
  {
    clear();
    type_ = kCellFloat;
    store(value);
  }
  // Shows a text that outlives the cell (a string of the workbook's shared
  // string table) without copying it; an empty text makes the cell undefined.
  void show_shared_text(const BiffText& text);

private:
  void clear()
  {
    if (owns_text_)
      release_text();
    type_ = kCellUndefined;
    store<int32_t>(0);
  }
  void release_text();
  bool has_text() const { return type_ == kCellNarrowText || type_ == kCellWideText; }

  // The value as the type says: an int32_t, a double or a text pointer, kept
  // as bytes so that a cell takes 12 bytes on 32-bit builds and is never
  // copied through a floating-point register.
  template <typename Value> Value value() const
  {
    Value value;
    std::memcpy(&value, value_, sizeof value);
    return value;
  }
  template <typename Value> void store(Value value)
  {
    std::memset(value_, 0, sizeof value_);
    std::memcpy(value_, &value, sizeof value);
  }
  double number() const { return value<double>(); }
  const BiffText* text() const { return value<const BiffText*>(); }

  uint8_t type_ = kCellUndefined;
  bool owns_text_ = false;
  uint32_t value_[2] = {};
};
