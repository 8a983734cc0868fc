#pragma once

// The double-click bindings as the mouse manager archives them ("Mouse"): a
// 32-bit count n, then n pairs of view id (32-bit signed) and command
// (32-bit unsigned), with no window or registry involved. What the manager
// writes is taken back whole; anything else is refused without a binding
// half read: a negative count, a pair cut short, a view bound twice or a
// command 0 (the manager never stores one).

#include "files/CArchive.h"

#include <utility>
#include <vector>

class CVrxPStoredMouseBindings
{
public:
    using Binding = std::pair<int, UINT>;

    static void Store(CArchive& ar, const std::vector<Binding>& bindings);
    // Throws the archive's exception for damaged data, leaving the bindings
    // empty.
    void Load(CArchive& ar);
    // The whole value: FALSE, with no binding, when it is damaged or holds
    // more than the bindings.
    BOOL Read(const BYTE* pData, UINT nSize);

    const std::vector<Binding>& GetBindings() const { return m_bindings; }

private:
    std::vector<Binding> m_bindings;
};
