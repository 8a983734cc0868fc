#include "themes/2007/CVrxPControlRenderer.h"

#include "gdi/CDC.h"

IMPLEMENT_DYNCREATE(CVrxPControlRenderer, CObject)

namespace
{

BOOL IsZero(const RECT& rect)
{
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

} // namespace

CVrxPControlRenderer::CVrxPControlRenderer() = default;

CVrxPControlRenderer::~CVrxPControlRenderer()
{
    CleanUp();
}

void CVrxPControlRenderer::CleanUp()
{
    m_images.RemoveAllImages();
    if (m_images.GetTransparentColor() != static_cast<COLORREF>(-1))
    {
        m_images.ChangeTransparentColor(static_cast<COLORREF>(-1));
        m_images.BuildDerivedImage(CVrxPToolbarImageList::dropShadeImage);
        m_images.BuildDerivedImage(CVrxPToolbarImageList::fadedImage);
    }
    m_info = CVrxPRendererInfo();
    m_mirrored = FALSE;
}

BOOL CVrxPControlRenderer::Create(const CVrxPRendererInfo& info, BOOL bFlipVertically)
{
    CleanUp();
    m_info = info;
    if (m_info.bitmapId == 0)
        return TRUE;

    const CRect part(m_info.partRect);
    m_images.SetImageSize(part.Size());
    m_images.SetPremultiplyOnlyWhenNeeded(m_info.premultiplyCheck);
    m_images.SetMapButtonColors(FALSE);
    if (!m_images.LoadFromResource(static_cast<UINT>(m_info.bitmapId)))
    {
        // A renderer that cannot draw must not look created.
        CleanUp();
        return FALSE;
    }
    if (bFlipVertically)
        m_images.FlipImagesVertically();
    if (m_info.transparentColor != CVrxPRendererInfo::noTransparentColor &&
        m_info.transparentColor != m_images.GetTransparentColor())
    {
        m_images.ChangeTransparentColor(m_info.transparentColor);
        m_images.BuildDerivedImage(CVrxPToolbarImageList::dropShadeImage);
        m_images.BuildDerivedImage(CVrxPToolbarImageList::fadedImage);
    }
    if (CVrxPToolbarImageList::IsRightToLeft() && m_images.GetBitsPerPixel() == 32)
        m_mirrored = m_images.FlipImagesHorizontally();

    if (IsZero(m_info.sides))
        m_info.sides = m_info.corners;
    if (IsZero(m_info.interior))
        m_info.interior = {m_info.corners.left, m_info.corners.top, part.Width() - m_info.corners.right,
                           part.Height() - m_info.corners.bottom};
    if (bFlipVertically)
    {
        std::swap(m_info.corners.top, m_info.corners.bottom);
        std::swap(m_info.sides.top, m_info.sides.bottom);
        const LONG oldTop = m_info.interior.top;
        m_info.interior.top = part.Height() - m_info.interior.bottom;
        m_info.interior.bottom = part.Height() - oldTop;
    }
    return TRUE;
}

BOOL CVrxPControlRenderer::IsSingleColumn() const
{
    BITMAP strip = {};
    if (m_images.GetStrip() == NULL || GetObject(m_images.GetStrip(), sizeof(strip), &strip) == 0)
        return FALSE;
    return strip.bmHeight > m_images.GetImageSize().cy;
}

CRect CVrxPControlRenderer::SourceOf(const CRect& rectInImage, int nIndex, int& nListIndex) const
{
    CRect source = rectInImage;
    nListIndex = nIndex;
    if (IsSingleColumn())
    {
        source.OffsetRect(0, nIndex * m_images.GetImageSize().cy);
        nListIndex = 0;
    }
    return source;
}

void CVrxPControlRenderer::Draw(CDC* pDC, CRect rect, int nIndex, BYTE alpha)
{
    CRect inner = rect;
    inner.left += m_info.sides.left;
    inner.top += m_info.sides.top;
    inner.right -= m_info.sides.right;
    inner.bottom -= m_info.sides.bottom;
    PaintInterior(pDC, inner, nIndex, alpha);
    Paint(pDC, rect, nIndex, alpha);
}

void CVrxPControlRenderer::DrawImage(CDC* pDC, CRect rect, int nHorzAlign, int nVertAlign, int nIndex, BYTE alpha)
{
    if (!HasImages())
        return;
    int nList = 0;
    const CRect source = SourceOf(CRect(m_info.partRect), nIndex, nList);
    m_images.DrawFitted(pDC, rect, nList, nHorzAlign, nVertAlign, source, alpha);
}

void CVrxPControlRenderer::Paint(CDC* pDC, CRect rect, int nIndex, BYTE alpha)
{
    if (!HasImages())
        return;
    int nList = 0;
    const CRect s = SourceOf(CRect(m_info.partRect), nIndex, nList);
    const RECT& c = m_info.corners;
    const RECT& sd = m_info.sides;
    const int x0 = rect.left + c.left, y0 = rect.top + c.top;
    const int x1 = rect.right - c.right, y1 = rect.bottom - c.bottom;
    if (x1 - x0 <= 0 && y1 - y0 <= 0)
        return;

    if (y1 - y0 > 0)
    {
        const int top = s.top + c.top, bottom = s.bottom - c.bottom;
        if (sd.left > 0)
        {
            const int from = m_mirrored ? s.right - sd.left : s.left;
            m_images.DrawFitted(pDC, CRect(rect.left, y0, rect.left + sd.left, y1), nList, alignStart, alignStretch,
                                CRect(from, top, from + sd.left, bottom), alpha);
        }
        if (sd.right > 0)
        {
            const int from = m_mirrored ? s.left : s.right - sd.right;
            m_images.DrawFitted(pDC, CRect(rect.right - sd.right, y0, rect.right, y1), nList, alignEnd,
                                alignStretch, CRect(from, top, from + sd.right, bottom), alpha);
        }
    }
    if (x1 - x0 >= 1)
    {
        const int left = m_mirrored ? s.left + c.right : s.left + c.left;
        const int right = m_mirrored ? s.right - c.left : s.right - c.right;
        if (sd.top > 0)
            m_images.DrawFitted(pDC, CRect(x0, rect.top, x1, rect.top + sd.top), nList, alignStretch, alignStart,
                                CRect(left, s.top, right, s.top + sd.top), alpha);
        if (sd.bottom > 0)
            m_images.DrawFitted(pDC, CRect(x0, rect.bottom - sd.bottom, x1, rect.bottom), nList, alignStretch,
                                alignEnd, CRect(left, s.bottom - sd.bottom, right, s.bottom), alpha);
    }

    const int leftFrom = m_mirrored ? s.right - c.left : s.left;
    const int rightFrom = m_mirrored ? s.left : s.right - c.right;
    if (c.left > 0 && c.top > 0)
        m_images.DrawFitted(pDC, rect, nList, alignStart, alignStart,
                            CRect(leftFrom, s.top, leftFrom + c.left, s.top + c.top), alpha);
    if (c.right > 0 && c.top > 0)
        m_images.DrawFitted(pDC, rect, nList, alignEnd, alignStart,
                            CRect(rightFrom, s.top, rightFrom + c.right, s.top + c.top), alpha);
    if (c.left > 0 && c.bottom > 0)
        m_images.DrawFitted(pDC, rect, nList, alignStart, alignEnd,
                            CRect(leftFrom, s.bottom - c.bottom, leftFrom + c.left, s.bottom), alpha);
    if (c.right > 0 && c.bottom > 0)
        m_images.DrawFitted(pDC, rect, nList, alignEnd, alignEnd,
                            CRect(rightFrom, s.bottom - c.bottom, rightFrom + c.right, s.bottom), alpha);
}

void CVrxPControlRenderer::PaintInteriorAligned(CDC* pDC, CRect rect, int nHorzAlign, int nVertAlign, int nIndex,
                                                BYTE alpha)
{
    const CRect interior(m_info.interior);
    if (!HasImages() || interior.IsRectEmpty())
        return;
    CRect inImage = interior;
    inImage.OffsetRect(m_info.partRect.left, m_info.partRect.top);
    int nList = 0;
    const CRect source = SourceOf(inImage, nIndex, nList);
    m_images.DrawFitted(pDC, rect, nList, nHorzAlign, nVertAlign, source, alpha);
}

void CVrxPControlRenderer::PaintInterior(CDC* pDC, CRect rect, int nIndex, BYTE alpha)
{
    PaintInteriorAligned(pDC, rect, alignStretch, alignStretch, nIndex, alpha);
}

BOOL CVrxPControlRenderer::Reload()
{
    if (!HasImages())
        return FALSE;
    m_images.ReloadImages();
    return TRUE;
}
