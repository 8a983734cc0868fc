#include "CVrxPRecurrenceBaseRule.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPPlannerView.h"

#include "core/CException.h"
#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPRecurrenceBaseRule, CObject, 2 | VERSIONABLE_SCHEMA)

namespace {

const int defaultLimitCount = 10;

const CVrxPAppointmentProperty* ValueOf(const CVrxPAppointmentPropertyList& list, int nId)
{
    const CVrxPAppointmentBaseProperty* pProperty = list.Get(nId);
    return pProperty != nullptr && pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentProperty))
               ? static_cast<const CVrxPAppointmentProperty*>(pProperty)
               : nullptr;
}

} // namespace

namespace VrxPRecurrenceDates
{

COleDateTime Zero()
{
    return COleDateTime();
}

bool IsZero(const COleDateTime& date)
{
    return date == COleDateTime();
}

int MondayBasedWeekday(const COleDateTime& date)
{
    const int nWeekday = date.GetDayOfWeek();
    return nWeekday < 0 ? -1 : (nWeekday + 5) % 7 + 1;
}

COleDateTime MondayOf(const COleDateTime& date)
{
    return CVrxPPlannerView::WeekStartOf(date, 2);
}

long DaysBetween(const COleDateTime& a, const COleDateTime& b)
{
    const double days = (b - a).GetTotalDays();
    return static_cast<long>(days >= 0 ? days + 0.5 / 86400 : days - 0.5 / 86400);
}

COleDateTime AddDays(const COleDateTime& date, long long nDays)
{
    return date + COleDateTimeSpan(static_cast<double>(nDays));
}

COleDateTime DateOf(long nYear, long nMonth, long nDay)
{
    if (nYear < 0 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31)
    {
        COleDateTime invalid;
        invalid.SetStatus(COleDateTime::invalid);
        return invalid;
    }
    return COleDateTime(static_cast<int>(nYear), static_cast<int>(nMonth), static_cast<int>(nDay), 0, 0, 0);
}

} // namespace VrxPRecurrenceDates

using namespace VrxPRecurrenceDates;

CVrxPRecurrenceBaseRule::CVrxPRecurrenceBaseRule()
    : m_nLimitType(limitNone), m_nLimitCount(defaultLimitCount), m_nRuleId(0)
{
}

void CVrxPRecurrenceBaseRule::GetProperties(CVrxPAppointmentPropertyList& list) const
{
    list.RemoveAll();
    list.Add(idStart, new CVrxPAppointmentProperty(m_dtStart));
    list.Add(idStartOffset, new CVrxPAppointmentProperty(m_spanStartOffset));
    list.Add(idFinishOffset, new CVrxPAppointmentProperty(m_spanFinishOffset));
    list.Add(idLimitType, new CVrxPAppointmentProperty(m_nLimitType));
    list.Add(idLimitCount, new CVrxPAppointmentProperty(m_nLimitCount));
    list.Add(idLimitDate, new CVrxPAppointmentProperty(m_dtLimit));
    // The fields are only read here.
    const std::vector<int*> fields = const_cast<CVrxPRecurrenceBaseRule*>(this)->ClassFields();
    for (size_t i = 0; i < fields.size(); ++i)
        list.Add(idFirstClassProperty + static_cast<int>(i), new CVrxPAppointmentProperty(*fields[i]));
}

void CVrxPRecurrenceBaseRule::SetProperties(const CVrxPAppointmentPropertyList& list)
{
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idStart))
        m_dtStart = p->AsDate();
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idStartOffset))
        m_spanStartOffset = p->AsSpan();
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idFinishOffset))
        m_spanFinishOffset = p->AsSpan();
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idLimitType))
        m_nLimitType = p->AsInt();
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idLimitCount))
        m_nLimitCount = p->AsInt();
    if (const CVrxPAppointmentProperty* p = ValueOf(list, idLimitDate))
        m_dtLimit = p->AsDate();
    const std::vector<int*> fields = ClassFields();
    for (size_t i = 0; i < fields.size(); ++i)
    {
        if (const CVrxPAppointmentProperty* p = ValueOf(list, idFirstClassProperty + static_cast<int>(i)))
            SetClassField(fields[i], p->AsInt());
    }
}

void CVrxPRecurrenceBaseRule::CorrectStart()
{
}

COleDateTime CVrxPRecurrenceBaseRule::FirstOccurrenceFrom(const COleDateTime& date) const
{
    if (m_dtStart > date)
        return Zero();
    COleDateTime day = m_dtStart;
    while (day.GetStatus() == COleDateTime::valid && !IsZero(day) && day < date)
        day = NextOccurrence(day);
    return day;
}

COleDateTime CVrxPRecurrenceBaseRule::NextOccurrence(const COleDateTime&) const
{
    return Zero();
}

COleDateTime CVrxPRecurrenceBaseRule::ReservedDateQuery(const COleDateTime&) const
{
    return Zero();
}

bool CVrxPRecurrenceBaseRule::IsEqual(const CVrxPRecurrenceBaseRule* pRule) const
{
    if (pRule == nullptr || pRule->m_nRuleId != m_nRuleId)
        return false;
    CVrxPAppointmentPropertyList mine;
    CVrxPAppointmentPropertyList theirs;
    GetProperties(mine);
    pRule->GetProperties(theirs);
    return mine.IsEqual(theirs);
}

void CVrxPRecurrenceBaseRule::SetStart(const COleDateTime& date)
{
    m_dtStart = DateOf(date.GetYear(), date.GetMonth(), date.GetDay());
}

void CVrxPRecurrenceBaseRule::SetOffsets(const COleDateTimeSpan& startOffset, const COleDateTimeSpan& finishOffset)
{
    m_spanStartOffset = startOffset;
    m_spanFinishOffset = finishOffset;
}

COleDateTime CVrxPRecurrenceBaseRule::LimitedByDate(const COleDateTime& date) const
{
    return m_nLimitType == limitDate && date > m_dtLimit ? Zero() : date;
}

CVrxPRecurrenceBaseRule* CVrxPRecurrenceBaseRule::Clone() const
{
    CObject* pObject = GetRuntimeClass()->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    auto* pClone = static_cast<CVrxPRecurrenceBaseRule*>(pObject);
    CVrxPAppointmentPropertyList properties;
    GetProperties(properties);
    pClone->SetProperties(properties);
    pClone->m_nRuleId = m_nRuleId;
    return pClone;
}

void CVrxPRecurrenceBaseRule::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_dtStart << m_spanStartOffset << m_spanFinishOffset << m_nLimitType << m_dtLimit << m_nLimitCount
           << m_nRuleId;
        for (const int* pField : ClassFields())
            ar << *pField;
        return;
    }
    const UINT nSchema = ar.GetObjectSchema();
    ar >> m_dtStart >> m_spanStartOffset >> m_spanFinishOffset >> m_nLimitType >> m_dtLimit >> m_nLimitCount;
    if (m_nLimitType < limitNone || m_nLimitType > limitDate)
        AfxThrowArchiveException(CArchiveException::genericException);
    // Read directly rather than as an object, the rule is of the present schema.
    if (nSchema >= 2)
        ar >> m_nRuleId;
    if (m_nRuleId == 0)
        m_nRuleId = DefaultRuleId();
    for (int* pField : ClassFields())
    {
        int nValue = 0;
        ar >> nValue;
        SetClassField(pField, nValue);
    }
    if (!AcceptsLoadedFields())
        AfxThrowArchiveException(CArchiveException::genericException);
}
