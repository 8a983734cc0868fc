#pragma once

// The library's MDI main frame, in its first form: a framework MDI frame
// that keeps the docking sides it allows and lays its docked panes out
// through the frame's own bar layout (WM_SIZEPARENT).

#include "frames/CMDIFrameWnd.h"

class CVrxPMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CVrxPMDIFrameWnd)
public:
    CVrxPMDIFrameWnd();

    // The sides (CBRS_ALIGN_* bits, 0xF000 all four) bars may dock at.
    void AllowDockingSides(DWORD dwAlignment);
    DWORD GetAllowedDockingSides() const { return m_dwDockingSides; }
    // Docks the bar at its default place: the side its own alignment style
    // names, when the frame allows that side. FALSE when it does not.
    BOOL PlaceBarDocked(CWnd* pBar);

private:
    DWORD m_dwDockingSides;
};
