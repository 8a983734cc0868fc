#pragma once

#include "CVrxPAppointmentPropertyList.h"

#include "core/CObject.h"
#include "ole/COleDateTime.h"

#include <map>
#include <vector>

class CVrxPAppointment;
class CVrxPRecurrenceBaseRule;

// What an occurrence's change left: removed, or its new times and the
// properties that differ from the master's.
struct CVrxPRecurrenceExceptionRecord
{
    int bRemoved = 0;
    COleDateTime dtStart;
    COleDateTime dtFinish;
    CVrxPAppointmentPropertyList changes;
};

// A master's rule and exceptions; it turns the master into the occurrences
// of a date range.
class CVrxPRecurrence : public CObject
{
    DECLARE_SERIAL(CVrxPRecurrence)
public:
    // Exceptions by pattern date (its value), in date order.
    typedef std::map<double, CVrxPRecurrenceExceptionRecord*> ExceptionMap;

    CVrxPRecurrence() = default;
    ~CVrxPRecurrence() override;

    // The occurrences for [from, to], unsorted, owned by the caller:
    // changed occurrences that reach into the range, then the rule's dates
    // that have no exception.
    virtual void GenerateOccurrences(std::vector<CVrxPAppointment*>& result, const COleDateTime& from,
                                     const COleDateTime& to) const;
    // The occurrence of a pattern date, owned by the caller; null without
    // an owner or for a removed date.
    virtual CVrxPAppointment* OccurrenceAt(const COleDateTime& date) const;

    // Records the change (or the removal) of the occurrence of a date;
    // records nothing when no property differs.
    void SetException(const COleDateTime& date, const CVrxPAppointmentPropertyList& properties, int bRemoved);
    void RemoveAllExceptions();
    const ExceptionMap& GetExceptions() const { return m_exceptions; }

    void SetOwner(CVrxPAppointment* pOwner) { m_pOwner = pOwner; }
    CVrxPAppointment* GetOwner() const { return m_pOwner; }
    CVrxPRecurrenceBaseRule* GetRule() const { return m_pRule; }
    // Takes ownership of the rule.
    void SetRule(CVrxPRecurrenceBaseRule* pRule);

    // Loading refuses a second record for one date, a date that is not
    // valid and a missing property list of a changed occurrence.
    void Serialize(CArchive& ar) override;

private:
    const CVrxPRecurrenceExceptionRecord* ExceptionAt(const COleDateTime& date) const;

    CVrxPAppointment* m_pOwner = nullptr;
    CVrxPRecurrenceBaseRule* m_pRule = nullptr;
    ExceptionMap m_exceptions;
    // The owner's properties while GenerateOccurrences runs, read once for
    // all the occurrences it makes.
    mutable const CVrxPAppointmentPropertyList* m_pOwnerProperties = nullptr;
};
