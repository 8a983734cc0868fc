#pragma once

// Where a bar was last floating and last docked, in its first form: the
// places a control bar goes back to (a double click, "Docking" in its
// window-position menu) and saves under "VrxControlBars". The panes' full
// history of containers comes with the pane docking work.

#include "docking/VrxPBarStyles.h"
#include "strings/CRect.h"

class CVrxPDockBar;
class CVrxPDockBarRow;

class CVrxPDockHistory
{
public:
    // Screen coordinates.
    CRect recentFloatRect{10, 10, 110, 110};
    // In the dock bar's client coordinates (the host frame's without one).
    CRect recentDockedRect;
    DWORD recentAlignment = CBRS_ALIGN_LEFT;
    int recentRowIndex = 0;
    CVrxPDockBar* recentDockBar = nullptr;
    CVrxPDockBarRow* recentRow = nullptr;
};
