#pragma once

#include "CVrxPAppointmentBaseProperty.h"

#include "ole/COleDateTime.h"
#include "ole/COleVariant.h"
#include "strings/CString.h"

// One value: a date (VT_DATE), a span in days (VT_R8), a bool (VT_BOOL), a
// text (VT_BSTR) or a number (VT_I4). The typed readers convert a value of
// another type and throw COleException* when that fails.
class CVrxPAppointmentProperty : public CVrxPAppointmentBaseProperty
{
    DECLARE_SERIAL(CVrxPAppointmentProperty)
public:
    CVrxPAppointmentProperty() = default;
    explicit CVrxPAppointmentProperty(const COleDateTime& date);
    explicit CVrxPAppointmentProperty(const COleDateTimeSpan& span);
    explicit CVrxPAppointmentProperty(bool bValue);
    explicit CVrxPAppointmentProperty(const CString& strValue);
    explicit CVrxPAppointmentProperty(int nValue);

    COleDateTime AsDate() const;
    COleDateTimeSpan AsSpan() const;
    bool AsBool() const;
    int AsInt() const;
    CString AsText() const;

    const COleVariant& GetValue() const { return m_value; }

    // The archive form is the variant's; loading accepts only the five
    // value types above (CArchiveException badIndex otherwise).
    void Serialize(CArchive& ar) override;
    bool HasValue() const override;
    CVrxPAppointmentBaseProperty* CopyFrom(const CVrxPAppointmentBaseProperty* pProperty) override;
    bool IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const override;

private:
    COleVariant Converted(VARTYPE vt) const;

    COleVariant m_value;
};
