#pragma once

// What the program's command line asks for, filled in argument by argument
// by CWinApp::ParseCommandLine.

#include "core/CObject.h"
#include "strings/CString.h"

class FRAMEWORK_API CCommandLineInfo : public CObject
{
public:
    enum ShellCommand
    {
        FileNew,
        FileOpen
    };

    CCommandLineInfo();

    // pszParam is one argument; a flag (bFlag) comes without its '/' or '-'.
    // "Embedding" and "Automation" (any case) set m_bRunEmbedded and
    // m_bRunAutomated; the first argument that is no flag is the file to
    // open. Other arguments are ignored.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    ShellCommand m_nShellCommand;
    CString m_strFileName;
};
