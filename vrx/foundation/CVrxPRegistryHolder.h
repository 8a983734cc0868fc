#pragma once

// Owns the CVrxPRegistry of one piece of work and deletes it at the end of
// its scope. Each holder's registry starts at its root, so callers give full
// paths (VrxPBuildRegistryPath).

#include "foundation/CVrxPRegistry.h"

class CVrxPRegistryHolder
{
public:
    CVrxPRegistryHolder() = default;
    ~CVrxPRegistryHolder();
    CVrxPRegistryHolder(const CVrxPRegistryHolder&) = delete;
    CVrxPRegistryHolder& operator=(const CVrxPRegistryHolder&) = delete;

    // The first call makes the registry with its root (HKEY_LOCAL_MACHINE when
    // machineWide, else HKEY_CURRENT_USER) and flags; later calls return the
    // same object unchanged.
    CVrxPRegistry& Open(BOOL machineWide, BOOL readOnly);

private:
    CVrxPRegistry* m_pRegistry = nullptr;
};
