#include "core/CObject.h"

#include "core/CDumpContext.h"

// The root record has no base class and is never created by name.
CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), AFX_NOT_SERIALIZABLE_SCHEMA,
                                       nullptr, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT afxClassInitCObject(&CObject::classCObject, AfxGetThisModule());

CObject::CObject() = default;

CObject::~CObject() = default;

CRuntimeClass* CObject::GetThisClass()
{
    return &classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this) << "\n";
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != AFX_NOT_SERIALIZABLE_SCHEMA;
}
