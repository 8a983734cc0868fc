#pragma once

#include "files/CFile.h"

// A file held in one block of memory. A growing file enlarges its block in
// steps of its grow size; a file with grow size 0 keeps the block it has.
// Growth that fails, or that a fixed file would need, throws
// CMemoryException*.
//
// The file frees and reallocates only blocks it allocated itself. A block
// given to Attach stays the caller's: when the file must grow past it, the
// contents move to a block of the file's own.
class FRAMEWORK_API CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    static const UINT defaultGrowBytes = 1024;

    explicit CMemFile(UINT nGrowBytes = defaultGrowBytes);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // With nGrowBytes 0 the block's bytes are the file's contents; otherwise
    // the file starts empty and the block is its first storage.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the block over and leaves the file empty. A block the file
    // allocated is the caller's to free(). Take GetLength first.
    BYTE* Detach();

    ULONGLONG GetPosition() const override;
    // Positions past the end are allowed; a write there fills the gap with zeros.
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void SetLength(ULONGLONG dwNewLen) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    // Frees the block when the file allocated it, and empties the file.
    void Close() override;
    void Abort() override;

protected:
    // The allocator of the file's own blocks; NULL when memory is short.
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes the block at least dwNewLen bytes long.
    virtual void GrowFile(SIZE_T dwNewLen);

    // Forgets the block without freeing it.
    void Reset();

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    // TRUE when the file allocated m_lpBuffer.
    BOOL m_bAutoDelete;
};
