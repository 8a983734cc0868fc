#include "files/CFile.h"

#include "files/FilePath.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

DWORD DesiredAccess(UINT nOpenFlags)
{
    switch (nOpenFlags & 3)
    {
    case CFile::modeRead:
        return GENERIC_READ;
    case CFile::modeWrite:
        return GENERIC_WRITE;
    default:
        return GENERIC_READ | GENERIC_WRITE;
    }
}

DWORD ShareMode(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70)
    {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
        return 0;
    }
}

DWORD CreationDisposition(UINT nOpenFlags)
{
    if ((nOpenFlags & CFile::modeCreate) == 0)
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) != 0 ? OPEN_ALWAYS : CREATE_ALWAYS;
}

DWORD FlagsAndAttributes(UINT nOpenFlags)
{
    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & CFile::osNoBuffer)
        dwFlags |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & CFile::osWriteThrough)
        dwFlags |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & CFile::osRandomAccess)
        dwFlags |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & CFile::osSequentialScan)
        dwFlags |= FILE_FLAG_SEQUENTIAL_SCAN;
    return dwFlags;
}

[[noreturn]] void ThrowFileError(DWORD dwError, LPCTSTR lpszFileName)
{
    const LONG lOsError = static_cast<LONG>(dwError);
    AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszFileName);
}

ULONGLONG JoinSize(DWORD dwHigh, DWORD dwLow)
{
    return (static_cast<ULONGLONG>(dwHigh) << 32) | dwLow;
}

} // namespace

CFile::CFile()
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile)
    : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (IsOpen() && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Abort();

    m_strFileName = FilePathFull(lpszFileName);

    SECURITY_ATTRIBUTES security = {sizeof security, NULL, (nOpenFlags & modeNoInherit) == 0};
    const HANDLE hFile = CreateFileA(lpszFileName, DesiredAccess(nOpenFlags), ShareMode(nOpenFlags),
        &security, CreationDisposition(nOpenFlags), FlagsAndAttributes(nOpenFlags), NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        const LONG lOsError = static_cast<LONG>(GetLastError());
        if (pError != NULL)
        {
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_lOsError = lOsError;
            pError->m_strFileName = m_strFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    ThrowFileError(GetLastError(), m_strFileName);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER distance = {};
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, distance, &position, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, distance, &position, methods[nFrom]))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    const ULONGLONG dwPosition = GetPosition();
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    const BOOL bDone = SetEndOfFile(m_hFile);
    const DWORD dwError = GetLastError();
    Seek(static_cast<LONGLONG>(dwPosition), begin);
    if (!bDone)
        ThrowFileError(dwError, m_strFileName);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        ThrowLastError();
    return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD dwWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowLastError();
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush()
{
    if (IsOpen() && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    const HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    const CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (hFile != INVALID_HANDLE_VALUE && !CloseHandle(hFile))
        ThrowFileError(GetLastError(), strFileName);
}

void CFile::Abort()
{
    if (IsOpen() && m_bCloseOnDelete)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    return GetStatus(m_strFileName, rStatus);
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (lpszFileName == NULL || *lpszFileName == '\0'
        || !GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    const CString strFullName = FilePathFull(lpszFileName);
    lstrcpynA(rStatus.m_szFullName, strFullName, MAX_PATH);
    rStatus.m_ctime = data.ftCreationTime;
    rStatus.m_mtime = data.ftLastWriteTime;
    rStatus.m_atime = data.ftLastAccessTime;
    rStatus.m_size = JoinSize(data.nFileSizeHigh, data.nFileSizeLow);
    rStatus.m_attribute = static_cast<BYTE>(data.dwFileAttributes
        & (readOnly | hidden | system | volume | directory | archive));
    return TRUE;
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName))
        ThrowFileError(GetLastError(), lpszOldName);
}

void CFile::Remove(LPCTSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName))
        ThrowFileError(GetLastError(), lpszFileName);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    return FilePathName(m_strFileName);
}

CString CFile::GetFileTitle() const
{
    return FilePathTitle(m_strFileName);
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = FilePathFull(lpszNewName);
}
