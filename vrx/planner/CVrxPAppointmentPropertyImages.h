#pragma once

#include "CVrxPAppointmentBaseProperty.h"

#include <vector>

// An appointment's list of image indexes.
class CVrxPAppointmentPropertyImages : public CVrxPAppointmentBaseProperty
{
    DECLARE_SERIAL(CVrxPAppointmentPropertyImages)
public:
    CVrxPAppointmentPropertyImages() = default;
    explicit CVrxPAppointmentPropertyImages(const std::vector<int>& images);

    // Replaces the list's contents.
    void GetImages(std::vector<int>& images) const;

    // int32 count, then one int32 per index; loading appends, and refuses a
    // count larger than the bytes left could hold.
    void Serialize(CArchive& ar) override;
    bool HasValue() const override;
    CVrxPAppointmentBaseProperty* CopyFrom(const CVrxPAppointmentBaseProperty* pProperty) override;
    bool IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const override;

private:
    std::vector<int> m_images;
};
