#pragma once

// The bytes of a registry value that holds a framework archive, without the
// registry: an archive written into a growing memory file, or read back from
// a value's bytes. CVrxPRegistry stores and fetches these bytes; the managers
// read their own values through it too.
//
// Stored forms (little-endian):
//   rectangle   16 raw bytes: left, top, right, bottom (signed 32-bit)
//   point       a DWORD array archive {x, y, 0, 0, 0}: 16-bit count 5, then
//               five 32-bit values (22 bytes)
//   word array  32-bit element count, then one 16-bit value per element

#include "collections/CWordArray.h"
#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstdlib>
#include <vector>

class CVrxPArchivedValue
{
public:
    // Growth step of the memory file an archive is written into.
    static constexpr UINT growBytes = 1024;
    // A point's memory file grows in smaller steps.
    static constexpr UINT pointGrowBytes = 16;
    static constexpr int pointElements = 5;

    // The bytes the writer puts into a storing archive; FALSE when it threw.
    template <class Writer>
    static BOOL Store(std::vector<BYTE>& bytes, UINT nGrowBytes, Writer write);
    // Hands the bytes to the reader as a loading archive; FALSE when the
    // reader threw (short or damaged data). bWhole: FALSE too when the reader
    // left bytes unread.
    template <class Reader>
    static BOOL Load(const BYTE* pData, UINT nSize, Reader read, BOOL bWhole = FALSE);

    static BOOL StoreRect(std::vector<BYTE>& bytes, const RECT& rect);
    static BOOL LoadRect(const BYTE* pData, UINT nSize, RECT& rect);
    static BOOL StorePoint(std::vector<BYTE>& bytes, const POINT& point);
    // Needs at least two elements: x and y.
    static BOOL LoadPoint(const BYTE* pData, UINT nSize, POINT& point);
    static BOOL StoreWordArray(std::vector<BYTE>& bytes, const CWordArray& words);
    // The array holds what was read so far when it fails.
    static BOOL LoadWordArray(const BYTE* pData, UINT nSize, CWordArray& words);

    // The archive's end-of-file exception: the value ended too soon.
    [[noreturn]] static void ThrowShortData();
    // The archive's exception for a value that is not of the expected form.
    [[noreturn]] static void ThrowDamaged();

private:
    // Runs one step over an archive on the file; FALSE when it threw.
    template <class Step>
    static BOOL RunArchive(CMemFile& file, UINT nMode, Step step);
};

template <class Step>
BOOL CVrxPArchivedValue::RunArchive(CMemFile& file, UINT nMode, Step step)
{
    try
    {
        CArchive ar(&file, nMode);
        try
        {
            step(ar);
            ar.Close();
        }
        catch (CException*)
        {
            ar.Abort();
            throw;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

template <class Writer>
BOOL CVrxPArchivedValue::Store(std::vector<BYTE>& bytes, UINT nGrowBytes, Writer write)
{
    CMemFile file(nGrowBytes);
    if (!RunArchive(file, CArchive::store, write))
        return FALSE;
    const UINT nSize = static_cast<UINT>(file.GetLength());
    BYTE* pStored = file.Detach();
    bytes.assign(pStored, pStored + nSize);
    free(pStored);
    return TRUE;
}

template <class Reader>
BOOL CVrxPArchivedValue::Load(const BYTE* pData, UINT nSize, Reader read, BOOL bWhole)
{
    // The memory file only reads the block it is given.
    CMemFile file(const_cast<BYTE*>(pData), nSize);
    if (!RunArchive(file, CArchive::load, read))
        return FALSE;
    return !bWhole || file.GetPosition() == nSize;
}
