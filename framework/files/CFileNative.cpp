#include "files/CFile.h"

// The native build opens no files on disk: there CFile is only the base of
// the memory files, and its own operations are not supported.

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile()
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile)
    : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT)
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE), m_strFileName(lpszFileName)
{
    AfxThrowNotSupportedException();
}

CFile::~CFile() = default;

BOOL CFile::Open(LPCTSTR lpszFileName, UINT, CFileException* pError)
{
    if (pError != NULL)
    {
        pError->m_cause = CFileException::genericException;
        pError->m_lOsError = -1;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

void CFile::ThrowLastError() const
{
    AfxThrowNotSupportedException();
}

ULONGLONG CFile::GetPosition() const
{
    AfxThrowNotSupportedException();
}

ULONGLONG CFile::Seek(LONGLONG, UINT)
{
    AfxThrowNotSupportedException();
}

void CFile::SetLength(ULONGLONG)
{
    AfxThrowNotSupportedException();
}

ULONGLONG CFile::GetLength() const
{
    AfxThrowNotSupportedException();
}

UINT CFile::Read(void*, UINT)
{
    AfxThrowNotSupportedException();
}

void CFile::Write(const void*, UINT)
{
    AfxThrowNotSupportedException();
}

void CFile::Flush()
{
}

void CFile::Close()
{
}

void CFile::Abort()
{
}

BOOL CFile::GetStatus(CFileStatus&) const
{
    return FALSE;
}

BOOL CFile::GetStatus(LPCTSTR, CFileStatus&)
{
    return FALSE;
}

void CFile::Rename(LPCTSTR, LPCTSTR)
{
    AfxThrowNotSupportedException();
}

void CFile::Remove(LPCTSTR)
{
    AfxThrowNotSupportedException();
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    return m_strFileName;
}

CString CFile::GetFileTitle() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}
