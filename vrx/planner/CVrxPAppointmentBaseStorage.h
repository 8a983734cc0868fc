#pragma once

#include "core/CObject.h"
#include "ole/COleDateTime.h"

#include <vector>

class CVrxPAppointment;

// What the planner control asks of the object that keeps its appointments;
// an application may supply its own.
class CVrxPAppointmentBaseStorage : public CObject
{
    DECLARE_DYNAMIC(CVrxPAppointmentBaseStorage)
public:
    virtual bool Add(CVrxPAppointment* pAppointment) = 0;
    virtual bool Update(CVrxPAppointment* pAppointment, const COleDateTime& dtOldStart, bool bForce) = 0;
    virtual bool Remove(CVrxPAppointment* pAppointment) = 0;
    virtual bool RemoveAll() = 0;
    virtual void Query(std::vector<CVrxPAppointment*>& result, const COleDateTime& dtFrom,
                       const COleDateTime& dtTo) = 0;
    virtual void GetAll(std::vector<CVrxPAppointment*>& result) const = 0;
    virtual bool IsEmpty() const = 0;
    virtual CVrxPAppointment* FindRecurrence(int nRecurrenceId) const = 0;

protected:
    CVrxPAppointmentBaseStorage() = default;
};
