#pragma once

#include "core/Platform.h"

class CArchive;

// A length of time in days (fractions are the time of day), with a status.
// Spans beyond 3,615,897 days either way are invalid.
class FRAMEWORK_API COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24; }
    double GetTotalMinutes() const { return m_span * 24 * 60; }
    double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }
    // The whole days (toward zero) and the hours, minutes and seconds of
    // what is left, rounded to the nearest second.
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;

    operator double() const { return m_span; }

    // Valid only when both operands are valid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }

    // Same status and, for valid spans, the same length.
    bool operator==(const COleDateTimeSpan& dateSpan) const;
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return !(*this == dateSpan); }
    // False unless both are valid.
    bool operator<(const COleDateTimeSpan& dateSpan) const;
    bool operator>(const COleDateTimeSpan& dateSpan) const;
    bool operator<=(const COleDateTimeSpan& dateSpan) const;
    bool operator>=(const COleDateTimeSpan& dateSpan) const;

    double m_span;
    DateTimeSpanStatus m_status;

private:
    void CheckRange();
};

// The archive form: the status as a 32-bit integer, then the days as a
// 64-bit double. Loading refuses an unknown status or a value that is not a
// number (CArchiveException genericException).
FRAMEWORK_API CArchive& operator<<(CArchive& ar, const COleDateTimeSpan& dateSpan);
FRAMEWORK_API CArchive& operator>>(CArchive& ar, COleDateTimeSpan& dateSpan);
