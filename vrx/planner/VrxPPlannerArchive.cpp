#include "VrxPPlannerArchive.h"

#include "core/CException.h"
#include "files/CArchive.h"

int VrxPReadElementCount(CArchive& ar)
{
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::genericException);
    return nCount;
}
