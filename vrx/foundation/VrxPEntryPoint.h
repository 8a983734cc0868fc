#pragma once

#include "core/Platform.h"

// An entry point of a library loaded by name; null when the library or the
// entry is missing.
template <class Proc>
Proc VrxPEntryPoint(HMODULE hModule, LPCSTR lpszName)
{
    if (hModule == NULL)
        return nullptr;
    // Through a plain function pointer: the cast between two function types.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(hModule, lpszName)));
}
