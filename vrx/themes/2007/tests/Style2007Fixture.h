#pragma once

// The 2007 look's tests with the blue test style: a system that can show a
// style (layered windows, not Windows 9x) over the test theme's colours.

#include "foundation/CVrxPGlobals.h"

#include "themes/tests/LookTheme.h"

class Style2007Test : public LookThemeTest
{
protected:
    void SetUp() override
    {
        LookThemeTest::SetUp();
        VrxPGlobals().layeredWindowsAvailable = TRUE;
        VrxPGlobals().isWin9x = FALSE;
    }
};
