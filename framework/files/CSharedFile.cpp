#include "files/CSharedFile.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_nSharedGrowBytes(nGrowBytes),
      m_hGlobalMemory(NULL)
{
}

CSharedFile::~CSharedFile()
{
    // Here Close still reaches this class's Free.
    Close();
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMemory = NULL;
    if (m_lpBuffer != NULL && m_bAutoDelete)
    {
        hMemory = m_hGlobalMemory;
        GlobalUnlock(hMemory);
        if (m_nFileSize > 0)
        {
            const HGLOBAL hFitted = GlobalReAlloc(hMemory, m_nFileSize, GMEM_MOVEABLE);
            if (hFitted != NULL)
                hMemory = hFitted;
        }
    }
    else if (m_nFileSize > 0)
    {
        hMemory = GlobalAlloc(m_nAllocFlags, m_nFileSize);
        void* lpMemory = hMemory != NULL ? GlobalLock(hMemory) : NULL;
        if (lpMemory == NULL)
        {
            if (hMemory != NULL)
                GlobalFree(hMemory);
            AfxThrowMemoryException();
        }
        std::memcpy(lpMemory, m_lpBuffer, m_nFileSize);
        GlobalUnlock(hMemory);
    }
    m_hGlobalMemory = NULL;
    Reset();
    return hMemory;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    BYTE* lpBuffer = static_cast<BYTE*>(GlobalLock(hGlobalMemory));
    if (lpBuffer == NULL)
        AfxThrowMemoryException();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = lpBuffer;
    m_nBufferSize = GlobalSize(hGlobalMemory);
    m_nFileSize = m_nBufferSize;
    m_bAutoDelete = TRUE;
    m_nGrowBytes = bAllowGrow ? m_nSharedGrowBytes : 0;
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    const HGLOBAL hMemory = GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMemory == NULL)
        return NULL;
    BYTE* lpMemory = static_cast<BYTE*>(GlobalLock(hMemory));
    if (lpMemory == NULL)
    {
        GlobalFree(hMemory);
        return NULL;
    }
    m_hGlobalMemory = hMemory;
    return lpMemory;
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    GlobalUnlock(m_hGlobalMemory);
    const HGLOBAL hMemory = GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE);
    if (hMemory == NULL)
    {
        // The old block stays the file's, locked again.
        m_lpBuffer = static_cast<BYTE*>(GlobalLock(m_hGlobalMemory));
        return NULL;
    }
    m_hGlobalMemory = hMemory;
    return static_cast<BYTE*>(GlobalLock(hMemory));
}

void CSharedFile::Free(BYTE*)
{
    GlobalUnlock(m_hGlobalMemory);
    GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = NULL;
}
