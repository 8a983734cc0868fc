#include "foundation/CVrxPStoredAccelTable.h"

#include <algorithm>
#include <cstring>

std::vector<BYTE> CVrxPStoredAccelTable::Store(const std::vector<VrxPStoredAccel>& entries)
{
    std::vector<BYTE> bytes(entries.size() * sizeof(VrxPStoredAccel));
    if (!entries.empty())
        std::memcpy(bytes.data(), entries.data(), bytes.size());
    return bytes;
}

BOOL CVrxPStoredAccelTable::Read(const BYTE* pData, UINT nSize, const std::vector<UINT>& forbiddenCommands)
{
    m_entries.clear();
    // A value that ends inside an entry was not written by Store.
    if (nSize == 0 || nSize % sizeof(VrxPStoredAccel) != 0)
        return FALSE;
    m_entries.resize(nSize / sizeof(VrxPStoredAccel));
    std::memcpy(m_entries.data(), pData, nSize);
    for (VrxPStoredAccel& entry : m_entries)
        if (std::find(forbiddenCommands.begin(), forbiddenCommands.end(), entry.cmd) != forbiddenCommands.end())
            entry.cmd = 0;
    return TRUE;
}
