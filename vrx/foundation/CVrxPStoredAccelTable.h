#pragma once

// An accelerator table as the keyboard manager keeps it ("Accelerators"):
// its entries one after the other, 6 bytes each, as the system's ACCEL lies
// in memory: flags (8 bits), a reserved byte, key (16 bits), command
// (16 bits). No window or registry is touched here.

#include "core/Platform.h"

#include <vector>

struct VrxPStoredAccel
{
    BYTE fVirt;
    BYTE reserved;
    WORD key;
    WORD cmd;
};
static_assert(sizeof(VrxPStoredAccel) == 6, "stored accelerator entries are 6 bytes");

class CVrxPStoredAccelTable
{
public:
    static std::vector<BYTE> Store(const std::vector<VrxPStoredAccel>& entries);
    // FALSE, leaving no entry, for a value without an entry or one that ends
    // inside an entry. Every entry whose command is forbidden gets command 0.
    BOOL Read(const BYTE* pData, UINT nSize, const std::vector<UINT>& forbiddenCommands);

    const std::vector<VrxPStoredAccel>& GetEntries() const { return m_entries; }

private:
    std::vector<VrxPStoredAccel> m_entries;
};
