#include "CVrxPAppointmentStorage.h"

#include "CVrxPAppointment.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPPlannerView.h"
#include "CVrxPRecurrence.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPAppointmentStorage, CVrxPAppointmentBaseStorage)

namespace {

bool IsZeroDate(const COleDateTime& date)
{
    return date == COleDateTime();
}

int HourOf(const COleDateTime& date)
{
    return date.GetHour();
}

int MinuteOf(const COleDateTime& date)
{
    return date.GetMinute();
}

// Restores a flag on every way out of a scope.
class OwnershipSuspended
{
public:
    explicit OwnershipSuspended(CVrxPAppointmentStorage& storage)
        : m_storage(storage), m_bSaved(storage.OwnsAppointments())
    {
        storage.SetOwnsAppointments(false);
    }
    ~OwnershipSuspended() { m_storage.SetOwnsAppointments(m_bSaved); }
    OwnershipSuspended(const OwnershipSuspended&) = delete;
    OwnershipSuspended& operator=(const OwnershipSuspended&) = delete;

private:
    CVrxPAppointmentStorage& m_storage;
    bool m_bSaved;
};

} // namespace

CVrxPAppointmentStorage::~CVrxPAppointmentStorage()
{
    RemoveAll();
}

CVrxPAppointmentStorage::DayKey CVrxPAppointmentStorage::DayKeyOf(const COleDateTime& date)
{
    return DayKey(date.GetYear(), date.GetDayOfYear());
}

void CVrxPAppointmentStorage::InsertIntoDay(CVrxPAppointment* pAppointment)
{
    std::vector<CVrxPAppointment*>& day = m_days[DayKeyOf(pAppointment->GetStart())];
    const int nStartHour = HourOf(pAppointment->GetStart());
    const int nStartMinute = MinuteOf(pAppointment->GetStart());
    const int nFinishHour = HourOf(pAppointment->GetFinish());
    const int nFinishMinute = MinuteOf(pAppointment->GetFinish());
    for (size_t i = day.size(); i-- > 0;)
    {
        const CVrxPAppointment* pOther = day[i];
        if (HourOf(pOther->GetStart()) == nStartHour && MinuteOf(pOther->GetStart()) == nStartMinute &&
            HourOf(pOther->GetFinish()) == nFinishHour && MinuteOf(pOther->GetFinish()) == nFinishMinute)
        {
            day.insert(day.begin() + static_cast<std::ptrdiff_t>(i) + 1, pAppointment);
            return;
        }
    }
    const auto later = std::find_if(day.begin(), day.end(), [&](const CVrxPAppointment* pOther) {
        const int nHour = HourOf(pOther->GetStart());
        return nHour > nStartHour || (nHour == nStartHour && MinuteOf(pOther->GetStart()) > nStartMinute);
    });
    day.insert(later, pAppointment);
}

void CVrxPAppointmentStorage::InsertIntoLongList(CVrxPAppointment* pAppointment)
{
    // The list is sorted: the newcomer moves down to its place.
    m_longList.push_back(pAppointment);
    for (size_t i = m_longList.size() - 1; i > 0 && CVrxPAppointment::Compare(m_longList[i], m_longList[i - 1]) < 0; --i)
        std::swap(m_longList[i], m_longList[i - 1]);
}

bool CVrxPAppointmentStorage::Add(CVrxPAppointment* pAppointment)
{
    if (pAppointment == nullptr)
        return false;
    if (pAppointment->IsRecurring())
    {
        if (AddRecurrence(pAppointment))
            return true;
        // An occurrence without its master would stay linked to a series
        // that is not here, and the control deletes occurrences it shows.
        pAppointment->ClearRecurrence();
    }
    InsertIntoDay(pAppointment);
    if (!CVrxPPlannerView::IsSameDay(pAppointment->GetStart(), pAppointment->GetFinish()))
        InsertIntoLongList(pAppointment);
    return true;
}

bool CVrxPAppointmentStorage::Remove(CVrxPAppointment* pAppointment)
{
    if (pAppointment == nullptr)
        return false;
    if (pAppointment->IsRecurring())
        return RemoveRecurrence(pAppointment);
    const auto day = m_days.find(DayKeyOf(pAppointment->GetStart()));
    if (day == m_days.end())
        return false;
    const auto found = std::find(day->second.begin(), day->second.end(), pAppointment);
    if (found == day->second.end())
        return false;
    day->second.erase(found);
    if (day->second.empty())
        m_days.erase(day);
    const auto inLongList = std::find(m_longList.begin(), m_longList.end(), pAppointment);
    if (inLongList != m_longList.end())
        m_longList.erase(inLongList);
    if (m_bOwnsAppointments)
        delete pAppointment;
    return true;
}

void CVrxPAppointmentStorage::Unlink(CVrxPAppointment* pAppointment)
{
    for (auto day = m_days.begin(); day != m_days.end();)
    {
        auto& list = day->second;
        list.erase(std::remove(list.begin(), list.end(), pAppointment), list.end());
        day = list.empty() ? m_days.erase(day) : std::next(day);
    }
    m_longList.erase(std::remove(m_longList.begin(), m_longList.end(), pAppointment), m_longList.end());
}

bool CVrxPAppointmentStorage::Update(CVrxPAppointment* pAppointment, const COleDateTime& dtOldStart, bool bForce)
{
    if (pAppointment == nullptr)
        return false;
    if (pAppointment->IsRecurring())
        return UpdateRecurrence(pAppointment, dtOldStart);
    OwnershipSuspended suspended(*this);
    const COleDateTime start = pAppointment->GetStart();
    const COleDateTime finish = pAppointment->GetFinish();
    if (!IsZeroDate(dtOldStart))
        pAppointment->SetInterval(dtOldStart, dtOldStart);
    const bool bRemoved = Remove(pAppointment);
    pAppointment->SetInterval(start, finish);
    if (!bRemoved)
    {
        if (!bForce)
            return false;
        // Not where the old start says: wherever it is indexed, it must
        // not stay there beside the copy added now.
        Unlink(pAppointment);
    }
    Add(pAppointment);
    return true;
}

bool CVrxPAppointmentStorage::RemoveAll()
{
    RemoveAllRecurrences();
    if (m_bOwnsAppointments)
    {
        for (auto& day : m_days)
        {
            for (CVrxPAppointment* pAppointment : day.second)
                delete pAppointment;
        }
    }
    m_days.clear();
    m_longList.clear();
    return true;
}

void CVrxPAppointmentStorage::Query(std::vector<CVrxPAppointment*>& result, const COleDateTime& dtFrom,
                                   const COleDateTime& dtTo)
{
    result.clear();
    std::vector<CVrxPAppointment*> occurrences;
    for (const auto& master : m_masters)
    {
        const CVrxPRecurrence* pRecurrence = master.second->GetRecurrence();
        if (pRecurrence == nullptr)
            continue;
        pRecurrence->GenerateOccurrences(occurrences, dtFrom, dtTo);
        result.insert(result.end(), occurrences.begin(), occurrences.end());
    }

    const COleDateTimeSpan range = dtTo - dtFrom;
    if (range.GetStatus() == COleDateTimeSpan::valid && range.GetTotalDays() >= 0)
    {
        const long nDays = static_cast<long>(range.GetTotalDays() + 0.5 / 86400);
        const DayKey first = DayKeyOf(dtFrom);
        const DayKey last = DayKeyOf(dtFrom + COleDateTimeSpan(static_cast<double>(nDays)));
        if (first.first >= 0 && last.first >= 0)
        {
            for (auto day = m_days.lower_bound(first); day != m_days.end() && day->first <= last; ++day)
                result.insert(result.end(), day->second.begin(), day->second.end());
        }
    }

    const COleDateTime midnight(dtFrom.GetYear(), dtFrom.GetMonth(), dtFrom.GetDay(), 0, 0, 0);
    for (CVrxPAppointment* pAppointment : m_longList)
    {
        if (!(pAppointment->GetStart() < dtFrom))
            break;
        if (pAppointment->GetFinish() < dtFrom)
            continue;
        if (pAppointment->GetFinish() == midnight && !pAppointment->IsAllDay())
            continue;
        result.push_back(pAppointment);
    }

    if (!result.empty())
        CVrxPAppointment::Sort(result.data(), static_cast<int>(result.size()));
}

void CVrxPAppointmentStorage::GetAll(std::vector<CVrxPAppointment*>& result) const
{
    for (const auto& day : m_days)
        result.insert(result.end(), day.second.begin(), day.second.end());
    for (const auto& master : m_masters)
        result.push_back(master.second);
}

bool CVrxPAppointmentStorage::IsEmpty() const
{
    return m_days.empty();
}

CVrxPAppointment* CVrxPAppointmentStorage::FindRecurrence(int nRecurrenceId) const
{
    const auto found = m_masters.find(nRecurrenceId);
    return found != m_masters.end() ? found->second : nullptr;
}

bool CVrxPAppointmentStorage::AddRecurrence(CVrxPAppointment* pAppointment)
{
    if (pAppointment->IsOccurrence())
    {
        CVrxPAppointment* pMaster = FindRecurrence(pAppointment->GetRecurrenceId());
        if (pMaster == nullptr || pMaster->GetRecurrence() == nullptr)
            return false;
        CVrxPAppointmentPropertyList properties;
        pAppointment->GetProperties(properties);
        pMaster->GetRecurrence()->SetException(pAppointment->GetOccurrenceDate(), properties, 0);
        delete pAppointment;
        return true;
    }
    int nId = pAppointment->GetRecurrenceId();
    const CVrxPAppointment* pHolder = nId != 0 ? FindRecurrence(nId) : nullptr;
    if (nId == 0 || (pHolder != nullptr && pHolder != pAppointment))
        nId = m_nLastRecurrenceId + 1;
    m_nLastRecurrenceId = std::max(m_nLastRecurrenceId, nId);
    pAppointment->SetRecurrenceId(nId);
    m_masters[nId] = pAppointment;
    return true;
}

bool CVrxPAppointmentStorage::UpdateRecurrence(CVrxPAppointment* pAppointment, const COleDateTime&)
{
    if (!pAppointment->IsOccurrence())
        return true;
    CVrxPAppointment* pMaster = FindRecurrence(pAppointment->GetRecurrenceId());
    if (pMaster != nullptr && pMaster->GetRecurrence() != nullptr)
    {
        CVrxPAppointmentPropertyList properties;
        pAppointment->GetProperties(properties);
        pMaster->GetRecurrence()->SetException(pAppointment->GetOccurrenceDate(), properties, 0);
    }
    return true;
}

bool CVrxPAppointmentStorage::RemoveRecurrence(CVrxPAppointment* pAppointment)
{
    const auto found = m_masters.find(pAppointment->GetRecurrenceId());
    CVrxPAppointment* pMaster = found != m_masters.end() ? found->second : nullptr;
    if (pAppointment->IsOccurrence())
    {
        if (pMaster != nullptr && pMaster->GetRecurrence() != nullptr)
        {
            CVrxPAppointmentPropertyList properties;
            pAppointment->GetProperties(properties);
            pMaster->GetRecurrence()->SetException(pAppointment->GetOccurrenceDate(), properties, 1);
        }
        delete pAppointment;
        return true;
    }
    // Only the master registered under the id leaves: another object that
    // merely carries the id is not the storage's to delete.
    if (pMaster == pAppointment)
    {
        m_masters.erase(found);
        if (m_bOwnsAppointments)
            delete pMaster;
    }
    return true;
}

bool CVrxPAppointmentStorage::RemoveAllRecurrences()
{
    if (m_bOwnsAppointments)
    {
        for (auto& master : m_masters)
            delete master.second;
    }
    m_masters.clear();
    return true;
}
