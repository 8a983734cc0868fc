#include "CVrxPAppointment.h"

// The time texts of appointments. The picture that the locale's values and
// the flags describe (the hour, one or two digits, of the 12- or 24-hour
// clock; the separator and two-digit minutes and seconds; the marker before
// or after, as it stands) is written straight into the text: the system's
// time formatting of that picture gives the same characters.

namespace {

bool StartsWith(const CString& value, char ch)
{
    return !value.IsEmpty() && value[0] == ch;
}

// A time text, in a buffer as large as the system's.
class TimeText
{
public:
    void Append(char ch)
    {
        if (m_nLength < capacity)
            m_text[m_nLength++] = ch;
    }
    void Append(const CString& text)
    {
        for (int i = 0; i < text.GetLength(); ++i)
            Append(text[i]);
    }
    void AppendNumber(int nValue, bool bTwoDigits)
    {
        if (nValue >= 10 || bTwoDigits)
            Append(static_cast<char>('0' + nValue / 10 % 10));
        Append(static_cast<char>('0' + nValue % 10));
    }
    CString Text() const { return CString(m_text, m_nLength); }

private:
    static const int capacity = 259;
    char m_text[capacity];
    int m_nLength = 0;
};

} // namespace

CString CVrxPAppointment::FormatTime(const COleDateTime& date, int nFlags, const CVrxPTimeLocale& locale)
{
    SYSTEMTIME time = {};
    date.GetAsSystemTime(time);
    const bool b24Hour = (nFlags & timeForce24Hour) != 0 || StartsWith(locale.strTime, '1');
    const CString* pMarker = nullptr;
    bool bMarkerFirst = false;
    if (!b24Hour || (nFlags & timeMarkerAlways) != 0)
    {
        const bool bPm = date.GetStatus() == COleDateTime::valid && time.wHour >= 12;
        pMarker = bPm ? &locale.strPm : &locale.strAm;
        bMarkerFirst = StartsWith(locale.strMarkPosition, '1');
        if (pMarker->IsEmpty() || (!bMarkerFirst && !StartsWith(locale.strMarkPosition, '0')))
            pMarker = nullptr;
    }

    TimeText text;
    if (pMarker != nullptr && bMarkerFirst)
        text.Append(*pMarker);
    const int nHour = b24Hour ? time.wHour : (time.wHour % 12 == 0 ? 12 : time.wHour % 12);
    text.AppendNumber(nHour, StartsWith(locale.strLeadingZero, '1'));
    if ((nFlags & timeHoursOnly) == 0)
    {
        text.Append(locale.strSeparator);
        text.AppendNumber(time.wMinute, true);
        if ((nFlags & timeNoSeconds) == 0)
        {
            text.Append(locale.strSeparator);
            text.AppendNumber(time.wSecond, true);
        }
    }
    if (pMarker != nullptr && !bMarkerFirst)
        text.Append(*pMarker);
    return text.Text();
}

CString CVrxPAppointment::FormatTime(const COleDateTime& date, int nFlags, bool bLocaleDefault)
{
#ifdef _WIN32
    if (bLocaleDefault)
    {
        SYSTEMTIME time = {};
        date.GetAsSystemTime(time);
        char text[260];
        if (GetTimeFormatA(LOCALE_USER_DEFAULT, static_cast<DWORD>(nFlags), &time, nullptr, text, sizeof text) == 0)
            return CString();
        return CString(text);
    }
#else
    UNUSED_ALWAYS(bLocaleDefault);
#endif
    return FormatTime(date, nFlags, CVrxPTimeLocale::User());
}
