#include "CVrxPAppointmentPropertyList.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyImages.h"
#include "VrxPPlannerArchive.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <memory>

IMPLEMENT_SERIAL(CVrxPAppointmentPropertyList, CObject, 1 | VERSIONABLE_SCHEMA)

namespace {

// The value kind each known id carries; VT_EMPTY for the images property,
// VT_NULL for ids the planner does not define.
VARTYPE ExpectedType(int nId)
{
    switch (nId)
    {
    case 0: case 1: case 100: case 105: return VT_DATE;
    case 101: case 102: return VT_R8;
    case 2: return VT_BSTR;
    case 7: return VT_BOOL;
    case 6: return VT_EMPTY;
    case 3: case 4: case 5: case 103: case 104:
    case 106: case 107: case 108: case 109: case 110: case 111: return VT_I4;
    default: return VT_NULL;
    }
}

bool FitsId(int nId, const CVrxPAppointmentBaseProperty* pProperty)
{
    const VARTYPE vt = ExpectedType(nId);
    if (vt == VT_NULL)
        return true;
    if (vt == VT_EMPTY)
        return pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentPropertyImages));
    return pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentProperty)) &&
           static_cast<const CVrxPAppointmentProperty*>(pProperty)->GetValue().vt == vt;
}

} // namespace

CVrxPAppointmentPropertyList::~CVrxPAppointmentPropertyList()
{
    RemoveAll();
}

bool CVrxPAppointmentPropertyList::Add(int nId, CVrxPAppointmentBaseProperty* pProperty)
{
    if (pProperty == nullptr)
        return false;
    return m_properties.emplace(nId, pProperty).second;
}

CVrxPAppointmentBaseProperty*& CVrxPAppointmentPropertyList::At(int nId)
{
    return m_properties[nId];
}

CVrxPAppointmentBaseProperty* CVrxPAppointmentPropertyList::Get(int nId) const
{
    const auto found = m_properties.find(nId);
    return found != m_properties.end() ? found->second : nullptr;
}

bool CVrxPAppointmentPropertyList::Has(int nId) const
{
    return m_properties.count(nId) != 0;
}

void CVrxPAppointmentPropertyList::RemoveAll()
{
    for (auto& entry : m_properties)
        delete entry.second;
    m_properties.clear();
}

void CVrxPAppointmentPropertyList::CopyFrom(const CVrxPAppointmentPropertyList& list)
{
    if (&list == this)
        return;
    RemoveAll();
    for (const auto& entry : list.m_properties)
    {
        if (entry.second == nullptr)
            continue;
        CVrxPAppointmentBaseProperty* pCopy = entry.second->Clone();
        if (pCopy != nullptr)
            m_properties.emplace(entry.first, pCopy);
    }
}

bool CVrxPAppointmentPropertyList::IsEqual(const CVrxPAppointmentPropertyList& list) const
{
    if (GetCount() != list.GetCount())
        return false;
    for (const auto& entry : m_properties)
    {
        if (entry.second == nullptr)
            continue;
        const CVrxPAppointmentBaseProperty* pOther = list.Get(entry.first);
        if (pOther == nullptr || entry.second->IsDifferent(pOther))
            return false;
    }
    return true;
}

void CVrxPAppointmentPropertyList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        int nCount = 0;
        for (const auto& entry : m_properties)
            nCount += entry.second != nullptr ? 1 : 0;
        ar << nCount;
        for (const auto& entry : m_properties)
        {
            if (entry.second != nullptr)
                ar << entry.first << static_cast<const CObject*>(entry.second);
        }
        return;
    }
    RemoveAll();
    const int nCount = VrxPReadElementCount(ar);
    for (int i = 0; i < nCount; ++i)
    {
        int nId = 0;
        ar >> nId;
        std::unique_ptr<CVrxPAppointmentBaseProperty> pProperty(
            static_cast<CVrxPAppointmentBaseProperty*>(ar.ReadOwnedObject(RUNTIME_CLASS(CVrxPAppointmentBaseProperty))));
        if (pProperty == nullptr || !FitsId(nId, pProperty.get()) || !Add(nId, pProperty.get()))
            AfxThrowArchiveException(CArchiveException::genericException);
        pProperty.release();
    }
}
