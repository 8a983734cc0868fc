#pragma once

#include "files/CMemFile.h"

// A memory file in global memory, so that its block can go on the clipboard
// or into a data object.
class FRAMEWORK_API CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    static const UINT defaultGrowBytes = 4096;

    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE,
        UINT nGrowBytes = defaultGrowBytes);
    ~CSharedFile() override;

    // Hands the global block over, unlocked and cut to the file's length, and
    // leaves the file empty. Contents held in a block given to Attach are
    // copied into a new global block. NULL when the file holds nothing.
    HGLOBAL Detach();
    // Takes a global block whose bytes become the file's contents; the file
    // owns it from now on. Without bAllowGrow the file cannot grow past it.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    UINT m_nSharedGrowBytes;
    // The locked global block behind m_lpBuffer when the file owns it.
    HGLOBAL m_hGlobalMemory;
};
