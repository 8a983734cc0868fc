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
    // build, which has no locales, answers a 24-hour clock with ":". While
    // a CVrxPTimeLocaleHold lives on this thread, the values it read.
    static CVrxPTimeLocale User();
};

// Reads the user's locale once and answers it to User() on this thread for
// as long as it lives, so that a batch of time texts (the occurrences of one
// expansion) does not ask the system for the same values again and again.
class CVrxPTimeLocaleHold
{
public:
    CVrxPTimeLocaleHold();
    ~CVrxPTimeLocaleHold();
    CVrxPTimeLocaleHold(const CVrxPTimeLocaleHold&) = delete;
    CVrxPTimeLocaleHold& operator=(const CVrxPTimeLocaleHold&) = delete;

private:
    CVrxPTimeLocale m_locale;
    const CVrxPTimeLocale* m_pOuter;
};
