#pragma once

// The one drop source through which toolbar buttons are dragged in
// customise mode. It remembers whether the drag really began and the key
// state the drag ended with, which the dragging bar reads afterwards.

#include "ole/COleDropSource.h"

class CVrxPButtonDragSource : public COleDropSource
{
public:
    CVrxPButtonDragSource();

    // The process-wide instance.
    static CVrxPButtonDragSource& Shared();

    // A press released before the mouse left the button is no drag: the
    // bar then keeps its button whatever the last drag's key state was.
    BOOL OnBeginDrag(CWnd* pWnd) override;
    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;

    DWORD lastKeyState;
    // Cleared by the bar before it drags, set when the drag begins.
    BOOL dragStarted;
};
