#pragma once

// The library's MDI child frame, in its first form: a framework MDI child.
// Its creation, activation and destruction are the framework's.

#include "frames/CMDIChildWnd.h"

class CVrxPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNAMIC(CVrxPMDIChildWnd)
};
