#pragma once

// The library's owner-drawn button, in its first form: the state the looks
// draw it from. Its drawing and its link and menu variants come with the
// library's controls.

#include "controls/CButton.h"

class CVrxPButton : public CButton
{
    DECLARE_DYNAMIC(CVrxPButton)
public:
    CVrxPButton() = default;

    // The button stands for a frame's close command.
    BOOL closeButton = FALSE;
    // Held down with the cursor on it.
    BOOL pushed = FALSE;
    // The cursor is on it.
    BOOL highlighted = FALSE;
    // Drawn in the bar colours rather than the button colours.
    BOOL useBarColors = FALSE;
};
