#include "CVrxPAppointmentPropertyImages.h"

#include "VrxPPlannerArchive.h"

#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPAppointmentPropertyImages, CVrxPAppointmentBaseProperty, 1 | VERSIONABLE_SCHEMA)

CVrxPAppointmentPropertyImages::CVrxPAppointmentPropertyImages(const std::vector<int>& images) : m_images(images)
{
}

void CVrxPAppointmentPropertyImages::GetImages(std::vector<int>& images) const
{
    images = m_images;
}

void CVrxPAppointmentPropertyImages::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<int>(m_images.size());
        for (int nImage : m_images)
            ar << nImage;
        return;
    }
    const int nCount = VrxPReadElementCount(ar);
    for (int i = 0; i < nCount; ++i)
    {
        int nImage = 0;
        ar >> nImage;
        m_images.push_back(nImage);
    }
}

bool CVrxPAppointmentPropertyImages::HasValue() const
{
    return true;
}

CVrxPAppointmentBaseProperty* CVrxPAppointmentPropertyImages::CopyFrom(const CVrxPAppointmentBaseProperty* pProperty)
{
    if (pProperty != nullptr && pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentPropertyImages)))
        m_images = static_cast<const CVrxPAppointmentPropertyImages*>(pProperty)->m_images;
    return this;
}

bool CVrxPAppointmentPropertyImages::IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const
{
    if (pProperty == this)
        return true;
    if (pProperty == nullptr || !pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentPropertyImages)))
        return false;
    return m_images == static_cast<const CVrxPAppointmentPropertyImages*>(pProperty)->m_images;
}
