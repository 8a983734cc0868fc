#include "ole/COleDataObject.h"

#include <cstring>

namespace
{
FORMATETC GlobalFormat(CLIPFORMAT cfFormat)
{
    FORMATETC format = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return format;
}

HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    const SIZE_T nSize = ::GlobalSize(hSource);
    const void* pSource = ::GlobalLock(hSource);
    if (pSource == nullptr)
        return NULL;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize);
    if (hCopy != NULL)
    {
        std::memcpy(::GlobalLock(hCopy), pSource, nSize);
        ::GlobalUnlock(hCopy);
    }
    ::GlobalUnlock(hSource);
    return hCopy;
}
} // namespace

COleDataObject::COleDataObject() : m_pDataObject(nullptr), m_bAutoRelease(TRUE)
{
}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(IDataObject* pDataObject, BOOL bAutoRelease)
{
    Release();
    m_pDataObject = pDataObject;
    m_bAutoRelease = bAutoRelease;
}

IDataObject* COleDataObject::Detach()
{
    IDataObject* pDataObject = m_pDataObject;
    m_pDataObject = nullptr;
    return pDataObject;
}

void COleDataObject::Release()
{
    if (m_pDataObject != nullptr && m_bAutoRelease)
        m_pDataObject->Release();
    m_pDataObject = nullptr;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const
{
    FORMATETC format = GlobalFormat(cfFormat);
    return m_pDataObject != nullptr && m_pDataObject->QueryGetData(&format) == S_OK;
}

// Memory the medium's owner keeps is copied, so the caller always owns the
// handle it gets.
HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat) const
{
    if (m_pDataObject == nullptr)
        return NULL;
    FORMATETC format = GlobalFormat(cfFormat);
    STGMEDIUM medium = {};
    if (FAILED(m_pDataObject->GetData(&format, &medium)))
        return NULL;
    if (medium.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&medium);
        return NULL;
    }
    if (medium.pUnkForRelease == nullptr)
        return medium.hGlobal;
    HGLOBAL hCopy = CopyGlobal(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return hCopy;
}
