#pragma once

#include "core/CObject.h"

// The interface of one value of a property list; it holds none itself.
class CVrxPAppointmentBaseProperty : public CObject
{
    DECLARE_SERIAL(CVrxPAppointmentBaseProperty)
public:
    CVrxPAppointmentBaseProperty() = default;

    virtual bool HasValue() const;
    virtual CVrxPAppointmentBaseProperty* CopyFrom(const CVrxPAppointmentBaseProperty* pProperty);
    virtual bool IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const;
    bool IsDifferent(const CVrxPAppointmentBaseProperty* pProperty) const { return !IsEqual(pProperty); }

    // A new object of this property's class holding the same value.
    CVrxPAppointmentBaseProperty* Clone() const;
};
