#include "VrxPPlannerArchive.h"

#include "core/CException.h"
#include "core/CObject.h"
#include "files/CArchive.h"

int VrxPReadElementCount(CArchive& ar)
{
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::genericException);
    return nCount;
}

CObject* VrxPReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass)
{
    const DWORD nBefore = ar.GetLoadedCount();
    CObject* pObject = ar.ReadObject(pClass);
    if (pObject != nullptr && ar.GetLoadedCount() == nBefore)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return pObject;
}
