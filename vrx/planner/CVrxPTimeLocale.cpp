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

thread_local const CVrxPTimeLocale* t_pHeld = nullptr;

} // namespace

CVrxPTimeLocale CVrxPTimeLocale::User()
{
    return t_pHeld != nullptr ? *t_pHeld : ReadUserLocale();
}

CVrxPTimeLocaleHold::CVrxPTimeLocaleHold() : m_locale(CVrxPTimeLocale::User()), m_pOuter(t_pHeld)
{
    t_pHeld = &m_locale;
}

CVrxPTimeLocaleHold::~CVrxPTimeLocaleHold()
{
    t_pHeld = m_pOuter;
}
