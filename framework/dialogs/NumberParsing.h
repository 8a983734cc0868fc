#pragma once

// Reading the numbers a user typed into a control: decimal only, with
// surrounding blanks allowed and nothing else around the number.

#include "core/Platform.h"

enum class NumberParse
{
    ok,
    notANumber,
    outOfRange
};

// An optional sign and decimal digits, within minVal..maxVal.
FRAMEWORK_API NumberParse AfxParseInteger(LPCTSTR lpszText, long long minVal, long long maxVal, long long& value);
// A finite number in the C runtime's form (digits, point, exponent).
FRAMEWORK_API NumberParse AfxParseReal(LPCTSTR lpszText, double& value);
