#include "CVrxPRecurrenceRuleDaily.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyList.h"

#include "core/CException.h"
#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPRecurrenceRuleDaily, CVrxPRecurrenceBaseRule, 2 | VERSIONABLE_SCHEMA)

using namespace VrxPRecurrenceDates;

CVrxPRecurrenceRuleDaily::CVrxPRecurrenceRuleDaily() : m_nType(everyNDays), m_nInterval(1)
{
}

void CVrxPRecurrenceRuleDaily::GetProperties(CVrxPAppointmentPropertyList& list) const
{
    CVrxPRecurrenceBaseRule::GetProperties(list);
    list.Add(idType, new CVrxPAppointmentProperty(m_nType));
    list.Add(idInterval, new CVrxPAppointmentProperty(m_nInterval));
}

void CVrxPRecurrenceRuleDaily::SetProperties(const CVrxPAppointmentPropertyList& list)
{
    CVrxPRecurrenceBaseRule::SetProperties(list);
    if (const auto* p = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(idType)))
        m_nType = p->AsInt();
    if (const auto* p = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(idInterval)))
        m_nInterval = p->AsInt();
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

void CVrxPRecurrenceRuleDaily::Serialize(CArchive& ar)
{
    CVrxPRecurrenceBaseRule::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_nType << m_nInterval;
        return;
    }
    ar >> m_nType >> m_nInterval;
    if (m_nType != everyNDays && m_nType != everyWeekday)
        AfxThrowArchiveException(CArchiveException::genericException);
}
