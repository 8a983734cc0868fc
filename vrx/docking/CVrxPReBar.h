#pragma once

// The library's rebar bar: its rebar control is the bar's own window, so band
// messages go to it, and its control id identifies it.

#include "windows/CWnd.h"

class CVrxPReBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPReBar)
};
