#include "CVrxPAppointmentProperty.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <cstring>

IMPLEMENT_SERIAL(CVrxPAppointmentProperty, CVrxPAppointmentBaseProperty, 1 | VERSIONABLE_SCHEMA)

CVrxPAppointmentProperty::CVrxPAppointmentProperty(const COleDateTime& date) : m_value(date.m_dt, VT_DATE)
{
}

CVrxPAppointmentProperty::CVrxPAppointmentProperty(const COleDateTimeSpan& span) : m_value(span.m_span, VT_R8)
{
}

CVrxPAppointmentProperty::CVrxPAppointmentProperty(bool bValue)
    : m_value(static_cast<short>(bValue ? VARIANT_TRUE : VARIANT_FALSE), VT_BOOL)
{
}

CVrxPAppointmentProperty::CVrxPAppointmentProperty(const CString& strValue) : m_value(strValue)
{
}

CVrxPAppointmentProperty::CVrxPAppointmentProperty(int nValue) : m_value(nValue, VT_I4)
{
}

COleVariant CVrxPAppointmentProperty::Converted(VARTYPE vt) const
{
    COleVariant value;
    value.ChangeType(vt, const_cast<COleVariant*>(&m_value));
    return value;
}

// Values of the asked type are read as they are; others are converted.
COleDateTime CVrxPAppointmentProperty::AsDate() const
{
    if (m_value.vt == VT_DATE || m_value.vt == VT_R8)
        return COleDateTime(m_value.dblVal);
    return COleDateTime(Converted(VT_R8).dblVal);
}

COleDateTimeSpan CVrxPAppointmentProperty::AsSpan() const
{
    if (m_value.vt == VT_DATE || m_value.vt == VT_R8)
        return COleDateTimeSpan(m_value.dblVal);
    return COleDateTimeSpan(Converted(VT_R8).dblVal);
}

bool CVrxPAppointmentProperty::AsBool() const
{
    if (m_value.vt == VT_BOOL)
        return m_value.boolVal != 0;
    return Converted(VT_BOOL).boolVal != 0;
}

int CVrxPAppointmentProperty::AsInt() const
{
    if (m_value.vt == VT_I4)
        return static_cast<int>(m_value.lVal);
    return static_cast<int>(Converted(VT_I4).lVal);
}

CString CVrxPAppointmentProperty::AsText() const
{
    if (m_value.vt == VT_BSTR)
        return CString(m_value.bstrVal, static_cast<int>(SysStringLen(m_value.bstrVal)));
    const COleVariant value = Converted(VT_BSTR);
    return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
}

void CVrxPAppointmentProperty::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_value;
        return;
    }
    COleVariant value;
    ar >> value;
    switch (value.vt)
    {
    case VT_DATE:
    case VT_R8:
    case VT_BOOL:
    case VT_BSTR:
    case VT_I4:
        break;
    default:
        AfxThrowArchiveException(CArchiveException::badIndex);
    }
    m_value = value;
}

bool CVrxPAppointmentProperty::HasValue() const
{
    return m_value.vt != VT_EMPTY;
}

CVrxPAppointmentBaseProperty* CVrxPAppointmentProperty::CopyFrom(const CVrxPAppointmentBaseProperty* pProperty)
{
    if (pProperty != nullptr && pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentProperty)))
        m_value = static_cast<const CVrxPAppointmentProperty*>(pProperty)->m_value;
    return this;
}

bool CVrxPAppointmentProperty::IsEqual(const CVrxPAppointmentBaseProperty* pProperty) const
{
    if (pProperty == this)
        return true;
    if (pProperty == nullptr || !pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentProperty)))
        return false;
    const COleVariant& other = static_cast<const CVrxPAppointmentProperty*>(pProperty)->m_value;
    if (other.vt != m_value.vt)
        return false;
    switch (m_value.vt)
    {
    case VT_EMPTY: return true;
    case VT_DATE: return m_value.date == other.date;
    case VT_R8: return m_value.dblVal == other.dblVal;
    case VT_BOOL: return m_value.boolVal == other.boolVal;
    case VT_I4: return m_value.lVal == other.lVal;
    case VT_BSTR:
    {
        const UINT nLength = SysStringLen(m_value.bstrVal);
        return nLength == SysStringLen(other.bstrVal) &&
               (nLength == 0 || std::memcmp(m_value.bstrVal, other.bstrVal, nLength * sizeof(OLECHAR)) == 0);
    }
    default: return m_value == other;
    }
}
