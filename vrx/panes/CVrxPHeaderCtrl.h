#pragma once

// The library's header control, in its first form: what the looks read of
// it. Its items, sorting and drawing come with the library's controls.

#include "windows/CWnd.h"

class CVrxPHeaderCtrl : public CWnd
{
public:
    // Drawn in the button colours (in a dialog) rather than the bar colours.
    BOOL buttonColors = FALSE;
};
