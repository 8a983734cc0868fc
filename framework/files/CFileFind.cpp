#include "files/CFileFind.h"

#include "files/FilePath.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind()
    : m_hContext(INVALID_HANDLE_VALUE), m_bHasFound(false), m_bHasNext(false)
{
}

CFileFind::~CFileFind()
{
    Close();
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD)
{
    Close();
    const LPCTSTR pattern = pstrName != NULL ? pstrName : "*.*";
    m_hContext = FindFirstFileA(pattern, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = true;
    m_strRoot = FilePathFolder(FilePathFull(pattern));
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasFound = true;
    m_bHasNext = ::FindNextFileA(m_hContext, &m_next) != FALSE;
    return m_bHasNext;
}

void CFileFind::Close()
{
    if (m_hContext != INVALID_HANDLE_VALUE)
        FindClose(m_hContext);
    m_hContext = INVALID_HANDLE_VALUE;
    m_bHasFound = false;
    m_bHasNext = false;
    m_strRoot.Empty();
}

ULONGLONG CFileFind::GetLength() const
{
    if (!m_bHasFound)
        return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

CString CFileFind::GetFileName() const
{
    return m_bHasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    if (!m_bHasFound)
        return CString();
    CString path = m_strRoot;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\' && path[path.GetLength() - 1] != '/')
        path += '\\';
    return path + m_found.cFileName;
}

CString CFileFind::GetFileTitle() const
{
    return m_bHasFound ? FilePathTitle(m_found.cFileName) : CString();
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

BOOL CFileFind::IsDots() const
{
    return m_bHasFound && IsDirectory()
        && (std::strcmp(m_found.cFileName, ".") == 0 || std::strcmp(m_found.cFileName, "..") == 0);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_bHasFound && (m_found.dwFileAttributes & dwMask) != 0;
}
