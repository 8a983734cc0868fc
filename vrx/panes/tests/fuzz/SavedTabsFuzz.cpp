// A tab window's saved tabs read back, whole and through an archive as the
// window's Serialize reads them. Accepted tabs are written back to the same
// bytes (a label in a longer length form or the wide form comes back in the
// short narrow one, which reads back the same); a refused value leaves a new
// reader empty and one that held tabs as it was.
#include "foundation/CVrxPArchivedValue.h"
#include "panes/CVrxPStoredTabs.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes Stored(const CVrxPStoredTabs& tabs)
{
    Bytes bytes;
    if (!CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&tabs](CArchive& ar) { tabs.Store(ar); }))
        std::abort();
    return bytes;
}

// An accepted value holds every field its counts and lengths call for: a
// 1, 2 or 4-byte number is read only where it lies within the value.
uint32_t Little(const Bytes& bytes, size_t nAt, size_t nSize)
{
    if (nAt > bytes.size() || bytes.size() - nAt < nSize)
        std::abort();
    uint32_t value = 0;
    for (size_t i = 0; i < nSize; i++)
        value |= static_cast<uint32_t>(bytes[nAt + i]) << (8 * i);
    return value;
}

// Whether every label of an accepted value is in the form the writer uses:
// the shortest length prefix, narrow text.
bool LabelsAreInTheWritersForm(const Bytes& value)
{
    const uint32_t nCount = Little(value, 0, 4);
    size_t nAt = 4;
    for (uint32_t i = 0; i < nCount; i++)
    {
        uint32_t nLength = Little(value, nAt, 1);
        size_t nPrefix = 1;
        if (nLength == 0xFF)
        {
            nLength = Little(value, nAt + 1, 2);
            nPrefix = 3;
            if (nLength == 0xFFFE)
                return false;
            if (nLength == 0xFFFF)
            {
                nLength = Little(value, nAt + 3, 4);
                nPrefix = 7;
                if (nLength < 0xFFFE)
                    return false;
            }
            else if (nLength < 0xFF)
                return false;
        }
        nAt += nPrefix + nLength + 5 * 4;
    }
    Little(value, nAt + 4, 4);
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Bytes value(data, data + size);
    CVrxPStoredTabs stored;
    const BOOL bRead = stored.Read(value.data(), static_cast<UINT>(value.size()));
    if (!bRead)
    {
        if (!(stored == CVrxPStoredTabs()))
            std::abort();
        static const CVrxPStoredTabs held({CVrxPSavedTab()}, 0, 1);
        static const Bytes heldBytes = Stored(held);
        CVrxPStoredTabs holding;
        if (!holding.Read(heldBytes.data(), static_cast<UINT>(heldBytes.size())) ||
            holding.Read(value.data(), static_cast<UINT>(value.size())) || !(holding == held))
            std::abort();
    }
    else
    {
        const Bytes again = Stored(stored);
        CVrxPStoredTabs reread;
        if (!reread.Read(again.data(), static_cast<UINT>(again.size())) || !(reread == stored) ||
            Stored(reread) != again || (LabelsAreInTheWritersForm(value) && again != value))
            std::abort();
    }

    // The archive form takes a value that goes on after the tabs.
    CVrxPStoredTabs streamed;
    const BOOL bLoaded = CVrxPArchivedValue::Load(value.data(), static_cast<UINT>(value.size()),
                                                  [&streamed](CArchive& ar) { streamed.Load(ar); });
    if ((bRead && (!bLoaded || !(streamed == stored))) || (!bLoaded && !(streamed == CVrxPStoredTabs())))
        std::abort();
    return 0;
}
