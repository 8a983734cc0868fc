#pragma once

#include "core/Platform.h"
#include "ole/COleDateTimeSpan.h"

class CArchive;

// A point in time as days since 30 December 1899 00:00 (the time of day is
// the fraction), with a status. Dates before that day keep the time of day
// as a positive fraction behind the negative day number: -1.25 is
// 29 December 1899 06:00. Dates run from 1 January 100 to 31 December 9999;
// parts of a date are read rounded to the nearest second.
class FRAMEWORK_API COleDateTime
{
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime();
    COleDateTime(double dtSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
#ifdef _WIN32
    explicit COleDateTime(const SYSTEMTIME& systimeSrc);
#endif

    // Invalid (value 0) when a part is out of range or the date is outside
    // the supported years. The answer is 0 on success, 1 otherwise.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // -1 when the date is not valid or outside the supported years.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 Sunday .. 7 Saturday.
    int GetDayOfWeek() const;
    // 1 .. 366.
    int GetDayOfYear() const;
    // FALSE when the date is not valid or outside the supported years.
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    operator double() const { return m_dt; }

    // Time moves on linearly across 30 December 1899; the result is invalid
    // when an operand is, or when it leaves the supported years.
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Same status and, for valid dates, the same value.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    // In time order; false unless both are valid.
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const;
    bool operator<=(const COleDateTime& date) const;
    bool operator>=(const COleDateTime& date) const;

    DATE m_dt;
    DateTimeStatus m_status;
};

// The archive form: the status as a 32-bit integer, then the value as a
// 64-bit double. Loading refuses an unknown status or a value that is not a
// number (CArchiveException genericException).
FRAMEWORK_API CArchive& operator<<(CArchive& ar, const COleDateTime& date);
FRAMEWORK_API CArchive& operator>>(CArchive& ar, COleDateTime& date);
