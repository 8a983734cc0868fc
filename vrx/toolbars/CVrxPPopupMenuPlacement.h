#pragma once

// Where a popup menu goes on the screen: beside its button or owner popup,
// inside the work area of its monitor, flipped to the other side or above
// its button when there is no room, and cut down (scrolling) when it does
// not fit at all. Window-free: the popup hands in rectangles and takes the
// result, so the rules also build and run natively.

#include "core/Platform.h"

class CVrxPPopupMenuPlacement
{
public:
    enum Direction
    {
        directionFree = 0,
        directionBelow = 1,
        directionAbove = 2,
        directionRight = 3,
        directionLeft = 4
    };

    // What the popup knows of itself and of what opened it (screen
    // coordinates throughout).
    RECT workArea = {};
    // The top-left corner asked for (the top-right one with right-to-left).
    POINT position = {};
    SIZE size = {};
    int direction = directionFree;
    BOOL rightToLeft = FALSE;
    BOOL hasOpeningButton = FALSE;
    RECT buttonRect = {};
    // The button stands on a horizontal bar / on a vertical menu bar.
    BOOL buttonOnHorizontalBar = FALSE;
    BOOL buttonOnVerticalMenuBar = FALSE;
    // A submenu: ownerRect is its owner popup's window.
    BOOL isSubmenu = FALSE;
    RECT ownerRect = {};
    int rowHeight = 0;
    int border = 0;
    // The resize gripper's height, dropped when the popup must move up.
    int gripperHeight = 0;

    // Results besides position, size and direction.
    BOOL scrolling = FALSE;
    BOOL animateFromLeft = TRUE;
    BOOL animateFromTop = TRUE;
    BOOL gripperDropped = FALSE;

    void Place();

private:
    void ClampIntoWorkArea();
    void FitHorizontally();
    void FitBelow();
    void FitAbove();
};
