#include "CVrxPTimeLocale.h"

namespace {

#ifdef _WIN32

// Buffers hold any locale value, which may be longer than the usual few
// characters; a value that cannot be read is empty.
CString UserLocaleValue(LCTYPE type)
{
    char value[80];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, value, sizeof value) == 0)
        return CString();
    return CString(value);
}

CVrxPTimeLocale ReadUserLocale()
{
    CVrxPTimeLocale locale;
    locale.strTime = UserLocaleValue(LOCALE_ITIME);
    locale.strLeadingZero = UserLocaleValue(LOCALE_ITLZERO);
    locale.strSeparator = UserLocaleValue(LOCALE_STIME);
    locale.strAm = UserLocaleValue(LOCALE_S1159);
    locale.strPm = UserLocaleValue(LOCALE_S2359);
    locale.strMarkPosition = UserLocaleValue(LOCALE_ITIMEMARKPOSN);
    return locale;
}

#else

CVrxPTimeLocale ReadUserLocale()
{
    CVrxPTimeLocale locale;
    locale.strTime = "1";
    locale.strLeadingZero = "1";
    locale.strSeparator = ":";
    locale.strAm = "AM";
    locale.strPm = "PM";
    locale.strMarkPosition = "0";
    return locale;
}

#endif

} // namespace

CVrxPTimeLocale CVrxPTimeLocale::User()
{
    return ReadUserLocale();
}
