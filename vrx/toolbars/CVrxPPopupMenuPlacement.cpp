#include "toolbars/CVrxPPopupMenuPlacement.h"

void CVrxPPopupMenuPlacement::Place()
{
    ClampIntoWorkArea();
    FitHorizontally();
    FitBelow();
    FitAbove();
}

void CVrxPPopupMenuPlacement::ClampIntoWorkArea()
{
    position.x = position.x < workArea.left ? workArea.left : (position.x > workArea.right ? workArea.right : position.x);
    if (!hasOpeningButton)
        position.y = position.y < workArea.top ? workArea.top : (position.y > workArea.bottom ? workArea.bottom : position.y);
}

// A submenu flips to the other side of its owner; a popup from a vertical
// menu bar to the other side of its button; any other is pushed back to
// the work area's edge.
void CVrxPPopupMenuPlacement::FitHorizontally()
{
    const int width = size.cx;
    const BOOL bOverflows =
        rightToLeft ? position.x - width < workArea.left : position.x + width > workArea.right;
    if (!bOverflows)
        return;
    if (isSubmenu)
    {
        position.x = rightToLeft ? ownerRect.right + width : ownerRect.left - width;
        direction = rightToLeft ? directionRight : directionLeft;
    }
    else if (hasOpeningButton && buttonOnVerticalMenuBar)
    {
        position.x = rightToLeft ? buttonRect.right + width : buttonRect.left - width;
        direction = directionLeft;
    }
    else
    {
        position.x = rightToLeft ? workArea.left + width + 1 : workArea.right - width - 1;
        direction = directionFree;
    }
    if (!rightToLeft && position.x < workArea.left)
    {
        position.x = workArea.left;
        direction = directionFree;
    }
    else if (rightToLeft && position.x > workArea.right)
    {
        position.x = workArea.right;
        direction = directionFree;
    }
    animateFromLeft = FALSE;
}

void CVrxPPopupMenuPlacement::FitBelow()
{
    if (position.y + size.cy <= workArea.bottom)
        return;
    if (gripperHeight > 0)
    {
        size.cy -= gripperHeight;
        gripperDropped = TRUE;
    }
    animateFromTop = FALSE;
    if (hasOpeningButton && direction != directionRight && direction != directionLeft)
    {
        const int roomAbove = buttonRect.top - workArea.top;
        if (roomAbove >= size.cy)
        {
            position.y = buttonRect.top - size.cy;
            direction = buttonOnHorizontalBar ? directionAbove : directionFree;
            return;
        }
        // Neither side holds it all: the side with more room, scrolling.
        const int roomBelow = workArea.bottom - position.y;
        if (roomAbove > roomBelow)
        {
            position.y = workArea.top;
            size.cy = roomAbove;
            direction = directionFree;
        }
        else
        {
            size.cy = roomBelow;
            animateFromTop = TRUE;
        }
        scrolling = TRUE;
        return;
    }
    position.y -= size.cy;
    if (isSubmenu)
        position.y += rowHeight + 2 * border;
    if (position.y < workArea.top)
    {
        position.y = workArea.top;
        direction = directionFree;
    }
    if (position.y + size.cy > workArea.bottom)
    {
        size.cy = workArea.bottom - position.y;
        scrolling = TRUE;
    }
}

void CVrxPPopupMenuPlacement::FitAbove()
{
    if (position.y < workArea.top)
    {
        if (hasOpeningButton && !isSubmenu)
        {
            position.y = buttonRect.bottom;
            direction = buttonOnHorizontalBar ? directionBelow : directionFree;
        }
        else
        {
            position.y = workArea.top;
        }
    }
    if (position.y + size.cy > workArea.bottom && size.cy > (workArea.bottom - workArea.top))
    {
        position.y = workArea.top;
        size.cy = (workArea.bottom - workArea.top);
        scrolling = TRUE;
        direction = directionFree;
    }
}
