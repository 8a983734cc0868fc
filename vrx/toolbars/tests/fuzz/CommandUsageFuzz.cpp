// A "CommandsUsage" value as the registry might hold it, damaged or not.
#include "toolbars/CVrxPCommandUsage.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstdlib>
#include <vector>

namespace
{
bool Load(CVrxPCommandUsage& usage, std::vector<BYTE>& bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    try
    {
        CArchive ar(&file, CArchive::load);
        usage.Serialize(ar);
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
    return true;
}

std::vector<BYTE> Store(CVrxPCommandUsage& usage)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        usage.Serialize(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CVrxPCommandUsage usage;
    if (!Load(usage, bytes))
    {
        // A refused value changes nothing.
        if (usage.GetTotal() != 0 || usage.GetEntryCount() != 0)
            std::abort();
        return 0;
    }
    // Whatever was accepted is stored and read back the same.
    std::vector<BYTE> stored = Store(usage);
    CVrxPCommandUsage again;
    if (!Load(again, stored) || again.GetTotal() != usage.GetTotal() ||
        again.GetEntryCount() != usage.GetEntryCount())
        std::abort();
    for (UINT nID : {0u, 1u, 200u, 0xFFFFu})
        if (again.GetCount(nID) != usage.GetCount(nID))
            std::abort();
    usage.IsFrequentlyUsed(200);
    return 0;
}
