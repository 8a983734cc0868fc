#pragma once
#include <windows.h>
#include <oleauto.h>
#include <cstdint>
#include <string>
#include <vector>

// An owned VARIANT.
class Variant {
public:
  Variant() { VariantInit(&value); }
  Variant(const wchar_t* text);
  Variant(double number);
  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  ~Variant() { VariantClear(&value); }

  static Variant of_long(long number);
  static Variant of_short(short number);
  static Variant of_bool(bool flag);
  static Variant of_unsigned(unsigned number);
  static Variant of_unsigned64(uint64_t number);
  // The missing-parameter value that stands for an omitted argument.
  static Variant missing();
  // A 2-D array of VARIANTs indexed from 1, rows first, taking the values.
  static Variant array(const std::vector<std::vector<Variant>>& rows);

  // The text of a VT_BSTR, or empty.
  std::wstring text() const;

  VARIANT value;
};

// The outcome of one call: the code Invoke returned, the value, and the
// description of an exception.
struct CallOutcome {
  HRESULT code = E_FAIL;
  Variant value;
  std::wstring description;
  UINT argument_error = 0;
};

// A reference to an automation object, called late-bound by dispatch id.
class Dispatch {
public:
  Dispatch() = default;
  explicit Dispatch(IDispatch* object) : object_(object) {}
  Dispatch(const Dispatch& other);
  Dispatch& operator=(const Dispatch& other);
  ~Dispatch();

  // An instance of progid made by its local server.
  static Dispatch create(const wchar_t* progid, HRESULT& code);

  // A method call or property get, with arguments in the order written.
  CallOutcome call(DISPID id, const std::vector<Variant>& arguments = {}) const;
  CallOutcome put(DISPID id, const Variant& value, const std::vector<Variant>& arguments = {}) const;
  // The object a call gives, or an empty reference.
  Dispatch object(DISPID id, const std::vector<Variant>& arguments = {}) const;
  HRESULT id_of(const wchar_t* name, DISPID& id) const;

  IDispatch* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void reset();

private:
  CallOutcome invoke(DISPID id, WORD flags, std::vector<Variant> arguments, bool put) const;

  IDispatch* object_ = nullptr;
};

// A value of a 2-D array at a 1-based row and column.
Variant array_element(const VARIANT& array, long row, long column);
// Rows and columns of a 2-D array.
bool array_size(const VARIANT& array, long& rows, long& columns);
