#pragma once

// One button of a pane's or mini frame's caption, in its first form: the
// record the looks draw from (its place, its state and its glyph). The
// buttons' hit codes name them: 19 or 20 close, 9 the auto-hide pin, 8 the
// window-position menu.

#include "core/CObject.h"
#include "strings/CRect.h"

class CVrxPMiniFrameTitleButton : public CObject
{
public:
    static constexpr UINT hitMenu = 8;
    static constexpr UINT hitPin = 9;
    static constexpr UINT hitPaneClose = 19;
    static constexpr UINT hitFrameClose = 20;

    explicit CVrxPMiniFrameTitleButton(UINT nHit = hitPaneClose) : hit(nHit) {}

    // The menu glyph that shows the button's command; the pin turns with
    // the caption and shows whether it is pinned.
    virtual int GetGlyph(BOOL bHorizontal, BOOL bMaximized) const;

    CRect rect;
    UINT hit;
    BOOL pushed = FALSE;
    BOOL highlighted = FALSE;
    BOOL dropped = FALSE;
    // The pane is hidden at its side (the pin is out).
    BOOL pinnedOut = FALSE;
    // -1: the caption's own colours decide.
    COLORREF textColor = static_cast<COLORREF>(-1);
};
