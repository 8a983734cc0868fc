#include "CVrxPAppointment.h"

// The time texts of appointments: a picture is built from the locale's
// values and formatted as the system's time formatting does it (h and H
// hours of the 12- and 24-hour clock, m minutes, s seconds, each doubled
// for two digits; t and tt the marker; text in single quotes as it stands).

namespace {

bool StartsWith(const CString& value, char ch)
{
    return !value.IsEmpty() && value[0] == ch;
}

CString Quoted(const CString& text)
{
    CString quoted = "'";
    for (int i = 0; i < text.GetLength(); ++i)
    {
        quoted += text[i];
        if (text[i] == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

CString BuildPicture(const COleDateTime& date, int nFlags, const CVrxPTimeLocale& locale)
{
    const bool b24Hour = (nFlags & CVrxPAppointment::timeForce24Hour) != 0 || StartsWith(locale.strTime, '1');
    CString picture = b24Hour ? "H" : "h";
    if (StartsWith(locale.strLeadingZero, '1'))
        picture += picture;
    const CString separator = Quoted(locale.strSeparator);
    if ((nFlags & CVrxPAppointment::timeHoursOnly) == 0)
    {
        picture += separator + "mm";
        if ((nFlags & CVrxPAppointment::timeNoSeconds) == 0)
            picture += separator + "ss";
    }
    if (!b24Hour || (nFlags & CVrxPAppointment::timeMarkerAlways) != 0)
    {
        const bool bPm = date.GetStatus() == COleDateTime::valid && date.GetHour() >= 12;
        const CString marker = bPm ? locale.strPm : locale.strAm;
        if (!marker.IsEmpty())
        {
            if (StartsWith(locale.strMarkPosition, '0'))
                picture += Quoted(marker);
            else if (StartsWith(locale.strMarkPosition, '1'))
                picture = Quoted(marker) + picture;
        }
    }
    return picture;
}

void AppendNumber(CString& text, int nValue, bool bTwoDigits)
{
    if (nValue >= 10 || bTwoDigits)
        text += static_cast<char>('0' + nValue / 10 % 10);
    text += static_cast<char>('0' + nValue % 10);
}

CString FormatPicture(const COleDateTime& date, int nFlags, const CString& picture, const CVrxPTimeLocale& locale)
{
    SYSTEMTIME time = {};
    date.GetAsSystemTime(time);
    const int nHour = time.wHour;
    const int nMinute = time.wMinute;
    const int nSecond = time.wSecond;
    CString text;
    const int nLength = picture.GetLength();
    for (int i = 0; i < nLength;)
    {
        const char ch = picture[i];
        if (ch == '\'')
        {
            for (++i; i < nLength; ++i)
            {
                if (picture[i] == '\'')
                {
                    if (i + 1 < nLength && picture[i + 1] == '\'')
                        ++i;
                    else
                        break;
                }
                text += picture[i];
            }
            ++i;
            continue;
        }
        int nRun = 1;
        while (i + nRun < nLength && picture[i + nRun] == ch)
            ++nRun;
        i += nRun;
        const bool bTwo = nRun > 1;
        switch (ch)
        {
        case 'h':
            if ((nFlags & CVrxPAppointment::timeForce24Hour) != 0)
                AppendNumber(text, nHour, bTwo);
            else
                AppendNumber(text, nHour % 12 == 0 ? 12 : nHour % 12, bTwo);
            break;
        case 'H': AppendNumber(text, nHour, bTwo); break;
        case 'm': AppendNumber(text, nMinute, bTwo); break;
        case 's': AppendNumber(text, nSecond, bTwo); break;
        case 't':
        {
            const CString marker = nHour >= 12 ? locale.strPm : locale.strAm;
            text += bTwo ? marker : marker.Left(1);
            break;
        }
        default: text += CString(ch, nRun); break;
        }
    }
    return text;
}

} // namespace

CString CVrxPAppointment::FormatTime(const COleDateTime& date, int nFlags, const CVrxPTimeLocale& locale)
{
    return FormatPicture(date, nFlags, BuildPicture(date, nFlags, locale), locale);
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
