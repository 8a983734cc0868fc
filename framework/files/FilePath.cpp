#include "files/FilePath.h"

#include <algorithm>

namespace {

int LastSeparator(const CString& path)
{
    for (int i = path.GetLength() - 1; i >= 0; --i)
    {
        const char ch = path[i];
        if (ch == '\\' || ch == '/' || ch == ':')
            return i;
    }
    return -1;
}

} // namespace

CString FilePathFull(LPCTSTR lpszPath)
{
    const DWORD nNeeded = GetFullPathNameA(lpszPath, 0, NULL, NULL);
    if (nNeeded == 0)
        return CString(lpszPath);
    CString full;
    const DWORD nLength = GetFullPathNameA(lpszPath, nNeeded, full.GetBuffer(nNeeded), NULL);
    full.ReleaseBuffer(nLength < nNeeded ? static_cast<int>(nLength) : 0);
    return full.IsEmpty() ? CString(lpszPath) : full;
}

CString FilePathName(LPCTSTR lpszPath)
{
    const CString path(lpszPath);
    return path.Mid(LastSeparator(path) + 1);
}

CString FilePathTitle(LPCTSTR lpszPath)
{
    const CString name = FilePathName(lpszPath);
    const int nDot = name.ReverseFind('.');
    return nDot > 0 ? name.Left(nDot) : name;
}

CString FilePathFolder(LPCTSTR lpszPath)
{
    const CString path(lpszPath);
    const int nSeparator = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    if (nSeparator < 0)
        return CString();
    // A root keeps its separator: C:\ is a folder, C: is not.
    const bool bRoot = nSeparator == 0 || path[nSeparator - 1] == ':';
    return path.Left(bRoot ? nSeparator + 1 : nSeparator);
}
