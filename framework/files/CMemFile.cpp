#include "files/CMemFile.h"

#include <cstdlib>
#include <cstring>
#include <limits>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace {

const SIZE_T maxFileSize = std::numeric_limits<SIZE_T>::max();

} // namespace

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(NULL), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    // A derived allocator has already freed its block in its own destructor.
    Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = lpBuffer != NULL ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    Reset();
    return lpBuffer;
}

void CMemFile::Reset()
{
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG origin;
    switch (nFrom)
    {
    case begin:
        origin = 0;
        break;
    case current:
        origin = static_cast<LONGLONG>(m_nPosition);
        break;
    case end:
        origin = static_cast<LONGLONG>(m_nFileSize);
        break;
    default:
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER);
    }
    // origin is never negative, so only a large positive lOff can overflow.
    if ((lOff > 0 && origin > std::numeric_limits<LONGLONG>::max() - lOff)
        || origin + lOff < 0 || static_cast<ULONGLONG>(origin + lOff) > maxFileSize)
        AfxThrowFileException(CFileException::badSeek, ERROR_NEGATIVE_SEEK);
    m_nPosition = static_cast<SIZE_T>(origin + lOff);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > maxFileSize)
        AfxThrowMemoryException();
    const SIZE_T nNewLen = static_cast<SIZE_T>(dwNewLen);
    if (nNewLen > m_nBufferSize)
        GrowFile(nNewLen);
    if (nNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, nNewLen - m_nFileSize);
    m_nFileSize = nNewLen;
    if (m_nPosition > nNewLen)
        m_nPosition = nNewLen;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    const SIZE_T nAvailable = m_nFileSize - m_nPosition;
    const UINT nRead = nCount < nAvailable ? nCount : static_cast<UINT>(nAvailable);
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition > maxFileSize - nCount)
        AfxThrowMemoryException();
    const SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (nEnd > m_nFileSize)
        m_nFileSize = nEnd;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    Reset();
}

void CMemFile::Abort()
{
    Close();
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    std::free(lpMem);
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();

    // Whole grow steps beyond the current block.
    const SIZE_T nShort = dwNewLen - m_nBufferSize;
    const SIZE_T nSteps = nShort / m_nGrowBytes + (nShort % m_nGrowBytes != 0 ? 1 : 0);
    if (nSteps > (maxFileSize - m_nBufferSize) / m_nGrowBytes)
        AfxThrowMemoryException();
    const SIZE_T nNewSize = m_nBufferSize + nSteps * m_nGrowBytes;

    BYTE* lpNew;
    if (m_lpBuffer == NULL)
        lpNew = Alloc(nNewSize);
    else if (m_bAutoDelete)
        lpNew = Realloc(m_lpBuffer, nNewSize);
    else
    {
        lpNew = Alloc(nNewSize);
        if (lpNew != NULL)
            std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewSize;
    m_bAutoDelete = TRUE;
}
