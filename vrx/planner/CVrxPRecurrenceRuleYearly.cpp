#include "CVrxPRecurrenceRuleYearly.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPCalendarBar.h"
#include "VrxPDayOfMonth.h"

#include "core/CException.h"
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

void CVrxPRecurrenceRuleYearly::GetProperties(CVrxPAppointmentPropertyList& list) const
{
    CVrxPRecurrenceBaseRule::GetProperties(list);
    list.Add(idMode, new CVrxPAppointmentProperty(m_nMode));
    list.Add(idDayMonth, new CVrxPAppointmentProperty(m_nDayMonth));
    list.Add(idDayNumber, new CVrxPAppointmentProperty(m_nDayNumber));
    list.Add(idOrdinal, new CVrxPAppointmentProperty(m_nOrdinal));
    list.Add(idDayKind, new CVrxPAppointmentProperty(m_nDayKind));
    list.Add(idOrdinalMonth, new CVrxPAppointmentProperty(m_nOrdinalMonth));
}

void CVrxPRecurrenceRuleYearly::SetProperties(const CVrxPAppointmentPropertyList& list)
{
    CVrxPRecurrenceBaseRule::SetProperties(list);
    int* const fields[] = {&m_nMode, &m_nDayMonth, &m_nDayNumber, &m_nOrdinal, &m_nDayKind, &m_nOrdinalMonth};
    for (int i = 0; i < 6; ++i)
    {
        if (const auto* p = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(idMode + i)))
            *fields[i] = p->AsInt();
    }
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

void CVrxPRecurrenceRuleYearly::Serialize(CArchive& ar)
{
    CVrxPRecurrenceBaseRule::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_nMode << m_nDayMonth << m_nDayNumber << m_nOrdinal << m_nDayKind << m_nOrdinalMonth;
        return;
    }
    ar >> m_nMode >> m_nDayMonth >> m_nDayNumber >> m_nOrdinal >> m_nDayKind >> m_nOrdinalMonth;
    if (m_nMode != 0 && m_nMode != 1)
        AfxThrowArchiveException(CArchiveException::genericException);
}
