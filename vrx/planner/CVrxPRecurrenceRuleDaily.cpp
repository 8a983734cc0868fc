#include "CVrxPRecurrenceRuleDaily.h"

#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPRecurrenceRuleDaily, CVrxPRecurrenceBaseRule, 2 | VERSIONABLE_SCHEMA)

using namespace VrxPRecurrenceDates;

CVrxPRecurrenceRuleDaily::CVrxPRecurrenceRuleDaily() : m_nType(everyNDays), m_nInterval(1)
{
}

void CVrxPRecurrenceRuleDaily::CorrectStart()
{
    if (m_nType != everyWeekday)
        return;
    const int nWeekday = m_dtStart.GetDayOfWeek();
    if (nWeekday == 1)
        SetStart(AddDays(m_dtStart, 1));
    else if (nWeekday == 7)
        SetStart(AddDays(m_dtStart, 2));
}

COleDateTime CVrxPRecurrenceRuleDaily::NextOccurrence(const COleDateTime& date) const
{
    if (date < m_dtStart)
        return Zero();
    COleDateTime next;
    if (m_nType == everyWeekday)
    {
        next = AddDays(date, 1);
        const int nWeekday = next.GetDayOfWeek();
        if (nWeekday == 1)
            next = AddDays(next, 1);
        else if (nWeekday == 7)
            next = AddDays(next, 2);
        if (m_nLimitType == limitCount)
        {
            const COleDateTime monday = MondayOf(m_dtStart);
            const long nCount = DaysBetween(m_dtStart, next) + 1 - 2 * (DaysBetween(monday, next) / 7);
            if (nCount > m_nLimitCount)
                return Zero();
        }
    }
    else
    {
        if (m_nInterval <= 0)
            return Zero();
        next = AddDays(date, m_nInterval);
        if (m_nLimitType == limitCount &&
            !(AddDays(m_dtStart, static_cast<long long>(m_nInterval) * m_nLimitCount) > next))
            return Zero();
    }
    return LimitedByDate(next);
}
