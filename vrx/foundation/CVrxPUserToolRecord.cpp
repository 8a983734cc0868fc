#include "foundation/CVrxPUserToolRecord.h"

void CVrxPUserToolRecord::StoreFields(CArchive& ar) const
{
    ar << name << m_strCommand << arguments << initialDirectory << static_cast<DWORD>(commandId);
}

CString CVrxPUserToolRecord::LoadFields(CArchive& ar)
{
    CString command;
    DWORD dwCommandId;
    ar >> name >> command >> arguments >> initialDirectory >> dwCommandId;
    commandId = dwCommandId;
    return command;
}
