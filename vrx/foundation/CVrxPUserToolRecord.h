#pragma once

// What a user tool keeps between runs, apart from anything on the screen: its
// name, the program, its arguments and initial directory, and the command id
// it runs under.
//
// Archive: name, command, arguments, initial directory (framework strings),
// command id (32 bits).

#include "core/CObject.h"
#include "core/CRuntimeClass.h"
#include "files/CArchive.h"
#include "strings/CString.h"

class CVrxPUserToolRecord : public CObject
{
public:
    // The schema tools are archived with; any stored schema is read the same.
    static constexpr UINT storedSchema = VERSIONABLE_SCHEMA | 1;

    const CString& GetCommand() const { return m_strCommand; }

    CString name;
    CString arguments;
    CString initialDirectory;
    UINT commandId = 0;

protected:
    void StoreFields(CArchive& ar) const;
    // Reads every field but the command, which it returns.
    CString LoadFields(CArchive& ar);

    CString m_strCommand;
};
