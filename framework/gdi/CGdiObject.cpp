#include "gdi/CGdiObject.h"

#include "gdi/CBitmap.h"
#include "gdi/CBrush.h"
#include "gdi/CDC.h"
#include "gdi/CFont.h"
#include "gdi/CHandleMap.h"
#include "gdi/CImageList.h"
#include "gdi/CPalette.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CGdiObject* NewTemporaryObject(HGDIOBJ hObject)
{
    CGdiObject* pObject;
    switch (::GetObjectType(hObject))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        pObject = new CPen;
        break;
    case OBJ_BRUSH:
        pObject = new CBrush;
        break;
    case OBJ_FONT:
        pObject = new CFont;
        break;
    case OBJ_BITMAP:
        pObject = new CBitmap;
        break;
    case OBJ_REGION:
        pObject = new CRgn;
        break;
    case OBJ_PAL:
        pObject = new CPalette;
        break;
    default:
        pObject = new CGdiObject;
        break;
    }
    pObject->m_hObject = hObject;
    return pObject;
}

void ReleaseTemporaryObject(CGdiObject* pObject)
{
    pObject->m_hObject = nullptr;
    delete pObject;
}

HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject->m_hObject;
}

CHandleMap<HGDIOBJ, CGdiObject>& GdiObjectMap()
{
    static CHandleMap<HGDIOBJ, CGdiObject> map(NewTemporaryObject, ReleaseTemporaryObject, HandleOf);
    return map;
}

} // namespace

CGdiObject::CGdiObject()
    : m_hObject(nullptr)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CGdiObject* volatile self = this;
    return self == nullptr ? nullptr : self->m_hObject;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiObjectMap().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    GdiObjectMap().DeleteTemporary();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    Detach();
    m_hObject = hObject;
    GdiObjectMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        GdiObjectMap().RemovePermanent(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

void AfxDeleteTempGdiObjects()
{
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CImageList::DeleteTempMap();
}
