#include "foundation/CVrxPMenuGlyphs.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPLibraryResources.h"

namespace
{
// The recoloured copies, in the order they are made.
const struct
{
    int nVariant;
    COLORREF color;
} recoloredVariants[] = {{CVrxPMenuGlyphs::grey, CVrxPMenuGlyphs::greyColor},
                         {CVrxPMenuGlyphs::darkGrey, CVrxPMenuGlyphs::darkGreyColor},
                         {CVrxPMenuGlyphs::silver, CVrxPMenuGlyphs::silverColor},
                         {CVrxPMenuGlyphs::white, CVrxPMenuGlyphs::whiteColor}};

BOOL LoadStrip(CVrxPToolbarImageList& list)
{
    list.SetImageSize(CSize(CVrxPMenuGlyphs::glyphSize, CVrxPMenuGlyphs::glyphSize));
    if (!list.LoadFromResource(CVrxPMenuGlyphs::GlyphResourceId()))
        return FALSE;
    if (CVrxPToolbarImageList::IsRightToLeft())
        list.FlipImagesHorizontally();
    if (list.GetTransparentColor() != CVrxPMenuGlyphs::backgroundColor)
        list.ChangeTransparentColor(CVrxPMenuGlyphs::backgroundColor);
    return TRUE;
}
} // namespace

UINT CVrxPMenuGlyphs::GlyphResourceId()
{
    return VrxPGlobals().CanShowHighColorImages() ? VrxPIdbMenuGlyphs : VrxPIdbMenuGlyphs16;
}

BOOL CVrxPMenuGlyphs::EnsureLoaded()
{
    VrxPStartLibrary();
    CVrxPToolbarImageList& blackList = *List(black);
    if (blackList.GetCount() > 0)
        return TRUE;
    if (!LoadStrip(blackList))
        return FALSE;
    for (const auto& variant : recoloredVariants)
    {
        CVrxPToolbarImageList& list = *List(variant.nVariant);
        blackList.CopyImagesFrom(list);
        list.RecolorImages(FALSE, RGB(0, 0, 0), variant.color);
    }
    return TRUE;
}

BOOL CVrxPMenuGlyphs::DrawGlyph(CDC* pDC, int nGlyph, CPoint point, int nVariant, CSize size)
{
    if (!EnsureLoaded())
        return FALSE;
    CVrxPToolbarImageList& list = *List(nVariant);
    if (nGlyph < 0 || nGlyph >= list.GetCount())
        return FALSE;
    // A glyph is two blits from the variant's prepared strip: an image
    // list's drawing pass makes and frees a mask, a DC and a bitmap for
    // every image, which costs more than all the rest of a caption or menu.
    const CSize image = list.GetImageSize();
    const BOOL bPlainSize = (size.cx <= 0 || size.cy <= 0) || size == image;
    const GlyphBlits* pBlits = bPlainSize && VrxPAlphaDrawing == 0 && !CVrxPToolbarImageList::IsRightToLeft()
                                   ? PreparedBlits(nVariant)
                                   : nullptr;
    if (pBlits == nullptr)
        return DrawGlyphInPass(list, pDC, nGlyph, point, size);
    const HDC hDC = pDC->GetSafeHdc();
    const int xSource = nGlyph * image.cx;
    const COLORREF colorOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    const COLORREF colorOldBack = ::SetBkColor(hDC, RGB(255, 255, 255));
    ::BitBlt(hDC, point.x, point.y, image.cx, image.cy, pBlits->hMaskDC, xSource, 0, SRCAND);
    ::BitBlt(hDC, point.x, point.y, image.cx, image.cy, pBlits->hInkDC, xSource, 0, SRCPAINT);
    ::SetBkColor(hDC, colorOldBack);
    ::SetTextColor(hDC, colorOldText);
    return TRUE;
}

CVrxPMenuGlyphs::GlyphBlits& CVrxPMenuGlyphs::BlitsOf(int nVariant)
{
    static GlyphBlits blits[variantCount];
    // Unknown variants draw white, as List answers them.
    return blits[nVariant >= 0 && nVariant < variantCount ? nVariant : white];
}

const CVrxPMenuGlyphs::GlyphBlits* CVrxPMenuGlyphs::PreparedBlits(int nVariant)
{
    GlyphBlits& prepared = BlitsOf(nVariant);
    const CVrxPToolbarImageList& list = *List(nVariant);
    const COLORREF key = list.GetTransparentColor();
    if (key == static_cast<COLORREF>(-1) || list.GetBitsPerPixel() >= 32)
        return nullptr;
    if (prepared.hStrip == list.GetStrip() && prepared.nCount == list.GetCount())
        return &prepared;
    prepared.Release();
    const int cx = list.GetImageSize().cx * list.GetCount();
    const int cy = list.GetImageSize().cy;
    const HDC hStripDC = ::CreateCompatibleDC(NULL);
    const HGDIOBJ hOldStrip = ::SelectObject(hStripDC, list.GetStrip());
    prepared.hMaskDC = ::CreateCompatibleDC(NULL);
    prepared.hInkDC = ::CreateCompatibleDC(NULL);
    prepared.hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    prepared.hInk = ::CreateCompatibleBitmap(hStripDC, cx, cy);
    const BOOL bMade = hStripDC != NULL && prepared.hMaskDC != NULL && prepared.hInkDC != NULL &&
                       prepared.hMask != NULL && prepared.hInk != NULL;
    if (bMade)
    {
        prepared.hOldMask = ::SelectObject(prepared.hMaskDC, prepared.hMask);
        prepared.hOldInk = ::SelectObject(prepared.hInkDC, prepared.hInk);
        // The mask is white where the key colour is; the ink is the strip
        // with those pixels black.
        ::SetBkColor(hStripDC, key);
        ::BitBlt(prepared.hMaskDC, 0, 0, cx, cy, hStripDC, 0, 0, SRCCOPY);
        ::BitBlt(prepared.hInkDC, 0, 0, cx, cy, hStripDC, 0, 0, SRCCOPY);
        ::SetTextColor(prepared.hInkDC, RGB(0, 0, 0));
        ::SetBkColor(prepared.hInkDC, RGB(255, 255, 255));
        const DWORD ropAndNotSource = 0x00220326;
        ::BitBlt(prepared.hInkDC, 0, 0, cx, cy, prepared.hMaskDC, 0, 0, ropAndNotSource);
        prepared.hStrip = list.GetStrip();
        prepared.nCount = list.GetCount();
    }
    ::SelectObject(hStripDC, hOldStrip);
    ::DeleteDC(hStripDC);
    if (!bMade)
    {
        prepared.Release();
        return nullptr;
    }
    return &prepared;
}

void CVrxPMenuGlyphs::GlyphBlits::Release()
{
    if (hOldMask != NULL)
        ::SelectObject(hMaskDC, hOldMask);
    if (hOldInk != NULL)
        ::SelectObject(hInkDC, hOldInk);
    for (HDC hDC : {hMaskDC, hInkDC})
        if (hDC != NULL)
            ::DeleteDC(hDC);
    for (HBITMAP hBitmap : {hMask, hInk})
        if (hBitmap != NULL)
            ::DeleteObject(hBitmap);
    *this = GlyphBlits();
}

BOOL CVrxPMenuGlyphs::DrawGlyphInPass(CVrxPToolbarImageList& list, CDC* pDC, int nGlyph, CPoint point, CSize size)
{
    CVrxPImageDrawState state;
    if (!list.BeginDraw(state, size.cx, size.cy))
        return FALSE;
    const BOOL bDrawn = list.DrawImage(pDC, point.x, point.y, nGlyph);
    list.EndDraw(state);
    return bDrawn;
}

BOOL CVrxPMenuGlyphs::DrawGlyphCentered(CDC* pDC, int nGlyph, CRect rect, int nVariant, CSize size)
{
    const CSize glyph = size == CSize(0, 0) ? GetImageSize() : size;
    const int dx = rect.Width() - glyph.cx;
    const int dy = rect.Height() - glyph.cy;
    const CPoint point(rect.left + dx / 2 + dx % 2, rect.top + dy / 2 + dy % 2);
    return DrawGlyph(pDC, nGlyph, point, nVariant, size);
}

void CVrxPMenuGlyphs::RecolorSet(int nVariant, COLORREF color)
{
    if (!EnsureLoaded())
        return;
    CVrxPToolbarImageList recolored;
    if (!LoadStrip(recolored))
        return;
    if (color != static_cast<COLORREF>(-1))
        recolored.RecolorImages(FALSE, RGB(0, 0, 0), color);
    CVrxPToolbarImageList& list = *List(nVariant);
    list.RemoveAllImages();
    recolored.CopyImagesFrom(list);
    // A new strip may reuse the old one's handle.
    BlitsOf(nVariant).Release();
}

CSize CVrxPMenuGlyphs::GetImageSize()
{
    EnsureLoaded();
    return List(black)->GetImageSize();
}

void CVrxPMenuGlyphs::ReleaseAll()
{
    CVrxPToolbarImageList* pBlack = List(black);
    if (pBlack == nullptr || pBlack->GetCount() == 0)
        return;
    for (int i = 0; i < variantCount; i++)
    {
        BlitsOf(i).Release();
        if (CVrxPToolbarImageList* pList = List(i))
            pList->RemoveAllImages();
    }
}
