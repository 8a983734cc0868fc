#include "CVrxPAppointmentBaseProperty.h"

#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPAppointmentBaseProperty, CObject, 1 | VERSIONABLE_SCHEMA)

bool CVrxPAppointmentBaseProperty::HasValue() const
{
    return false;
}

CVrxPAppointmentBaseProperty* CVrxPAppointmentBaseProperty::CopyFrom(const CVrxPAppointmentBaseProperty*)
{
    return this;
}

bool CVrxPAppointmentBaseProperty::IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const
{
    return pProperty == this;
}

CVrxPAppointmentBaseProperty* CVrxPAppointmentBaseProperty::Clone() const
{
    CObject* pObject = GetRuntimeClass()->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    auto* pCopy = static_cast<CVrxPAppointmentBaseProperty*>(pObject);
    pCopy->CopyFrom(this);
    return pCopy;
}
