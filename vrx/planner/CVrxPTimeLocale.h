#pragma once

#include "strings/CString.h"

// The locale values that time texts are built from.
struct CVrxPTimeLocale
{
    CString strTime;       // "1" 24-hour clock, "0" 12-hour
    CString strLeadingZero; // "1" when hours have two digits
    CString strSeparator;
    CString strAm;
    CString strPm;
    CString strMarkPosition; // "0" marker after the time, "1" before it

    // The user's locale. Values that cannot be read are empty. The native
    // build, which has no locales, answers a 24-hour clock with ":".
    static CVrxPTimeLocale User();
};
