#pragma once

// The band layout (order, sizes, styles) of every library rebar of a frame.
// For each rebar, under "<profile>VrxRebar-<control id>":
//   "RBI"  one 80-byte REBARBANDINFO per band, in band order, laid out as in a
//          32-bit process on every build (handles and texts zero)
//   "IDs"  the control id (32 bits) of each band's child window

#include "core/Platform.h"

class CWnd;

class CVrxPRebarStateStore
{
public:
    // The stored band records hold this mask: the child window left out.
    static constexpr UINT storedMask = 0xB61;
    // Fixed-size bands are stored with their minimum child width this much
    // larger than the rebar reports.
    static constexpr int fixedSizeAllowance = 4;

    // Each stops at the first rebar whose key cannot be made (or opened).
    static BOOL StoreRebars(LPCTSTR lpszProfile, CWnd* pFrame);
    static void RestoreRebars(LPCTSTR lpszProfile, CWnd* pFrame);
};
