#include "foundation/VrxPBuildRegistryPath.h"

#include "app/CWinApp.h"

CString VrxPBuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszPath)
{
    if (lpszPath != NULL && *lpszPath != '\0')
        return lpszPath;
    CWinApp* pApp = AfxGetApp();
    CString path = "SOFTWARE\\";
    if (pApp != NULL && pApp->m_pszRegistryKey != NULL && *pApp->m_pszRegistryKey != '\0')
        path += CString(pApp->m_pszRegistryKey) + "\\";
    if (pApp != NULL && pApp->m_pszProfileName != NULL)
        path += pApp->m_pszProfileName;
    path += "\\";
    path += lpszSection;
    path += "\\";
    return path;
}
