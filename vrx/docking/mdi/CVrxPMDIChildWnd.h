#pragma once

// The library's MDI child frame, in its first form: a framework MDI child.
// Its creation, activation and destruction are the framework's.

#include "frames/CMDIChildWnd.h"

class CVrxPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CVrxPMDIChildWnd)
public:
    // The windows-manager dialog lists the child, and may save it.
    virtual BOOL ListedInWindowsDialog() const { return TRUE; }
    virtual BOOL UnsavableInWindowsDialog() const { return FALSE; }
};
