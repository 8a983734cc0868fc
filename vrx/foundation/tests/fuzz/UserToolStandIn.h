#pragma once

// The tool class as the "Tools" value names it, for the native build: it
// keeps what the Windows class keeps, without the program's icon.

#include "foundation/CVrxPUserToolRecord.h"

class CVrxPUserTool : public CVrxPUserToolRecord
{
    DECLARE_SERIAL(CVrxPUserTool)
public:
    void Serialize(CArchive& ar) override;
    void SetCommand(const CString& command) { m_strCommand = command; }
};
