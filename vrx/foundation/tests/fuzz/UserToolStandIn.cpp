#include "UserToolStandIn.h"

IMPLEMENT_SERIAL(CVrxPUserTool, CObject, CVrxPUserToolRecord::storedSchema)

void CVrxPUserTool::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreFields(ar);
    else
        m_strCommand = LoadFields(ar);
}
