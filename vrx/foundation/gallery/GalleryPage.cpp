#include "GalleryPage.h"

#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "gdi/CDC.h"

#include <iterator>
#include <vector>

namespace
{
const COLORREF ink = RGB(0, 0, 0);
const COLORREF stripKey = RGB(255, 0, 255);
const COLORREF darkBand = RGB(40, 60, 100);

const int tileWidth = 80;
const int tileHeight = 56;
const int tilePitchX = 93;
const int tilePitchY = 78;
const int tilesPerRow = 8;
const int painterTop = 24;

const int imageCount = 4;
const int imageWidth = 16;
const int imageHeight = 15;
const int statesTop = 204;
const int statePitchX = 74;
const int imagePitchY = 22;

const int glyphsTop = 336;
const int glyphLeft = 70;
const int glyphPitchX = 19;
const int glyphPitchY = 22;
const int glyphCellSize = 17;

void Caption(CDC& dc, int x, int y, LPCTSTR lpszText)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(ink);
    dc.TextOut(x, y, lpszText, lstrlen(lpszText));
}

CRect TileRect(int nTile)
{
    const int x = 10 + (nTile % tilesPerRow) * tilePitchX;
    const int y = painterTop + 18 + (nTile / tilesPerRow) * tilePitchY;
    return CRect(x, y, x + tileWidth, y + tileHeight);
}

// Four images drawn in code: a red square, a green arrow to the right, a
// blue diamond and a yellow page with lines from the left, each on the key
// colour.
HBITMAP MakeStrip()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = imageWidth * imageCount;
    info.bmiHeader.biHeight = -imageHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hStrip = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hStrip == NULL)
        return NULL;
    const int nStride = (imageWidth * imageCount * 3 + 3) / 4 * 4;
    for (int y = 0; y < imageHeight; y++)
        for (int x = 0; x < imageWidth * imageCount; x++)
        {
            const int u = x % imageWidth;
            const int dx = u > 7 ? u - 7 : 7 - u;
            const int dy = y > 7 ? y - 7 : 7 - y;
            COLORREF color = stripKey;
            switch (x / imageWidth)
            {
            case 0:
                if (u >= 2 && u <= 13 && y >= 2 && y <= 12)
                    color = u == 2 || u == 13 || y == 2 || y == 12 ? RGB(128, 0, 0) : RGB(230, 40, 40);
                break;
            case 1:
                if (u >= 3 && u <= 12 && dy <= (12 - u) / 2)
                    color = RGB(20, 160, 40);
                break;
            case 2:
                if (dx + dy <= 6)
                    color = dx + dy == 6 ? RGB(0, 0, 128) : RGB(60, 110, 240);
                break;
            default:
                if (u >= 3 && u <= 12 && y >= 1 && y <= 13)
                    color = (y % 3 == 0 && u >= 5 && u <= (y == 6 ? 10 : 8)) || u == 3 || u == 12 || y == 1 || y == 13
                                ? ink
                                : RGB(250, 220, 60);
                break;
            }
            BYTE* p = static_cast<BYTE*>(pBits) + y * nStride + x * 3;
            p[0] = GetBValue(color);
            p[1] = GetGValue(color);
            p[2] = GetRValue(color);
        }
    return hStrip;
}

// One column of the image states: the four images from the top, moved by
// (dx, dy). An alpha below 255 draws through 32-bit buffers.
struct StateColumn
{
    CVrxPToolbarImageList* pList;
    BOOL bDithered;
    BOOL bDisabled;
    BOOL bIndeterminate;
    BOOL bShade;
    BOOL bFaded;
    BYTE alpha;
    int dx;
    int dy;
};

BOOL DrawColumn(CDC& dc, int nColumn, const StateColumn& column)
{
    const int x = 10 + nColumn * statePitchX + 20 + column.dx;
    CVrxPImageDrawState state;
    if (!column.pList->BeginDraw(state, 0, 0, column.bFaded))
        return FALSE;
    const int nOldAlphaDrawing = VrxPAlphaDrawing;
    if (column.alpha < 255)
        VrxPAlphaDrawing = 1;
    BOOL bDrawn = TRUE;
    for (int i = 0; i < imageCount; i++)
        bDrawn &= column.pList->DrawImage(&dc, x, statesTop + 20 + i * imagePitchY + column.dy, i,
                                          column.bDithered, column.bDisabled, column.bIndeterminate, column.bShade,
                                          column.bFaded, column.alpha);
    VrxPAlphaDrawing = nOldAlphaDrawing;
    column.pList->EndDraw(state);
    return bDrawn;
}
} // namespace

CRect GalleryPage::PainterTile(int nTile)
{
    return TileRect(nTile);
}

CRect GalleryPage::GlyphCell(int nGlyph, int nVariant)
{
    const int x = glyphLeft + nGlyph * glyphPitchX;
    const int y = glyphsTop + 20 + nVariant * glyphPitchY;
    return CRect(x, y, x + glyphCellSize, y + glyphCellSize);
}

COLORREF GalleryPage::GlyphColor(int nVariant)
{
    switch (nVariant)
    {
    case CVrxPMenuGlyphs::black:
        return ink;
    case CVrxPMenuGlyphs::grey:
        return CVrxPMenuGlyphs::greyColor;
    case CVrxPMenuGlyphs::silver:
        return CVrxPMenuGlyphs::silverColor;
    case CVrxPMenuGlyphs::darkGrey:
        return CVrxPMenuGlyphs::darkGreyColor;
    default:
        return CVrxPMenuGlyphs::whiteColor;
    }
}

BOOL GalleryPage::Draw(CDC& dc)
{
    dc.FillSolidRect(0, 0, width, height, paper);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    DrawPainterTiles(dc);
    const BOOL bImages = DrawImageStates(dc);
    const BOOL bGlyphs = DrawGlyphs(dc);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    return bImages && bGlyphs;
}

void GalleryPage::DrawPainterTiles(CDC& dc)
{
    Caption(dc, 10, painterTop, "Painter");
    CVrxPPainter painter(dc);
    const char* const captions[] = {"vertical",   "horizontal", "banded",  "split",   "45 degrees", "rings",
                                    "drop shade", "lightened",  "greyed",  "flipped", "ellipse",    "lines",
                                    "blends",     "HLS hues",   "HSV mix", "scaled"};
    for (int i = 0; i < static_cast<int>(std::size(captions)); i++)
    {
        const CRect rect = TileRect(i);
        Caption(dc, rect.left, rect.bottom + 2, captions[i]);
    }

    painter.PaintGradient(TileRect(0), RGB(200, 0, 0), RGB(0, 0, 200), TRUE);
    painter.PaintGradient(TileRect(1), RGB(0, 140, 0), RGB(255, 255, 255), FALSE);
    painter.PaintBandedGradient(TileRect(2), RGB(0, 0, 90), RGB(0, 220, 255), TRUE);
    painter.PaintGradientSplit(TileRect(3), RGB(255, 240, 200), RGB(240, 180, 60), RGB(200, 120, 0),
                               RGB(255, 220, 120), TRUE, 40);
    painter.PaintDirectionalGradient(TileRect(4), RGB(255, 140, 0), RGB(120, 0, 160), 45);
    painter.PaintRingGradient(TileRect(5), RGB(255, 255, 0), RGB(220, 0, 0), RGB(90, 0, 0), 45, 8);

    CRect shade = TileRect(6);
    dc.FillSolidRect(shade, RGB(230, 230, 230));
    CRect card(shade.left + 6, shade.top + 6, shade.right - 16, shade.bottom - 16);
    painter.StrokeRect(card, RGB(255, 255, 255), ink);
    painter.PaintDropShade(card, 6);

    CRect lightened = TileRect(7);
    painter.PaintGradient(lightened, RGB(0, 90, 0), RGB(0, 200, 120), FALSE);
    painter.LightenRect(CRect(lightened.left, lightened.top, lightened.right, lightened.CenterPoint().y), 150);

    CRect greyed = TileRect(8);
    painter.PaintGradient(greyed, RGB(255, 0, 0), RGB(0, 0, 255), FALSE);
    painter.DesaturateRect(CRect(greyed.CenterPoint().x, greyed.top, greyed.right, greyed.bottom));

    CRect flipped = TileRect(9);
    painter.PaintGradient(flipped, RGB(255, 255, 255), RGB(0, 120, 200), FALSE);
    painter.StrokeEllipse(CRect(flipped.left + 4, flipped.top + 8, flipped.left + 34, flipped.top + 38),
                          RGB(255, 200, 0), ink);
    painter.FlipRect(flipped, TRUE);

    CRect ellipse = TileRect(10);
    painter.StrokeEllipse(ellipse, RGB(255, 230, 120), RGB(160, 80, 0));
    painter.StrokeRect(CRect(ellipse.left + 28, ellipse.top + 18, ellipse.right - 28, ellipse.bottom - 18),
                       RGB(0, 0, 160));

    const CRect lines = TileRect(11);
    for (int i = 0; i < 6; i++)
        painter.StrokeLine(CRect(lines.left, lines.top + i * 11, lines.right - 1, lines.bottom - 1 - i * 11),
                           CVrxPPainter::ColorFromHLSDegrees(i * 60.0, 0.4, 1.0));

    const CRect blends = TileRect(12);
    for (int i = 0; i < 8; i++)
        dc.FillSolidRect(blends.left + i * 10, blends.top, 10, tileHeight,
                         CVrxPPainter::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 100 - i * 100 / 7));

    const CRect hues = TileRect(13);
    for (int i = 0; i < 8; i++)
        dc.FillSolidRect(hues.left + i * 10, hues.top, 10, tileHeight,
                         CVrxPPainter::ColorFromHLSDegrees(i * 45.0, 0.5, 1.0));

    const CRect mix = TileRect(14);
    for (int i = 0; i < 8; i++)
        dc.FillSolidRect(mix.left + i * 10, mix.top, 10, tileHeight,
                         CVrxPPainter::MixColorsHSV(RGB(255, 0, 0), RGB(0, 160, 255), 1.0, 7 - i, i));

    const CRect scaled = TileRect(15);
    for (int i = 0; i < 8; i++)
        dc.FillSolidRect(scaled.left + i * 10, scaled.top, 10, tileHeight,
                         CVrxPPainter::ScaleColor(RGB(120, 60, 200), 40 + i * 20));
}

BOOL GalleryPage::DrawImageStates(CDC& dc)
{
    Caption(dc, 10, statesTop, "Toolbar image list");
    CVrxPToolbarImageList images;
    HBITMAP hStrip = MakeStrip();
    const BOOL bMade = hStrip != NULL && images.AppendImage(hStrip, TRUE) == imageCount - 1;
    if (hStrip != NULL)
        DeleteObject(hStrip);
    if (!bMade)
        return FALSE;
    images.ChangeTransparentColor(stripKey);

    CVrxPToolbarImageList faded;
    CVrxPToolbarImageList greyed;
    CVrxPToolbarImageList mirrored;
    if (!images.CopyImagesFrom(faded) || !images.CopyImagesFrom(greyed) || !images.CopyImagesFrom(mirrored))
        return FALSE;
    faded.SetFadeAllDepths(TRUE);
    greyed.DesaturateAll();
    mirrored.FlipImagesHorizontally();

    dc.FillSolidRect(8, statesTop + 16, 10 * statePitchX, imageCount * imagePitchY + 4, RGB(236, 233, 216));
    // The hot look: the image over its own shade, up and left of it.
    const struct
    {
        const char* caption;
        std::vector<StateColumn> passes;
    } columns[] = {
        {"normal", {{&images, FALSE, FALSE, FALSE, FALSE, FALSE, 255, 0, 0}}},
        {"disabled", {{&images, FALSE, TRUE, FALSE, FALSE, FALSE, 255, 0, 0}}},
        {"checked", {{&images, TRUE, FALSE, FALSE, FALSE, FALSE, 255, 0, 0}}},
        {"mixed", {{&images, FALSE, FALSE, TRUE, FALSE, FALSE, 255, 0, 0}}},
        {"hot",
         {{&images, FALSE, FALSE, FALSE, TRUE, FALSE, 255, 1, 1},
          {&images, FALSE, FALSE, FALSE, FALSE, FALSE, 255, -1, -1}}},
        {"faded", {{&faded, FALSE, FALSE, FALSE, FALSE, TRUE, 255, 0, 0}}},
        {"alpha 50%", {{&images, FALSE, FALSE, FALSE, FALSE, FALSE, 128, 0, 0}}},
        {"greyed", {{&greyed, FALSE, FALSE, FALSE, FALSE, FALSE, 255, 0, 0}}},
        {"mirrored", {{&mirrored, FALSE, FALSE, FALSE, FALSE, FALSE, 255, 0, 0}}},
    };
    BOOL bDrawn = TRUE;
    for (int i = 0; i < static_cast<int>(std::size(columns)); i++)
    {
        for (const StateColumn& pass : columns[i].passes)
            bDrawn &= DrawColumn(dc, i, pass);
        Caption(dc, 10 + i * statePitchX, statesTop + 20 + imageCount * imagePitchY + 4, columns[i].caption);
    }

    const int x = 10 + static_cast<int>(std::size(columns)) * statePitchX;
    for (int i = 0; i < imageCount; i++)
        bDrawn &= images.DrawFitted(&dc, CRect(x + 4 + (i % 2) * 34, statesTop + 20 + (i / 2) * 40,
                                               x + 36 + (i % 2) * 34, statesTop + 50 + (i / 2) * 40),
                                    i, 3, 3);
    Caption(dc, x, statesTop + 20 + imageCount * imagePitchY + 4, "stretched");
    return bDrawn;
}

BOOL GalleryPage::DrawGlyphs(CDC& dc)
{
    Caption(dc, 10, glyphsTop, "Menu glyphs");
    if (!CVrxPMenuGlyphs::EnsureLoaded())
        return FALSE;
    const char* const names[] = {"black", "grey", "silver", "white", "dark grey"};
    BOOL bDrawn = TRUE;
    for (int v = 0; v < CVrxPMenuGlyphs::variantCount; v++)
    {
        const BOOL bLight = v == CVrxPMenuGlyphs::silver || v == CVrxPMenuGlyphs::white;
        const CRect first = GlyphCell(0, v);
        const CRect last = GlyphCell(CVrxPMenuGlyphs::glyphCount - 1, v);
        dc.FillSolidRect(CRect(first.left - 2, first.top - 2, last.right + 2, last.bottom + 2),
                         bLight ? darkBand : paper);
        Caption(dc, 10, first.top + 2, names[v]);
        for (int g = 0; g < CVrxPMenuGlyphs::glyphCount; g++)
            bDrawn &= CVrxPMenuGlyphs::DrawGlyphCentered(&dc, g, GlyphCell(g, v), v);
    }
    return bDrawn;
}
