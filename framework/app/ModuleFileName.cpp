#include "app/ModuleFileName.h"

CString ModuleFilePath(HMODULE hModule)
{
    TCHAR szPath[MAX_PATH];
    DWORD nLength = GetModuleFileName(hModule, szPath, MAX_PATH);
    return CString(szPath, nLength < MAX_PATH ? static_cast<int>(nLength) : 0);
}

CString WithoutExtension(const CString& strPath)
{
    int nDot = strPath.ReverseFind('.');
    return nDot > strPath.ReverseFind('\\') ? strPath.Left(nDot) : strPath;
}

CString FileTitle(const CString& strPath)
{
    CString strName = WithoutExtension(strPath);
    return strName.Mid(strName.ReverseFind('\\') + 1);
}
