// The 2007 look in a program that carries no style: it stays the 2003 look
// with thinner menu borders.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "foundation/CVrxPGlobals.h"

#include <gtest/gtest.h>

#include "themes/tests/LookTheme.h"

namespace
{

using Look2007WithoutStyle = LookThemeTest;

TEST_F(Look2007WithoutStyle, KeepsThe2003PaletteAndThinMenuBorders)
{
    VrxPGlobals().layeredWindowsAvailable = TRUE;
    VrxPGlobals().isWin9x = FALSE;
    CVrxPVisualManager2003 plain;
    Reload(plain);
    const CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF before[] = {globals.colorBarFace, globals.colorBarShade, globals.colorBarText,
                               globals.colorSelection, globals.colorActiveCaption};

    CVrxPVisualManager2007 look;
    Reload(look);
    const COLORREF after[] = {globals.colorBarFace, globals.colorBarShade, globals.colorBarText,
                              globals.colorSelection, globals.colorActiveCaption};
    EXPECT_FALSE(look.IsStyleLoaded());
    EXPECT_FALSE(look.IsStyleInForce());
    EXPECT_EQ(1, look.menuBorderSize);
    for (size_t i = 0; i < sizeof(before) / sizeof(before[0]); i++)
        EXPECT_EQ(before[i], after[i]) << "global colour " << i;
}

} // namespace
