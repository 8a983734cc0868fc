#pragma once

#include "CVrxPAppointmentBaseStorage.h"

#include <map>
#include <utility>

// The library's storage: plain appointments indexed by the day of their
// start, those that run over midnight also in a sorted long list, and
// recurrence masters by recurrence id. Occurrences are made anew by every
// query and belong to its caller.
class CVrxPAppointmentStorage : public CVrxPAppointmentBaseStorage
{
    DECLARE_DYNCREATE(CVrxPAppointmentStorage)
public:
    CVrxPAppointmentStorage() = default;
    ~CVrxPAppointmentStorage() override;

    // An occurrence whose master is stored becomes an exception of it (and
    // is deleted); one whose master is not is made plain and indexed.
    bool Add(CVrxPAppointment* pAppointment) override;
    // Re-indexes an appointment that started at dtOldStart (the zero date
    // when its start did not change). With bForce an appointment that is
    // not found there is taken out wherever it is indexed and added again.
    bool Update(CVrxPAppointment* pAppointment, const COleDateTime& dtOldStart, bool bForce) override;
    bool Remove(CVrxPAppointment* pAppointment) override;
    bool RemoveAll() override;
    void Query(std::vector<CVrxPAppointment*>& result, const COleDateTime& dtFrom, const COleDateTime& dtTo) override;
    void GetAll(std::vector<CVrxPAppointment*>& result) const override;
    bool IsEmpty() const override;
    CVrxPAppointment* FindRecurrence(int nRecurrenceId) const override;

    // A master whose id another master holds gets the next free id.
    virtual bool AddRecurrence(CVrxPAppointment* pAppointment);
    virtual bool UpdateRecurrence(CVrxPAppointment* pAppointment, const COleDateTime& date);
    virtual bool RemoveRecurrence(CVrxPAppointment* pAppointment);
    virtual bool RemoveAllRecurrences();

    bool OwnsAppointments() const { return m_bOwnsAppointments; }
    void SetOwnsAppointments(bool bOwns) { m_bOwnsAppointments = bOwns; }
    int GetLastRecurrenceId() const { return m_nLastRecurrenceId; }

private:
    // (year, day of the year) of a date; (-1, -1) when it is not valid.
    typedef std::pair<int, int> DayKey;
    static DayKey DayKeyOf(const COleDateTime& date);

    void InsertIntoDay(CVrxPAppointment* pAppointment);
    void InsertIntoLongList(CVrxPAppointment* pAppointment);
    void Unlink(CVrxPAppointment* pAppointment);

    bool m_bOwnsAppointments = true;
    std::map<DayKey, std::vector<CVrxPAppointment*>> m_days;
    std::vector<CVrxPAppointment*> m_longList;
    int m_nLastRecurrenceId = 0;
    std::map<int, CVrxPAppointment*> m_masters;
};
