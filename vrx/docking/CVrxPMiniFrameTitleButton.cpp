#include "docking/CVrxPMiniFrameTitleButton.h"

#include "foundation/CVrxPMenuGlyphs.h"

int CVrxPMiniFrameTitleButton::GetGlyph(BOOL, BOOL) const
{
    switch (hit)
    {
    case hitPin:
        // The needle points down while the pane stays, sideways once it
        // hides at its side.
        return pinnedOut ? CVrxPMenuGlyphs::pinHorizontal : CVrxPMenuGlyphs::pinVertical;
    case hitMenu:
        return CVrxPMenuGlyphs::arrowDown;
    default:
        return CVrxPMenuGlyphs::close;
    }
}
