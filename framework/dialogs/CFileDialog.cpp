#include "dialogs/CFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace
{
// The part of a path after its last folder separator.
CString FileNameOf(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('\\');
    int nForward = strPath.ReverseFind('/');
    return strPath.Mid((nSlash > nForward ? nSlash : nForward) + 1);
}
} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName()
{
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    // The explorer style separates several chosen files with NULs.
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszFileName != NULL)
        lstrcpyn(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszDefExt != NULL)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFilter != NULL)
    {
        // Each bar becomes a NUL; the list ends with two.
        int nLength = lstrlen(lpszFilter);
        LPTSTR pszFilter = m_strFilter.GetBuffer(nLength + 1);
        std::memcpy(pszFilter, lpszFilter, static_cast<size_t>(nLength));
        for (int i = 0; i < nLength; ++i)
        {
            if (pszFilter[i] == '|')
                pszFilter[i] = '\0';
        }
        pszFilter[nLength] = '\0';
        m_strFilter.ReleaseBuffer(nLength + 1);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = AfxGetSafeHwnd(GetSafeOwner(m_pParentWnd));
    BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    return FileNameOf(GetPathName());
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

BOOL CFileDialog::GetReadOnlyPref() const
{
    return (m_ofn.Flags & OFN_READONLY) != 0;
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile[0] != '\0' ? reinterpret_cast<POSITION>(m_ofn.lpstrFile) : NULL;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCTSTR lpszFirst = m_ofn.lpstrFile;
    LPCTSTR lpszSecond = lpszFirst + lstrlen(lpszFirst) + 1;
    // One file: the buffer holds its path alone. Several: the folder, then
    // each file's name.
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || *lpszSecond == '\0')
    {
        pos = NULL;
        return lpszFirst;
    }
    LPCTSTR lpszName = reinterpret_cast<LPCTSTR>(pos);
    if (lpszName == lpszFirst)
        lpszName = lpszSecond;
    CString strPath = lpszFirst;
    if (strPath.Right(1) != "\\")
        strPath += '\\';
    strPath += lpszName;
    LPCTSTR lpszNext = lpszName + lstrlen(lpszName) + 1;
    pos = *lpszNext != '\0' ? reinterpret_cast<POSITION>(const_cast<LPTSTR>(lpszNext)) : NULL;
    return strPath;
}
