#include "files/CStdioFile.h"

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <io.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile()
    : m_pStream(NULL)
{
}

CStdioFile::CStdioFile(FILE* pOpenStream)
    : CFile(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)))), m_pStream(pOpenStream)
{
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags)
    : m_pStream(NULL)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != NULL)
        Abort();
    // The handle comes from CFile, so the share flags hold for the stream too.
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;

    const bool bBinary = (nOpenFlags & typeBinary) != 0;
    int nFlags = bBinary ? _O_BINARY : _O_TEXT;
    char mode[4] = {};
    switch (nOpenFlags & 3)
    {
    case modeRead:
        nFlags |= _O_RDONLY;
        std::strcpy(mode, "r");
        break;
    case modeWrite:
        nFlags |= _O_WRONLY;
        std::strcpy(mode, "w");
        break;
    default:
        nFlags |= _O_RDWR;
        std::strcpy(mode, "r+");
        break;
    }
    std::strcat(mode, bBinary ? "b" : "t");

    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), nFlags);
    if (fd != -1)
        m_pStream = _fdopen(fd, mode);
    if (m_pStream == NULL)
    {
        if (pError != NULL)
        {
            pError->m_cause = CFileException::tooManyOpenFiles;
            pError->m_lOsError = -1;
            pError->m_strFileName = m_strFileName;
        }
        if (fd != -1)
        {
            // Closing the descriptor closes the handle with it.
            _close(fd);
            m_hFile = INVALID_HANDLE_VALUE;
        }
        CFile::Abort();
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowStreamError() const
{
    const LONG lOsError = static_cast<LONG>(_doserrno);
    AfxThrowFileException(lOsError != 0 ? CFileException::OsErrorToException(lOsError)
                                        : CFileException::genericException,
        lOsError != 0 ? lOsError : -1, m_strFileName);
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (std::fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError();
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    const int nLimit = nMax > INT_MAX ? INT_MAX : static_cast<int>(nMax);
    if (nLimit == 0)
        return NULL;
    if (std::fgets(lpsz, nLimit, m_pStream) != NULL)
        return lpsz;
    if (std::ferror(m_pStream))
        ThrowStreamError();
    return NULL;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    bool bReadAny = false;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, m_pStream) != NULL)
    {
        bReadAny = true;
        rString += chunk;
        const size_t nLength = std::strlen(chunk);
        if (nLength > 0 && chunk[nLength - 1] == '\n')
            break;
    }
    if (std::ferror(m_pStream))
        ThrowStreamError();
    if (!bReadAny)
        return FALSE;
    int nLength = rString.GetLength();
    if (nLength > 0 && rString[nLength - 1] == '\n')
        --nLength;
    if (nLength > 0 && rString[nLength - 1] == '\r')
        --nLength;
    rString = rString.Left(nLength);
    return TRUE;
}

ULONGLONG CStdioFile::GetPosition() const
{
    const long long position = ftello64(m_pStream);
    if (position < 0)
        ThrowStreamError();
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const int origins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end || fseeko64(m_pStream, lOff, origins[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    return GetPosition();
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    // Seeking where the stream stands hands its buffer to the handle first.
    Seek(static_cast<LONGLONG>(GetPosition()), begin);
    CFile::SetLength(dwNewLen);
}

ULONGLONG CStdioFile::GetLength() const
{
    const long long position = ftello64(m_pStream);
    if (position < 0 || fseeko64(m_pStream, 0, SEEK_END) != 0)
        ThrowStreamError();
    const long long length = ftello64(m_pStream);
    if (length < 0 || fseeko64(m_pStream, position, SEEK_SET) != 0)
        ThrowStreamError();
    return static_cast<ULONGLONG>(length);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    const size_t nRead = std::fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
        ThrowStreamError();
    return static_cast<UINT>(nRead);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError();
}

void CStdioFile::Flush()
{
    // A seek to where the stream stands writes out what is buffered and,
    // unlike fflush, keeps the read-ahead of a stream being read.
    if (m_pStream != NULL && fseeko64(m_pStream, 0, SEEK_CUR) != 0)
        ThrowStreamError();
}

void CStdioFile::Close()
{
    FILE* pStream = m_pStream;
    const CString strFileName = m_strFileName;
    m_pStream = NULL;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (pStream != NULL && std::fclose(pStream) != 0)
        AfxThrowFileException(CFileException::genericException, static_cast<LONG>(_doserrno), strFileName);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        std::fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}
