#pragma once
#include <windows.h>
#include <string>

// A member call that failed: the caller gets DISP_E_EXCEPTION with the text
// as the exception's description.
class AutomationError {
public:
  explicit AutomationError(std::wstring text) : text(std::move(text)) {}
  std::wstring text;
};

// An ASCII reason of the workbook code as a description.
inline std::wstring widened(const std::string& ascii)
{
  return std::wstring(ascii.begin(), ascii.end());
}

// A call whose arguments the member cannot take: the caller gets code (such
// as DISP_E_TYPEMISMATCH) and, for a single argument, its place in the call.
class ArgumentError {
public:
  ArgumentError(HRESULT code, unsigned position) : code(code), position(position) {}
  HRESULT code;
  // Counted from 0 in the order the caller wrote the arguments.
  unsigned position;
};
