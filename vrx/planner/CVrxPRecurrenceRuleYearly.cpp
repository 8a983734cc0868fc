#include "CVrxPRecurrenceRuleYearly.h"

#include "CVrxPCalendarBar.h"
#include "VrxPDayOfMonth.h"

#include "files/CArchive.h"

#include <algorithm>

IMPLEMENT_SERIAL(CVrxPRecurrenceRuleYearly, CVrxPRecurrenceBaseRule, 2 | VERSIONABLE_SCHEMA)

using namespace VrxPRecurrenceDates;

CVrxPRecurrenceRuleYearly::CVrxPRecurrenceRuleYearly()
    : m_nMode(0), m_nDayMonth(1), m_nDayNumber(1), m_nOrdinal(0), m_nDayKind(0), m_nOrdinalMonth(1)
{
}

int CVrxPRecurrenceRuleYearly::DayOfMonth(int nMonth, int nYear) const
{
    return VrxPDayOfMonth(m_nMode, m_nDayNumber, m_nOrdinal, m_nDayKind, nMonth, nYear);
}

COleDateTime CVrxPRecurrenceRuleYearly::DateIn(int nYear) const
{
    const int nMonth = m_nMode == 0 ? m_nDayMonth : m_nOrdinalMonth;
    return DateOf(nYear, nMonth, std::min(CVrxPCalendarBar::CountDaysInMonth(nMonth, nYear), DayOfMonth(nMonth, nYear)));
}

void CVrxPRecurrenceRuleYearly::CorrectStart()
{
    const int nYear = m_dtStart.GetYear();
    if (nYear < 0)
        return;
    COleDateTime start = DateIn(nYear);
    if (start < m_dtStart)
        start = DateIn(nYear + 1);
    if (start != m_dtStart)
        SetStart(start);
}

COleDateTime CVrxPRecurrenceRuleYearly::NextOccurrence(const COleDateTime& date) const
{
    if (date < m_dtStart || date.GetYear() < 0)
        return Zero();
    const int nYear = date.GetYear() + 1;
    const COleDateTime next = DateIn(nYear);
    if (next.GetStatus() != COleDateTime::valid)
        return next;
    if (m_nLimitType == limitCount && nYear - m_dtStart.GetYear() + 1 > m_nLimitCount)
        return Zero();
    return LimitedByDate(next);
}
