#pragma once

// One page that shows what the foundation draws: the painter's effects, a
// toolbar image list in its button states and the menu glyphs in their five
// colours, each under a caption. The page is drawn once into a bitmap that
// the gallery window shows.

#include "core/Platform.h"
#include "strings/CRect.h"

class CDC;

class GalleryPage
{
public:
    static constexpr int width = 760;
    static constexpr int height = 480;
    static constexpr COLORREF paper = RGB(255, 255, 255);

    // The page, top-left at (0, 0). FALSE when the glyphs or the image
    // strip could not be made.
    static BOOL Draw(CDC& dc);
    // Where the painter's tile lies on the page (0 to 15, by rows of 8).
    static CRect PainterTile(int nTile);
    // Where glyph g of variant v lies on the page.
    static CRect GlyphCell(int nGlyph, int nVariant);
    // The colour glyphs of variant v are drawn in.
    static COLORREF GlyphColor(int nVariant);

private:
    static void DrawPainterTiles(CDC& dc);
    static BOOL DrawImageStates(CDC& dc);
    static BOOL DrawGlyphs(CDC& dc);
};
