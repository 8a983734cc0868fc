#include "docking/CVrxPMiniFrameTitleButton.h"

#include "foundation/CVrxPMenuGlyphs.h"
#include "themes/CVrxPVisualManager.h"

CRect CVrxPMiniFrameTitleButton::GetRect() const
{
    if (hidden)
        return CRect(x, y, x, y);
    const CSize size = GetStandardSize();
    return CRect(x, y, x + size.cx, y + size.cy);
}

void CVrxPMiniFrameTitleButton::Draw(CDC* pDC, BOOL bActive, BOOL, int nState, BOOL bForceDisabled)
{
    if (hidden)
        return;
    CVrxPVisualManager::Instance()->PaintCaptionButton(pDC, this, bActive, FALSE, nState, bForceDisabled || !enabled,
                                                       -1);
}

int CVrxPMiniFrameTitleButton::GetImageIndex(BOOL bHorizontal, int nState) const
{
    switch (hitCode)
    {
    case hitMenu:
        if (bHorizontal)
            return nState != 0 ? CVrxPMenuGlyphs::arrowLeft : CVrxPMenuGlyphs::arrowRight;
        return nState != 0 ? CVrxPMenuGlyphs::arrowDownLarge : CVrxPMenuGlyphs::arrowUp;
    case hitPin:
        return nState != 0 ? CVrxPMenuGlyphs::pinHorizontal : CVrxPMenuGlyphs::pinVertical;
    case hitPaneClose:
    case hitFrameClose:
        return CVrxPMenuGlyphs::close;
    case hitBack:
        return CVrxPMenuGlyphs::arrowLeftShaft;
    case hitForward:
        return CVrxPMenuGlyphs::arrowRightShaft;
    case hitMenuButton:
        return CVrxPMenuGlyphs::arrowDownLarge;
    default:
        return -1;
    }
}

CSize CVrxPMiniFrameTitleButton::GetStandardSize()
{
    const CSize extra = CVrxPVisualManager::Instance()->QueryCaptionButtonExtraSize();
    CVrxPMenuGlyphs::EnsureLoaded();
    const CSize glyph = CVrxPMenuGlyphs::GetImageSize();
    return CSize(extra.cx + 2 * glyphBorderX + glyph.cx, extra.cy + 2 * glyphBorderY + glyph.cy);
}
