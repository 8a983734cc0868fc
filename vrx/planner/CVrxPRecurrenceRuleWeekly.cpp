#include "CVrxPRecurrenceRuleWeekly.h"

#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPRecurrenceRuleWeekly, CVrxPRecurrenceBaseRule, 2 | VERSIONABLE_SCHEMA)

using namespace VrxPRecurrenceDates;

namespace {

// 1 Monday .. 7 Sunday for a single day bit.
int WeekdayOfBit(int nBit)
{
    int nWeekday = 1;
    while (nBit > 1)
    {
        nBit >>= 1;
        ++nWeekday;
    }
    return nWeekday;
}

} // namespace

CVrxPRecurrenceRuleWeekly::CVrxPRecurrenceRuleWeekly()
    : m_nInterval(1), m_nDays(1), m_nFirstDayBit(1), m_nLastDayBit(1), m_nDaysPerWeek(1)
{
}

void CVrxPRecurrenceRuleWeekly::SetDays(int nDays)
{
    if (nDays == 0 || nDays == m_nDays)
        return;
    m_nDays = nDays;
    m_nFirstDayBit = 1;
    m_nLastDayBit = 1;
    m_nDaysPerWeek = 0;
    bool bFirst = true;
    for (int nBit = 1; nBit <= 64; nBit <<= 1)
    {
        if ((nDays & nBit) == 0)
            continue;
        if (bFirst)
            m_nFirstDayBit = nBit;
        bFirst = false;
        m_nLastDayBit = nBit;
        ++m_nDaysPerWeek;
    }
}

void CVrxPRecurrenceRuleWeekly::SetClassField(int* pField, int nValue)
{
    if (pField == &m_nDays)
        SetDays(nValue);
    else
        *pField = nValue;
}

void CVrxPRecurrenceRuleWeekly::CorrectStart()
{
    const int nStartWeekday = MondayBasedWeekday(m_dtStart);
    const int nFirstWeekday = WeekdayOfBit(m_nFirstDayBit);
    if (nStartWeekday < 0 || nStartWeekday == nFirstWeekday)
        return;
    SetStart(AddDays(m_dtStart, ((nFirstWeekday - nStartWeekday) % 7 + 7) % 7));
}

COleDateTime CVrxPRecurrenceRuleWeekly::NextOccurrence(const COleDateTime& date) const
{
    if (date < m_dtStart || m_nInterval <= 0 || m_nDaysPerWeek == 0)
        return Zero();
    const int nWeekday = MondayBasedWeekday(date);
    if (nWeekday < 0)
        return Zero();
    COleDateTime next;
    if (nWeekday == WeekdayOfBit(m_nLastDayBit))
    {
        next = AddDays(MondayOf(date), static_cast<long long>(m_nInterval) * 7 + WeekdayOfBit(m_nFirstDayBit) - 1);
    }
    else
    {
        int nNextWeekday = 1;
        for (int nDay = nWeekday + 1; nDay <= 7; ++nDay)
        {
            if (m_nDays & (1 << (nDay - 1)))
            {
                nNextWeekday = nDay;
                break;
            }
        }
        next = AddDays(date, ((nNextWeekday - nWeekday) % 7 + 7) % 7);
    }
    if (m_nLimitType == limitCount)
    {
        long long nReach = static_cast<long long>(m_nLimitCount / m_nDaysPerWeek) * m_nInterval * 7;
        int nRemainder = m_nLimitCount % m_nDaysPerWeek;
        if (nRemainder > 0)
        {
            for (int nDay = 1; nDay <= 7; ++nDay)
            {
                if ((m_nDays & (1 << (nDay - 1))) && --nRemainder == 0)
                {
                    nReach += nDay;
                    break;
                }
            }
        }
        if (nReach <= DaysBetween(MondayOf(m_dtStart), next))
            return Zero();
    }
    return LimitedByDate(next);
}
