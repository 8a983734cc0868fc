#include "app/CCommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo() : m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{
}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        if (_tcsicmp(pszParam, "Embedding") == 0)
            m_bRunEmbedded = TRUE;
        else if (_tcsicmp(pszParam, "Automation") == 0)
            m_bRunAutomated = TRUE;
    }
    else if (m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}
