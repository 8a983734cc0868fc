#include "ole/COleDateTime.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <cmath>

namespace {

// 1 January 100 and the last moment of 31 December 9999.
const double minDate = -657434.0;
const double maxDate = 2958466.0;
const double secondsPerDay = 24.0 * 60 * 60;
const double halfSecond = 0.5 / secondsPerDay;
// Days from 1 March of year 0 (proleptic Gregorian) to 30 December 1899.
const long epochDay = 693899;

struct DateParts
{
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int dayOfWeek;
    int dayOfYear;
};

bool IsLeapYear(long year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days from 1 March of year 0 to the given day, and back: the calendar
// counted from March puts the leap day last in its year.
long DayNumberOf(long year, int month, int day)
{
    if (month < 3)
        --year;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const long dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void CivilOf(long dayNumber, int& year, int& month, int& day)
{
    const long era = (dayNumber >= 0 ? dayNumber : dayNumber - 146096) / 146097;
    const long dayOfEra = dayNumber - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool PartsOf(const COleDateTime& date, DateParts& parts)
{
    if (date.m_status != COleDateTime::valid || !(date.m_dt >= minDate && date.m_dt < maxDate))
        return false;
    const double rounded = date.m_dt + (date.m_dt > 0 ? halfSecond : -halfSecond);
    const long days = static_cast<long>(std::trunc(rounded));
    const double absolute = std::fabs(rounded);
    long seconds = static_cast<long>((absolute - std::floor(absolute)) * secondsPerDay);
    if (seconds >= 86400)
        seconds = 86399;
    const long dayNumber = days + epochDay;
    CivilOf(dayNumber, parts.year, parts.month, parts.day);
    if (parts.year < 100 || parts.year > 9999)
        return false;
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    // 30 December 1899 was a Saturday.
    parts.dayOfWeek = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    parts.dayOfYear = static_cast<int>(dayNumber - DayNumberOf(parts.year, 1, 1)) + 1;
    return true;
}

// The date as a count that grows steadily with time, and back.
double LinearOf(double dt)
{
    if (dt >= 0)
        return dt;
    const double days = std::trunc(dt);
    return days + (days - dt);
}

double DateOf(double linear)
{
    if (linear >= 0)
        return linear;
    const double days = std::floor(linear);
    return days - (linear - days);
}

COleDateTime DateFromLinear(double linear)
{
    COleDateTime result;
    result.m_dt = DateOf(linear);
    if (!(result.m_dt >= minDate && result.m_dt < maxDate))
    {
        result.m_dt = 0;
        result.m_status = COleDateTime::invalid;
    }
    return result;
}

} // namespace

COleDateTime::COleDateTime() : m_dt(0), m_status(valid)
{
}

COleDateTime::COleDateTime(double dtSrc) : m_dt(dtSrc), m_status(valid)
{
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

#ifdef _WIN32
COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
}
#endif

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth) ||
        nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
    {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const double days = static_cast<double>(DayNumberOf(nYear, nMonth, nDay) - epochDay);
    const double time = ((nHour * 60.0 + nMin) * 60.0 + nSec) / secondsPerDay;
    m_dt = days >= 0 ? days + time : days - time;
    m_status = valid;
    return 0;
}

int COleDateTime::GetYear() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.year : -1;
}

int COleDateTime::GetMonth() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.month : -1;
}

int COleDateTime::GetDay() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.day : -1;
}

int COleDateTime::GetHour() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.hour : -1;
}

int COleDateTime::GetMinute() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.minute : -1;
}

int COleDateTime::GetSecond() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.second : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.dayOfWeek : -1;
}

int COleDateTime::GetDayOfYear() const
{
    DateParts parts;
    return PartsOf(*this, parts) ? parts.dayOfYear : -1;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    DateParts parts;
    if (!PartsOf(*this, parts))
        return FALSE;
    sysTime.wYear = static_cast<WORD>(parts.year);
    sysTime.wMonth = static_cast<WORD>(parts.month);
    sysTime.wDayOfWeek = static_cast<WORD>(parts.dayOfWeek - 1);
    sysTime.wDay = static_cast<WORD>(parts.day);
    sysTime.wHour = static_cast<WORD>(parts.hour);
    sysTime.wMinute = static_cast<WORD>(parts.minute);
    sysTime.wSecond = static_cast<WORD>(parts.second);
    sysTime.wMilliseconds = 0;
    return TRUE;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    if (m_status != valid || dateSpan.m_status != COleDateTimeSpan::valid)
    {
        COleDateTime result;
        result.m_status = invalid;
        return result;
    }
    return DateFromLinear(LinearOf(m_dt) + dateSpan.m_span);
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan result(LinearOf(m_dt) - LinearOf(date.m_dt));
    if (m_status != valid || date.m_status != valid)
        result.m_status = COleDateTimeSpan::invalid;
    return result;
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && (m_status != valid || m_dt == date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return m_status == valid && date.m_status == valid && LinearOf(m_dt) < LinearOf(date.m_dt);
}

bool COleDateTime::operator>(const COleDateTime& date) const
{
    return date < *this;
}

bool COleDateTime::operator<=(const COleDateTime& date) const
{
    return m_status == valid && date.m_status == valid && LinearOf(m_dt) <= LinearOf(date.m_dt);
}

bool COleDateTime::operator>=(const COleDateTime& date) const
{
    return date <= *this;
}

CArchive& operator<<(CArchive& ar, const COleDateTime& date)
{
    return ar << static_cast<LONG>(date.m_status) << date.m_dt;
}

CArchive& operator>>(CArchive& ar, COleDateTime& date)
{
    LONG lStatus = 0;
    double dt = 0;
    ar >> lStatus >> dt;
    if (lStatus < COleDateTime::error || lStatus > COleDateTime::null || !std::isfinite(dt))
        AfxThrowArchiveException(CArchiveException::genericException);
    date.m_dt = dt;
    date.m_status = static_cast<COleDateTime::DateTimeStatus>(lStatus);
    return ar;
}
