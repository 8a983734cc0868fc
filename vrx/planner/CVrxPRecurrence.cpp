#include "CVrxPRecurrence.h"

#include "CVrxPAppointment.h"
#include "CVrxPAppointmentProperty.h"
#include "CVrxPPlannerView.h"
#include "CVrxPRecurrenceBaseRule.h"
#include "VrxPPlannerArchive.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <cmath>
#include <memory>
#include <set>

IMPLEMENT_SERIAL(CVrxPRecurrence, CObject, 1 | VERSIONABLE_SCHEMA)

namespace {

const int idStart = 0;
const int idFinish = 1;

bool IsZeroDate(const COleDateTime& date)
{
    return date == COleDateTime();
}

// Lends the owner's properties to OccurrenceAt for one expansion.
class OwnerPropertiesScope
{
public:
    OwnerPropertiesScope(const CVrxPAppointmentPropertyList*& pSlot, const CVrxPAppointmentPropertyList& properties)
        : m_pSlot(pSlot), m_pOuter(pSlot)
    {
        m_pSlot = &properties;
    }
    ~OwnerPropertiesScope() { m_pSlot = m_pOuter; }
    OwnerPropertiesScope(const OwnerPropertiesScope&) = delete;
    OwnerPropertiesScope& operator=(const OwnerPropertiesScope&) = delete;

private:
    const CVrxPAppointmentPropertyList*& m_pSlot;
    const CVrxPAppointmentPropertyList* m_pOuter;
};

COleDateTime DateProperty(const CVrxPAppointmentPropertyList& list, int nId)
{
    const auto* pProperty = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(nId));
    if (pProperty != nullptr)
        return pProperty->AsDate();
    COleDateTime missing;
    missing.SetStatus(COleDateTime::invalid);
    return missing;
}

} // namespace

CVrxPRecurrence::~CVrxPRecurrence()
{
    delete m_pRule;
    RemoveAllExceptions();
}

void CVrxPRecurrence::SetRule(CVrxPRecurrenceBaseRule* pRule)
{
    if (pRule == m_pRule)
        return;
    delete m_pRule;
    m_pRule = pRule;
}

void CVrxPRecurrence::RemoveAllExceptions()
{
    for (auto& entry : m_exceptions)
        delete entry.second;
    m_exceptions.clear();
}

const CVrxPRecurrenceExceptionRecord* CVrxPRecurrence::ExceptionAt(const COleDateTime& date) const
{
    const auto found = m_exceptions.find(date.m_dt);
    return found != m_exceptions.end() ? found->second : nullptr;
}

CVrxPAppointment* CVrxPRecurrence::OccurrenceAt(const COleDateTime& date) const
{
    if (m_pOwner == nullptr)
        return nullptr;
    const CVrxPRecurrenceExceptionRecord* pRecord = ExceptionAt(date);
    if (pRecord != nullptr && pRecord->bRemoved)
        return nullptr;
    CVrxPAppointment* pOccurrence = m_pOwnerProperties != nullptr
                                        ? CVrxPAppointment::CreateOccurrence(m_pOwner, date, *m_pOwnerProperties)
                                        : CVrxPAppointment::CreateOccurrence(m_pOwner, date);
    if (pOccurrence != nullptr && pRecord != nullptr)
        pOccurrence->SetProperties(pRecord->changes);
    return pOccurrence;
}

void CVrxPRecurrence::GenerateOccurrences(std::vector<CVrxPAppointment*>& result, const COleDateTime& from,
                                          const COleDateTime& to) const
{
    result.clear();
    CVrxPAppointmentPropertyList ownerProperties;
    if (m_pOwner != nullptr)
        m_pOwner->GetProperties(ownerProperties);
    const OwnerPropertiesScope scope(m_pOwnerProperties, ownerProperties);
    std::set<double> handled;
    for (const auto& entry : m_exceptions)
    {
        const CVrxPRecurrenceExceptionRecord& record = *entry.second;
        if (record.bRemoved)
            continue;
        const bool bStartIn = from <= record.dtStart && record.dtStart <= to;
        const bool bFinishIn = from <= record.dtFinish && record.dtFinish <= to;
        const bool bSpans = record.dtStart < from && record.dtFinish > to;
        if (!bStartIn && !bFinishIn && !bSpans)
            continue;
        if (CVrxPAppointment* pOccurrence = OccurrenceAt(COleDateTime(entry.first)))
            result.push_back(pOccurrence);
        handled.insert(entry.first);
    }
    if (m_pRule == nullptr || m_pOwner == nullptr)
        return;

    COleDateTime day = m_pRule->GetStart();
    if (!CVrxPPlannerView::IsSameDay(m_pOwner->GetStart(), m_pOwner->GetFinish()) && day < from)
    {
        // Occurrences that began on earlier days may still run into the
        // range: look back over every day the master's duration touches.
        const double duration = m_pOwner->GetDuration().GetTotalDays();
        const double lookBack = std::isfinite(duration) && duration > 1 ? std::ceil(duration) : 1;
        const COleDateTime back = from - COleDateTimeSpan(lookBack);
        if (back > day)
            day = m_pRule->FirstOccurrenceFrom(back);
    }
    else if (day <= to && day <= from)
    {
        day = m_pRule->FirstOccurrenceFrom(from);
    }

    while (day.GetStatus() == COleDateTime::valid && !IsZeroDate(day) && day <= to)
    {
        if (handled.count(day.m_dt) == 0 && ExceptionAt(day) == nullptr)
        {
            if (CVrxPAppointment* pOccurrence = OccurrenceAt(day))
            {
                // An occurrence that ended when the range began, or before,
                // is not in it.
                if (pOccurrence->GetFinish() > from)
                    result.push_back(pOccurrence);
                else
                    delete pOccurrence;
            }
        }
        const COleDateTime next = m_pRule->NextOccurrence(day);
        if (!(next > day))
            break;
        day = next;
    }
}

void CVrxPRecurrence::SetException(const COleDateTime& date, const CVrxPAppointmentPropertyList& properties,
                                   int bRemoved)
{
    if (m_pOwner == nullptr || m_pRule == nullptr)
        return;
    CVrxPAppointmentPropertyList master;
    m_pOwner->GetProperties(master);
    const auto found = m_exceptions.find(date.m_dt);
    CVrxPRecurrenceExceptionRecord* pRecord = found != m_exceptions.end() ? found->second : nullptr;

    CVrxPAppointmentPropertyList changes;
    COleDateTime start;
    COleDateTime finish;
    if (!bRemoved)
    {
        start = DateProperty(properties, idStart);
        finish = DateProperty(properties, idFinish);
        bool bTimesChanged =
            start != date + m_pRule->GetStartOffset() || finish != date + m_pRule->GetFinishOffset();
        if (pRecord != nullptr)
        {
            bTimesChanged = bTimesChanged || pRecord->changes.Has(idStart) || pRecord->changes.Has(idFinish);
            for (const auto& entry : pRecord->changes.GetProperties())
            {
                if (entry.first == idStart || entry.first == idFinish || entry.second == nullptr)
                    continue;
                if (CVrxPAppointmentBaseProperty* pMaster = master.Get(entry.first))
                    pMaster->CopyFrom(entry.second);
            }
        }
        for (const auto& entry : master.GetProperties())
        {
            const bool bTime = entry.first == idStart || entry.first == idFinish;
            if (bTime && !bTimesChanged)
                continue;
            const CVrxPAppointmentBaseProperty* pNew = properties.Get(entry.first);
            if (pNew == nullptr || entry.second == nullptr)
                continue;
            if (bTime || entry.second->IsDifferent(pNew))
            {
                if (CVrxPAppointmentBaseProperty* pCopy = pNew->Clone())
                    changes.Add(entry.first, pCopy);
            }
        }
        if (changes.GetCount() == 0)
            return;
    }

    if (pRecord == nullptr)
    {
        pRecord = new CVrxPRecurrenceExceptionRecord;
        m_exceptions[date.m_dt] = pRecord;
    }
    if (bRemoved)
    {
        pRecord->bRemoved = bRemoved;
        pRecord->changes.RemoveAll();
        return;
    }
    pRecord->dtStart = start;
    pRecord->dtFinish = finish;
    for (const auto& entry : changes.GetProperties())
    {
        if (CVrxPAppointmentBaseProperty* pPresent = pRecord->changes.Get(entry.first))
            pPresent->CopyFrom(entry.second);
        else if (CVrxPAppointmentBaseProperty* pCopy = entry.second->Clone())
            pRecord->changes.Add(entry.first, pCopy);
    }
}

void CVrxPRecurrence::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<const CObject*>(m_pRule) << static_cast<int>(m_exceptions.size());
        for (const auto& entry : m_exceptions)
        {
            const CVrxPRecurrenceExceptionRecord& record = *entry.second;
            ar << COleDateTime(entry.first) << record.dtStart << record.dtFinish << record.bRemoved;
            if (!record.bRemoved)
                ar << static_cast<const CObject*>(&record.changes);
        }
        return;
    }
    RemoveAllExceptions();
    std::unique_ptr<CVrxPRecurrenceBaseRule> pLoaded(
        static_cast<CVrxPRecurrenceBaseRule*>(ar.ReadOwnedObject(RUNTIME_CLASS(CVrxPRecurrenceBaseRule))));
    if (pLoaded != nullptr)
    {
        SetRule(pLoaded->Clone());
        RemoveAllExceptions();
    }
    const int nCount = VrxPReadElementCount(ar);
    for (int i = 0; i < nCount; ++i)
    {
        COleDateTime date;
        auto pRecord = std::make_unique<CVrxPRecurrenceExceptionRecord>();
        ar >> date >> pRecord->dtStart >> pRecord->dtFinish >> pRecord->bRemoved;
        if (date.GetStatus() != COleDateTime::valid || m_exceptions.count(date.m_dt) != 0)
            AfxThrowArchiveException(CArchiveException::genericException);
        if (!pRecord->bRemoved)
        {
            std::unique_ptr<CVrxPAppointmentPropertyList> pChanges(static_cast<CVrxPAppointmentPropertyList*>(
                ar.ReadOwnedObject(RUNTIME_CLASS(CVrxPAppointmentPropertyList))));
            if (pChanges == nullptr)
                AfxThrowArchiveException(CArchiveException::genericException);
            pRecord->changes.CopyFrom(*pChanges);
        }
        m_exceptions[date.m_dt] = pRecord.release();
    }
}
