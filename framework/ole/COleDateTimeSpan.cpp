#include "ole/COleDateTimeSpan.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <cmath>

namespace {

const double maxSpanDays = 3615897.0;
const double secondsPerDay = 24.0 * 60 * 60;

} // namespace

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid)
{
    CheckRange();
}

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((nHours * 60.0 + nMins) * 60.0 + nSecs) / secondsPerDay;
    m_status = valid;
    CheckRange();
}

void COleDateTimeSpan::CheckRange()
{
    if (!(m_span >= -maxSpanDays && m_span <= maxSpanDays))
        m_status = invalid;
}

LONG COleDateTimeSpan::GetDays() const
{
    return m_status == valid ? static_cast<LONG>(m_span) : 0;
}

namespace {

// The seconds of the part of a span below one day, rounded.
LONG SecondsOfDay(double span)
{
    const double fraction = std::fabs(span - std::trunc(span));
    return static_cast<LONG>(std::floor(fraction * secondsPerDay + 0.5));
}

} // namespace

LONG COleDateTimeSpan::GetHours() const
{
    return m_status == valid ? SecondsOfDay(m_span) / 3600 % 24 : 0;
}

LONG COleDateTimeSpan::GetMinutes() const
{
    return m_status == valid ? SecondsOfDay(m_span) / 60 % 60 : 0;
}

LONG COleDateTimeSpan::GetSeconds() const
{
    return m_status == valid ? SecondsOfDay(m_span) % 60 : 0;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    if (m_status != valid || dateSpan.m_status != valid)
        result.m_status = invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span - dateSpan.m_span);
    if (m_status != valid || dateSpan.m_status != valid)
        result.m_status = invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    return m_status == dateSpan.m_status && (m_status != valid || m_span == dateSpan.m_span);
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span < dateSpan.m_span;
}

bool COleDateTimeSpan::operator>(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span > dateSpan.m_span;
}

bool COleDateTimeSpan::operator<=(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span <= dateSpan.m_span;
}

bool COleDateTimeSpan::operator>=(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span >= dateSpan.m_span;
}

CArchive& operator<<(CArchive& ar, const COleDateTimeSpan& dateSpan)
{
    return ar << static_cast<LONG>(dateSpan.m_status) << dateSpan.m_span;
}

CArchive& operator>>(CArchive& ar, COleDateTimeSpan& dateSpan)
{
    LONG lStatus = 0;
    double dblSpan = 0;
    ar >> lStatus >> dblSpan;
    if (lStatus < COleDateTimeSpan::valid || lStatus > COleDateTimeSpan::null || !std::isfinite(dblSpan))
        AfxThrowArchiveException(CArchiveException::genericException);
    dateSpan.m_span = dblSpan;
    dateSpan.m_status = static_cast<COleDateTimeSpan::DateTimeSpanStatus>(lStatus);
    return ar;
}
