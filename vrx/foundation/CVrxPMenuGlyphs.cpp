#include "foundation/CVrxPMenuGlyphs.h"

#include "foundation/CVrxPGlobals.h"
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
        if (CVrxPToolbarImageList* pList = List(i))
            pList->RemoveAllImages();
}
