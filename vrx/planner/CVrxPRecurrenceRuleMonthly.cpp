#include "CVrxPRecurrenceRuleMonthly.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPCalendarBar.h"
#include "VrxPDayOfMonth.h"

#include "core/CException.h"
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

void CVrxPRecurrenceRuleMonthly::GetProperties(CVrxPAppointmentPropertyList& list) const
{
    CVrxPRecurrenceBaseRule::GetProperties(list);
    list.Add(idMode, new CVrxPAppointmentProperty(m_nMode));
    list.Add(idDayNumber, new CVrxPAppointmentProperty(m_nDayNumber));
    list.Add(idDayInterval, new CVrxPAppointmentProperty(m_nDayInterval));
    list.Add(idOrdinal, new CVrxPAppointmentProperty(m_nOrdinal));
    list.Add(idDayKind, new CVrxPAppointmentProperty(m_nDayKind));
    list.Add(idOrdinalInterval, new CVrxPAppointmentProperty(m_nOrdinalInterval));
}

void CVrxPRecurrenceRuleMonthly::SetProperties(const CVrxPAppointmentPropertyList& list)
{
    CVrxPRecurrenceBaseRule::SetProperties(list);
    int* const fields[] = {&m_nMode, &m_nDayNumber, &m_nDayInterval, &m_nOrdinal, &m_nDayKind, &m_nOrdinalInterval};
    for (int i = 0; i < 6; ++i)
    {
        if (const auto* p = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(idMode + i)))
            *fields[i] = p->AsInt();
    }
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

void CVrxPRecurrenceRuleMonthly::Serialize(CArchive& ar)
{
    CVrxPRecurrenceBaseRule::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_nMode << m_nDayNumber << m_nDayInterval << m_nOrdinal << m_nDayKind << m_nOrdinalInterval;
        return;
    }
    ar >> m_nMode >> m_nDayNumber >> m_nDayInterval >> m_nOrdinal >> m_nDayKind >> m_nOrdinalInterval;
    if (m_nMode != 0 && m_nMode != 1)
        AfxThrowArchiveException(CArchiveException::genericException);
}
