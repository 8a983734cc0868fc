#pragma once

// The library's one set of small monochrome glyphs (arrows, check mark, radio
// dot, caption-button symbols, pins, chevrons): five shared image lists hold
// the same 9 x 9 glyph strip in five colours. Loaded on first use; released
// when the system colours change or the library shuts down.

#include "gdi/CDC.h"
#include "strings/CPoint.h"
#include "strings/CRect.h"
#include "strings/CSize.h"

class CVrxPToolbarImageList;

class CVrxPMenuGlyphs
{
public:
    // Colour variants; any other number draws white.
    enum Variant
    {
        black = 0,
        grey = 1,
        silver = 2,
        white = 3,
        darkGrey = 4
    };
    static constexpr int variantCount = 5;
    static constexpr int glyphCount = 36;
    static constexpr int glyphSize = 9;
    // The glyphs' background, transparent in every list.
    static constexpr COLORREF backgroundColor = RGB(255, 0, 255);
    static constexpr COLORREF greyColor = RGB(128, 128, 128);
    static constexpr COLORREF silverColor = RGB(192, 192, 192);
    static constexpr COLORREF whiteColor = RGB(255, 255, 255);
    static constexpr COLORREF darkGreyColor = RGB(72, 72, 72);

    // Glyph indexes.
    enum Glyph
    {
        arrowDown = 0,
        arrowRight = 1,
        checkMark = 2,
        minimize = 3,
        restore = 4,
        close = 5,
        maximize = 6,
        arrowUp = 7,
        moreDown = 8,
        arrowLeft = 9,
        closeSmall = 10,
        moreRight = 11,
        radioDot = 12,
        arrowDownLarge = 13,
        arrowRightLarge = 14,
        pinHorizontal = 15,
        pinVertical = 16,
        arrowLeftLarge = 17,
        firstPage = 18,
        lastPage = 19,
        arrowRightTall = 20,
        arrowLeftTall = 21,
        arrowRightOutline = 22,
        arrowLeftOutline = 23,
        arrowUpWide = 24,
        arrowLeftBar = 25,
        arrowRightBar = 26,
        arrowLeftShaft = 27,
        arrowRightShaft = 28,
        barArrowDown = 29,
        barArrowRight = 30,
        twoArrowsRight = 31,
        twoArrowsDown = 32,
        thickBarArrowDown = 33,
        closeBold = 34,
        windowCorner = 35
    };

    // Loads the glyphs once; FALSE when the bitmap cannot be loaded (the next
    // call tries again).
    static BOOL EnsureLoaded();
    // The glyph's top-left corner at the point; size 0 x 0 draws at the glyph
    // size, another size stretches. FALSE when nothing was drawn.
    static BOOL DrawGlyph(CDC* pDC, int nGlyph, CPoint point, int nVariant, CSize size = CSize(0, 0));
    // Centred in the rectangle; an odd remainder moves it one pixel right or down.
    static BOOL DrawGlyphCentered(CDC* pDC, int nGlyph, CRect rect, int nVariant, CSize size = CSize(0, 0));
    // Rebuilds one variant in another colour (-1 keeps black).
    static void RecolorSet(int nVariant, COLORREF color);
    static CSize GetImageSize();
    // Empties the five lists when they hold images.
    static void ReleaseAll();
    // The strip to load: the 16-colour one on screens that cannot show high
    // colour images.
    static UINT GlyphResourceId();
    // The list of a variant, or NULL before the library started.
    static CVrxPToolbarImageList* List(int nVariant);

private:
    // A variant's strip split for a transparent copy in two blits: the mask
    // is white where the key colour is, the ink is the strip with those
    // pixels black. Made on first use, again when the strip changes.
    struct GlyphBlits
    {
        HBITMAP hStrip = NULL;
        int nCount = 0;
        HDC hMaskDC = NULL;
        HDC hInkDC = NULL;
        HBITMAP hMask = NULL;
        HBITMAP hInk = NULL;
        HGDIOBJ hOldMask = NULL;
        HGDIOBJ hOldInk = NULL;
        void Release();
    };
    static GlyphBlits& BlitsOf(int nVariant);
    // Null when the variant's strip is blended by its alpha or cannot be
    // split.
    static const GlyphBlits* PreparedBlits(int nVariant);
    // Through the image list's drawing pass, for what a plain blit cannot do.
    static BOOL DrawGlyphInPass(CVrxPToolbarImageList& list, CDC* pDC, int nGlyph, CPoint point, CSize size);
};
