// A stored accelerator table read back. Input: a value of forbidden commands
// (16 bits each), then the "Accelerators" value. An accepted table must hold
// exactly the stored entries, with only the forbidden commands set to 0.
#include "FuzzValues.h"

#include "foundation/CVrxPStoredAccelTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzValues input(data, size);
    const std::vector<uint8_t> forbiddenBytes = input.Value();
    const std::vector<uint8_t> value = input.Rest();
    std::vector<UINT> forbidden;
    for (size_t i = 0; i + 1 < forbiddenBytes.size(); i += 2)
        forbidden.push_back(static_cast<UINT>(forbiddenBytes[i] | forbiddenBytes[i + 1] << 8));

    CVrxPStoredAccelTable table;
    const BOOL bRead = table.Read(value.data(), static_cast<UINT>(value.size()), forbidden);
    const std::vector<VrxPStoredAccel>& entries = table.GetEntries();
    if (!bRead)
    {
        if (!entries.empty() || (!value.empty() && value.size() % sizeof(VrxPStoredAccel) == 0))
            std::abort();
        return 0;
    }
    if (entries.size() * sizeof(VrxPStoredAccel) != value.size())
        std::abort();
    for (size_t i = 0; i < entries.size(); i++)
    {
        VrxPStoredAccel stored;
        std::memcpy(&stored, &value[i * sizeof(VrxPStoredAccel)], sizeof(stored));
        const bool bForbidden = std::find(forbidden.begin(), forbidden.end(), stored.cmd) != forbidden.end();
        if (entries[i].fVirt != stored.fVirt || entries[i].key != stored.key ||
            entries[i].cmd != (bForbidden ? 0 : stored.cmd))
            std::abort();
    }
    return 0;
}
