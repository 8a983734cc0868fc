// A stored button list (a toolbar's resource items or reset buttons) read
// back from the registry. Byte 0 picks the stored-state version the buttons
// read with (even: none, odd: 0x60410); the rest is the value.
#include "StoredButtonSamples.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstdlib>
#include <vector>

namespace
{
std::vector<BYTE> Stored(CObList& list)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        list.Serialize(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Clear(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    sampleStoredVersion = (data[0] & 1) != 0 ? CVrxPStoredButton::visibleFlagVersion : -1;
    CObList loaded;
    if (!VrxPLoadButtonList(data + 1, size - 1, RUNTIME_CLASS(CSampleButton), loaded))
    {
        // A refused list leaves nothing behind.
        if (!loaded.IsEmpty())
            std::abort();
        return 0;
    }
    // Only buttons come in, and the list goes out and back unchanged.
    for (POSITION pos = loaded.GetHeadPosition(); pos != NULL;)
        if (!loaded.GetNext(pos)->IsKindOf(RUNTIME_CLASS(CSampleButton)))
            std::abort();
    const std::vector<BYTE> again = Stored(loaded);
    CObList reloaded;
    if (!VrxPLoadButtonList(again.data(), again.size(), RUNTIME_CLASS(CSampleButton), reloaded) ||
        reloaded.GetCount() != loaded.GetCount() || Stored(reloaded) != again)
        std::abort();
    Clear(loaded);
    Clear(reloaded);
    return 0;
}
