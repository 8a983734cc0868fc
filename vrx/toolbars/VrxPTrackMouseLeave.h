#pragma once

// Tells a window that the mouse left it, as the platform's leave tracking
// does, by looking at the cursor every 100 ms: WM_MOUSELEAVE is posted once
// the cursor is outside the client area or over another window (a child
// window counts as outside).

#include <windows.h>

// Nonzero (the timer) when tracking started; FALSE for a record shorter than
// the platform's, a record without TME_LEAVE or a window that is gone. A
// second call for the same window restarts its timer.
UINT_PTR EmulateTrackMouseLeave(const TRACKMOUSEEVENT* pTrack);
