#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

// The arguments of one IDispatch::Invoke, in the order the caller wrote
// them (DISPPARAMS holds them last first). Arguments passed by reference are
// read through. Conversions that fail throw ArgumentError.
class DispatchArguments {
public:
  DispatchArguments(const DISPPARAMS& params, bool property_put);

  unsigned count() const { return count_; }
  // Whether argument position was left out: not passed, or passed as the
  // missing-parameter value.
  bool omitted(unsigned position) const;
  // The argument itself; position must be below count().
  const VARIANT& at(unsigned position) const;
  // The value a property put assigns.
  const VARIANT& put_value() const;

  // Refuses a call with fewer than required arguments, or with an argument
  // at or after supported that was not left out.
  void expect(unsigned required, unsigned supported) const;
  long long_at(unsigned position) const { return to_long(at(position), position); }
  std::wstring string_at(unsigned position) const { return to_string(at(position), position); }
  bool put_bool() const { return to_bool(put_value(), count_); }
  std::wstring put_string() const { return to_string(put_value(), count_); }

  // value converted, or ArgumentError for the argument at position.
  static long to_long(const VARIANT& value, unsigned position);
  static bool to_bool(const VARIANT& value, unsigned position);
  static std::wstring to_string(const VARIANT& value, unsigned position);

private:
  const VARIANT& read_through(const VARIANT& value) const;

  const DISPPARAMS& params_;
  unsigned count_;
};
