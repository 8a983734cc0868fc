#include "CVrxPRecurrenceRuleMonthly.h"

#include "CVrxPCalendarBar.h"
#include "VrxPDayOfMonth.h"

#include "files/CArchive.h"

#include <algorithm>

IMPLEMENT_SERIAL(CVrxPRecurrenceRuleMonthly, CVrxPRecurrenceBaseRule, 2 | VERSIONABLE_SCHEMA)

using namespace VrxPRecurrenceDates;

CVrxPRecurrenceRuleMonthly::CVrxPRecurrenceRuleMonthly()
    : m_nMode(0), m_nDayNumber(1), m_nDayInterval(1), m_nOrdinal(0), m_nDayKind(0), m_nOrdinalInterval(1)
{
}

int CVrxPRecurrenceRuleMonthly::DayOfMonth(int nMonth, int nYear) const
{
    return VrxPDayOfMonth(m_nMode, m_nDayNumber, m_nOrdinal, m_nDayKind, nMonth, nYear);
}

void CVrxPRecurrenceRuleMonthly::CorrectStart()
{
    int nMonth = m_dtStart.GetMonth();
    int nYear = m_dtStart.GetYear();
    if (nMonth < 0)
        return;
    int nDay = DayOfMonth(nMonth, nYear);
    if (nDay < m_dtStart.GetDay())
    {
        if (++nMonth > 12)
        {
            nMonth = 1;
            ++nYear;
        }
        nDay = DayOfMonth(nMonth, nYear);
    }
    const COleDateTime start = DateOf(nYear, nMonth, std::min(CVrxPCalendarBar::CountDaysInMonth(nMonth, nYear), nDay));
    if (start != m_dtStart)
        SetStart(start);
}

COleDateTime CVrxPRecurrenceRuleMonthly::NextOccurrence(const COleDateTime& date) const
{
    const int nInterval = m_nMode == 0 ? m_nDayInterval : m_nOrdinalInterval;
    if (date < m_dtStart || nInterval <= 0 || date.GetMonth() < 0)
        return Zero();
    const long long nMonths = static_cast<long long>(date.GetYear()) * 12 + (date.GetMonth() - 1) + nInterval;
    if (nMonths / 12 > 9999)
        return Zero();
    const int nYear = static_cast<int>(nMonths / 12);
    const int nMonth = static_cast<int>(nMonths % 12) + 1;
    const int nDays = CVrxPCalendarBar::CountDaysInMonth(nMonth, nYear);
    const COleDateTime next = DateOf(nYear, nMonth, std::min(nDays, DayOfMonth(nMonth, nYear)));
    if (next.GetStatus() != COleDateTime::valid)
        return next;
    if (m_nLimitType == limitCount)
    {
        const long long nCount =
            ((static_cast<long long>(nYear) - m_dtStart.GetYear()) * 12 + nMonth - m_dtStart.GetMonth() + nInterval) /
            nInterval;
        if (nCount > m_nLimitCount)
            return Zero();
    }
    return LimitedByDate(next);
}
