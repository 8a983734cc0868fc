#pragma once

// The band layout (order, sizes, styles) of every library rebar of a frame,
// for each rebar under "<profile>VrxRebar-<control id>" in the form that
// CVrxPStoredRebarLayout reads.

#include "core/Platform.h"

class CWnd;

class CVrxPRebarStateStore
{
public:
    // Each stops at the first rebar whose key cannot be made (or opened).
    static BOOL StoreRebars(LPCTSTR lpszProfile, CWnd* pFrame);
    static void RestoreRebars(LPCTSTR lpszProfile, CWnd* pFrame);
};
