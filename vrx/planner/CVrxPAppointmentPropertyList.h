#pragma once

#include "CVrxPAppointmentBaseProperty.h"

#include <map>

// Maps a property id to a property the list owns. Ids 0..7 are an
// appointment's, 100..111 a recurrence rule's. Walks skip empty slots that
// At left behind.
class CVrxPAppointmentPropertyList : public CObject
{
    DECLARE_SERIAL(CVrxPAppointmentPropertyList)
public:
    typedef std::map<int, CVrxPAppointmentBaseProperty*>::const_iterator POSITION_TYPE;

    CVrxPAppointmentPropertyList() = default;
    ~CVrxPAppointmentPropertyList() override;

    // False when the id is present or the property is null; the caller
    // then keeps the property.
    bool Add(int nId, CVrxPAppointmentBaseProperty* pProperty);
    // The slot of the id, made empty when missing.
    CVrxPAppointmentBaseProperty*& At(int nId);
    CVrxPAppointmentBaseProperty* Get(int nId) const;
    bool Has(int nId) const;
    int GetCount() const { return static_cast<int>(m_properties.size()); }
    void RemoveAll();
    const std::map<int, CVrxPAppointmentBaseProperty*>& GetProperties() const { return m_properties; }

    void CopyFrom(const CVrxPAppointmentPropertyList& list);
    virtual bool IsEqual(const CVrxPAppointmentPropertyList& list) const;
    virtual bool IsDifferent(const CVrxPAppointmentPropertyList& list) const { return !IsEqual(list); }

    // int32 count, then per entry in id order an int32 id and the property
    // as an object reference. Loading refuses null properties, classes that
    // are not properties, and known ids holding a value of another kind.
    void Serialize(CArchive& ar) override;

private:
    std::map<int, CVrxPAppointmentBaseProperty*> m_properties;
};
