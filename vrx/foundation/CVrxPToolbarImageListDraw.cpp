#include "foundation/CVrxPToolbarImageList.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/VrxPImageBitmaps.h"
#include "foundation/VrxPPixelBuffer.h"
#include "gdi/CBrush.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>
#include <vector>

namespace
{
const COLORREF noColor = static_cast<COLORREF>(-1);
// Paints the selected brush where the monochrome source is black and keeps
// the target where it is white.
const DWORD ropBrushWhereBlack = 0x00B8074A;
// Paints the selected brush where the monochrome source is white.
const DWORD ropBrushWhereWhite = 0x00E20746;
// Target AND NOT source.
const DWORD ropAndNotSource = 0x00220326;
} // namespace

BOOL CVrxPToolbarImageList::BeginDraw(CVrxPImageDrawState& state, int nWidth, int nHeight, BOOL bFaded)
{
    if (m_hStrip == nullptr)
        return FALSE;
    const CVrxPGlobals& globals = VrxPGlobals();
    if (m_nBitsPerPixel < 32)
    {
        if (bFaded && m_hFaded == nullptr)
            BuildDerivedImage(fadedImage);
        if (m_hDropShade == nullptr && CVrxPVisualManager::Instance()->shadeHotImages && !globals.highContrastBlack &&
            !globals.highContrastWhite)
            BuildDerivedImage(dropShadeImage);
    }
    m_bPassFaded = bFaded && m_hFaded != nullptr && ((m_nBitsPerPixel >= 1 && m_nBitsPerPixel <= 4) || m_bFadeAllDepths);
    const HBITMAP hImage = m_bPassFaded && m_nBitsPerPixel < 32 ? m_hFaded : m_hStrip;
    state = CVrxPImageDrawState();
    state.hOldImage = ImageDC()->SelectObject(static_cast<HGDIOBJ>(hImage));

    auto fail = [&]() {
        EndDraw(state);
        return FALSE;
    };
    if (m_bUseMask)
    {
        state.hMask = CreateBitmap(m_nImageWidth + 2, m_nImageHeight + 2, 1, 1, NULL);
        if (state.hMask == nullptr)
            return fail();
        state.hOldMask = MaskDC()->SelectObject(static_cast<HGDIOBJ>(state.hMask));
    }
    m_nDrawWidth = nWidth > 0 && nHeight > 0 ? nWidth : m_nImageWidth;
    m_nDrawHeight = nWidth > 0 && nHeight > 0 ? nHeight : m_nImageHeight;
    m_bPassStretches = m_nDrawWidth != m_nImageWidth || m_nDrawHeight != m_nImageHeight;
    // Images blended with their own alpha go straight to the target, also
    // when stretched: a keyed copy through the face-filled pass DC would
    // leave face-coloured fringes on any other background.
    if (KeyColor() == noColor)
        return TRUE;
    CDC screen;
    screen.Attach(GetDC(NULL));
    const BOOL bMade = m_passDC.CreateCompatibleDC(&screen) &&
                       m_passBitmap.CreateCompatibleBitmap(&screen, m_nImageWidth + 2, m_nImageHeight + 2);
    ReleaseDC(NULL, screen.Detach());
    if (!bMade)
        return fail();
    m_hPassOldBitmap = m_passDC.SelectObject(static_cast<HGDIOBJ>(m_passBitmap.m_hObject));
    return TRUE;
}

void CVrxPToolbarImageList::EndDraw(CVrxPImageDrawState& state)
{
    if (state.hMask != nullptr)
    {
        if (state.hOldMask != nullptr)
            MaskDC()->SelectObject(state.hOldMask);
        DeleteObject(state.hMask);
    }
    if (state.hOldImage != nullptr)
        ImageDC()->SelectObject(state.hOldImage);
    state = CVrxPImageDrawState();
    m_nDrawWidth = m_nDrawHeight = 0;
    m_rectLastDraw.SetRectEmpty();
    if (m_passDC.GetSafeHdc() != nullptr)
    {
        if (m_hPassOldBitmap != nullptr)
            m_passDC.SelectObject(m_hPassOldBitmap);
        m_passDC.DeleteDC();
    }
    m_hPassOldBitmap = nullptr;
    m_passBitmap.DeleteObject();
    m_bPassFaded = FALSE;
    m_bPassStretches = FALSE;
}

void CVrxPToolbarImageList::PrepareMask(int nIndex, BOOL bWithLightEdge, BOOL bShifted)
{
    CDC* pMask = MaskDC();
    CDC* pImage = ImageDC();
    const CVrxPGlobals& globals = VrxPGlobals();
    pMask->PatBlt(0, 0, m_nImageWidth + 2, m_nImageHeight + 2, WHITENESS);
    const COLORREF key = KeyColor() == noColor || m_transparentColor == noColor ? globals.colorFace : m_transparentColor;
    const int xSource = nIndex * m_nImageWidth + m_rectSource.left;
    pImage->SetBkColor(key);
    pMask->BitBlt(0, 0, m_nImageWidth, m_nImageHeight, pImage, xSource, m_rectSource.top, SRCCOPY);
    if (bWithLightEdge)
    {
        pImage->SetBkColor(globals.colorLightEdge);
        pMask->BitBlt(0, 0, m_nImageWidth, m_nImageHeight, pImage, xSource, m_rectSource.top, SRCPAINT);
    }
    if (bShifted)
        pMask->BitBlt(1, 1, m_nImageWidth + 1, m_nImageHeight + 1, pMask, 0, 0, SRCAND);
}

BOOL CVrxPToolbarImageList::DrawImage(CDC* pDC, int x, int y, int nIndex, BOOL bDithered, BOOL bDisabled,
                                      BOOL bIndeterminate, BOOL bShade, BOOL bFaded, BYTE alpha)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    const CVrxPGlobals& globals = VrxPGlobals();
    if (bShade && globals.bitsPerPixel <= 8)
        return TRUE;
    m_rectLastDraw.SetRect(x, y, x + m_nDrawWidth, y + m_nDrawHeight);
    if (m_bPassStretches)
        bDithered = bIndeterminate = FALSE;
    HGDIOBJ hFadedSelected = nullptr;
    if (m_bPassFaded && !bFaded && m_nBitsPerPixel < 32)
        hFadedSelected = ImageDC()->SelectObject(static_cast<HGDIOBJ>(m_hStrip));

    const AlphaBlendProc pfnAlphaBlend = AlphaBlendEntry();
    const BOOL bBlend = (m_nBitsPerPixel >= 32 || VrxPAlphaDrawing != 0) && pfnAlphaBlend != nullptr;
    COLORREF key = bBlend ? noColor : m_transparentColor;
    const BOOL bUsePass = m_passDC.GetSafeHdc() != nullptr && !bBlend;
    CDC* pTarget = bUsePass ? &m_passDC : pDC;
    const int xTarget = bUsePass ? 0 : x;
    const int yTarget = bUsePass ? 0 : y;
    const CRect slice = m_rectSource.IsRectEmpty() ? CRect(0, 0, m_nImageWidth, m_nImageHeight) : m_rectSource;
    if (bUsePass)
    {
        CRect area(0, 0, m_nImageWidth + 2, m_nImageHeight + 2);
        if (key != noColor && key != globals.colorFace)
        {
            CBrush brush(key);
            m_passDC.FillRect(&area, &brush);
        }
        else
            m_passDC.FillRect(&area, const_cast<CBrush*>(&globals.brushFace));
        if (globals.bitsPerPixel == 16 && bDisabled)
            key = m_passDC.GetPixel(0, 0);
    }

    BOOL bGreyed = FALSE;
    if (bDisabled && m_nBitsPerPixel >= 24)
    {
        bDisabled = FALSE;
        bGreyed = TRUE;
    }
    if (bShade && m_nBitsPerPixel >= 32 && pfnAlphaBlend != nullptr)
        bShade = FALSE;

    if (bShade && m_hDropShade != nullptr)
    {
        CDC shadeDC;
        if (shadeDC.CreateCompatibleDC(pDC))
        {
            HGDIOBJ hOld = shadeDC.SelectObject(static_cast<HGDIOBJ>(m_hDropShade));
            pTarget->BitBlt(xTarget, yTarget, slice.Width(), slice.Height(), &shadeDC,
                            nIndex * m_nImageWidth + slice.left, slice.top, SRCCOPY);
            shadeDC.SelectObject(hOld);
        }
    }
    else
    {
        if (!bDisabled && !bShade)
        {
            const int nDrawWidth = bUsePass ? slice.Width() : m_nDrawWidth;
            const int nDrawHeight = bUsePass ? slice.Height() : m_nDrawHeight;
            BYTE constantAlpha = alpha;
            if (bGreyed)
                constantAlpha = disabledAlpha;
            if (bFaded && m_bPassFaded)
                constantAlpha = fadedAlpha;
            BOOL bDrawn = FALSE;
            if (bBlend)
            {
                BLENDFUNCTION blend = {AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
                if (m_nBitsPerPixel < 32)
                {
                    // A strip without alpha: key pixels transparent, others opaque.
                    VrxPPixelBuffer buffer(pDC, slice.Width(), slice.Height());
                    if (buffer.IsValid())
                    {
                        buffer.DC().BitBlt(0, 0, slice.Width(), slice.Height(), ImageDC(),
                                           nIndex * m_nImageWidth + slice.left, slice.top, SRCCOPY);
                        GdiFlush();
                        const DWORD keyPixel = VrxPColorToPixel(m_transparentColor);
                        DWORD* pBits = buffer.Bits();
                        for (int i = 0; i < slice.Width() * slice.Height(); i++)
                            pBits[i] = m_transparentColor != noColor && (pBits[i] & 0xFFFFFF) == keyPixel
                                           ? 0
                                           : (pBits[i] | 0xFF000000);
                        bDrawn = pfnAlphaBlend(pTarget->GetSafeHdc(), xTarget, yTarget, nDrawWidth, nDrawHeight,
                                               buffer.DC().GetSafeHdc(), 0, 0, slice.Width(), slice.Height(), blend);
                    }
                }
                else
                    bDrawn = pfnAlphaBlend(pTarget->GetSafeHdc(), xTarget, yTarget, nDrawWidth, nDrawHeight,
                                           ImageDC()->GetSafeHdc(), nIndex * m_nImageWidth + slice.left, slice.top,
                                           slice.Width(), slice.Height(), blend);
            }
            if (!bDrawn)
                pTarget->StretchBlt(xTarget, yTarget, nDrawWidth, nDrawHeight, ImageDC(),
                                    nIndex * m_nImageWidth + slice.left, slice.top, slice.Width(), slice.Height(),
                                    SRCCOPY);
            // Only the image's own area turns grey: the pixels around it
            // belong to whatever the caller drew there.
            if (bGreyed)
            {
                const COLORREF transparent = key == noColor ? globals.colorFace : key;
                CVrxPPainter(*pTarget).DesaturateRect(CRect(xTarget, yTarget, xTarget + nDrawWidth, yTarget + nDrawHeight),
                                                      -1, transparent,
                                                      CVrxPVisualManager::Instance()->QueryImageHighlightColor());
            }
        }
        if ((bDisabled || bIndeterminate || bShade) && m_bUseMask)
        {
            PrepareMask(nIndex, TRUE, FALSE);
            pTarget->SetTextColor(bShade ? m_shadeTextColor : RGB(0, 0, 0));
            pTarget->SetBkColor(RGB(255, 255, 255));
            if (bDisabled)
            {
                if (CVrxPVisualManager::Instance()->embossDisabled)
                {
                    HGDIOBJ hOldBrush = pTarget->SelectObject(static_cast<HGDIOBJ>(globals.sysBrushLightEdge));
                    pTarget->BitBlt(xTarget + 1, yTarget + 1, m_nImageWidth + 2, m_nImageHeight + 2, MaskDC(), 0, 0,
                                    ropBrushWhereBlack);
                    pTarget->SelectObject(hOldBrush);
                }
                HGDIOBJ hOldBrush = pTarget->SelectObject(static_cast<HGDIOBJ>(globals.sysBrushShade));
                pTarget->BitBlt(xTarget, yTarget, m_nImageWidth + 2, m_nImageHeight + 2, MaskDC(), 0, 0,
                                ropBrushWhereBlack);
                pTarget->SelectObject(hOldBrush);
            }
            else if (bShade)
            {
                CBrush shade(m_shadeTextColor);
                CBrush* pOldBrush = pTarget->SelectObject(&shade);
                pTarget->BitBlt(xTarget, yTarget, m_nImageWidth, m_nImageHeight, MaskDC(), 0, 0, ropBrushWhereBlack);
                pTarget->SelectObject(pOldBrush);
            }
        }
        if ((bDithered || bIndeterminate) && m_bUseMask)
        {
            PrepareMask(nIndex, !bIndeterminate, bDisabled);
            pTarget->SetTextColor(RGB(0, 0, 0));
            pTarget->SetBkColor(RGB(255, 255, 255));
            CBrush* pOldBrush = pTarget->SelectObject(const_cast<CBrush*>(&globals.brushHalftone));
            pTarget->BitBlt(xTarget, yTarget, m_nImageWidth, m_nImageHeight, MaskDC(), 0, 0, ropBrushWhereWhite);
            pTarget->SelectObject(pOldBrush);
        }
    }

    if (bUsePass)
        BlitWithKeyColor(pDC, x, y, slice.Width(), slice.Height(), &m_passDC, 0, 0,
                         key == noColor ? globals.colorFace : key, m_nDrawWidth, m_nDrawHeight);
    if (hFadedSelected != nullptr)
        ImageDC()->SelectObject(hFadedSelected);
    return TRUE;
}

BOOL CVrxPToolbarImageList::DrawFitted(CDC* pDC, CRect rect, int nIndex, int nHorzAlign, int nVertAlign,
                                       CRect rectSource, BYTE alpha)
{
    if (rectSource.IsRectEmpty())
        rectSource.SetRect(0, 0, m_nImageWidth, m_nImageHeight);
    CRect target = rect;
    auto align = [](int nAlign, LONG& targetStart, LONG& targetEnd, LONG rectStart, LONG rectEnd, int nSize) {
        switch (nAlign)
        {
        case 0: targetStart = rectStart; break;
        case 1: targetStart = rectStart + (rectEnd - rectStart - nSize) / 2; break;
        case 2: targetStart = rectEnd - nSize; break;
        default: return FALSE;
        }
        targetEnd = targetStart + nSize;
        return TRUE;
    };
    const BOOL bAlignedX = align(nHorzAlign, target.left, target.right, rect.left, rect.right, rectSource.Width());
    const BOOL bAlignedY = align(nVertAlign, target.top, target.bottom, rect.top, rect.bottom, rectSource.Height());
    if (bAlignedX)
    {
        rectSource.left += std::max(0L, rect.left - target.left);
        rectSource.right -= std::max(0L, target.right - rect.right);
        target.left = std::max(target.left, rect.left);
        target.right = std::min(target.right, rect.right);
    }
    if (bAlignedY)
    {
        rectSource.top += std::max(0L, rect.top - target.top);
        rectSource.bottom -= std::max(0L, target.bottom - rect.bottom);
        target.top = std::max(target.top, rect.top);
        target.bottom = std::min(target.bottom, rect.bottom);
    }
    if (rectSource.IsRectEmpty() || target.IsRectEmpty())
        return FALSE;
    const BOOL bUseMask = m_bUseMask;
    const CRect oldSource = m_rectSource;
    m_bUseMask = FALSE;
    CVrxPImageDrawState state;
    BOOL bResult = BeginDraw(state, target.Width(), target.Height());
    if (bResult)
    {
        m_rectSource = rectSource;
        bResult = DrawImage(pDC, target.left, target.top, nIndex, FALSE, FALSE, FALSE, FALSE, FALSE, alpha);
        m_rectSource = oldSource;
        EndDraw(state);
    }
    m_bUseMask = bUseMask;
    return bResult;
}

void CVrxPToolbarImageList::BlitWithKeyColor(CDC* pTarget, int x, int y, int nWidth, int nHeight, CDC* pSource,
                                             int xSource, int ySource, COLORREF key, int nTargetWidth,
                                             int nTargetHeight)
{
    if (nTargetWidth < 0)
        nTargetWidth = nWidth;
    if (nTargetHeight < 0)
        nTargetHeight = nHeight;
    const TransparentBltProc pfnTransparentBlt = TransparentBltEntry();
    if (pfnTransparentBlt != nullptr && !IsRightToLeft() &&
        pfnTransparentBlt(pTarget->GetSafeHdc(), x, y, nTargetWidth, nTargetHeight, pSource->GetSafeHdc(), xSource,
                          ySource, nWidth, nHeight, key))
        return;

    CDC copyDC, maskDC;
    CBitmap copy, mask;
    if (!copyDC.CreateCompatibleDC(pTarget) || !maskDC.CreateCompatibleDC(pTarget) ||
        !copy.CreateCompatibleBitmap(pTarget, nTargetWidth, nTargetHeight) ||
        !mask.CreateBitmap(nTargetWidth, nTargetHeight, 1, 1, NULL))
        return;
    CBitmap* pOldCopy = copyDC.SelectObject(&copy);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    if (nWidth == nTargetWidth && nHeight == nTargetHeight)
        copyDC.BitBlt(0, 0, nWidth, nHeight, pSource, xSource, ySource, SRCCOPY);
    else
        copyDC.StretchBlt(0, 0, nTargetWidth, nTargetHeight, pSource, xSource, ySource, nWidth, nHeight, SRCCOPY);
    copyDC.SetBkColor(key);
    maskDC.BitBlt(0, 0, nTargetWidth, nTargetHeight, &copyDC, 0, 0, SRCCOPY);
    // Key pixels black in the copy, and cut out of the target.
    copyDC.SetTextColor(RGB(0, 0, 0));
    copyDC.SetBkColor(RGB(255, 255, 255));
    copyDC.BitBlt(0, 0, nTargetWidth, nTargetHeight, &maskDC, 0, 0, ropAndNotSource);
    const COLORREF oldText = pTarget->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBack = pTarget->SetBkColor(RGB(255, 255, 255));
    pTarget->BitBlt(x, y, nTargetWidth, nTargetHeight, &maskDC, 0, 0, SRCAND);
    pTarget->BitBlt(x, y, nTargetWidth, nTargetHeight, &copyDC, 0, 0, SRCPAINT);
    pTarget->SetTextColor(oldText);
    pTarget->SetBkColor(oldBack);
    maskDC.SelectObject(pOldMask);
    copyDC.SelectObject(pOldCopy);
}

// Matching pixels are cut out one horizontal run at a time.
HRGN CVrxPToolbarImageList::RegionFromBitmap(HBITMAP hBitmap, COLORREF color)
{
    HBITMAP hCopy = VrxPCopyAs32Bit(hBitmap);
    if (hCopy == NULL)
        return NULL;
    BITMAP info = {};
    GetObject(hCopy, sizeof(info), &info);
    HRGN hRegion = CreateRectRgn(0, 0, info.bmWidth, info.bmHeight);
    const DWORD pixel = VrxPColorToPixel(color);
    const DWORD* pBits = static_cast<const DWORD*>(info.bmBits);
    for (int y = 0; y < info.bmHeight && hRegion != NULL; y++)
    {
        const DWORD* pRow = pBits + (info.bmHeight - 1 - y) * info.bmWidth;
        for (int x = 0; x < info.bmWidth;)
        {
            if ((pRow[x] & 0xFFFFFF) != pixel)
            {
                x++;
                continue;
            }
            int xEnd = x;
            while (xEnd < info.bmWidth && (pRow[xEnd] & 0xFFFFFF) == pixel)
                xEnd++;
            HRGN hRun = CreateRectRgn(x, y, xEnd, y + 1);
            CombineRgn(hRegion, hRegion, hRun, RGN_DIFF);
            DeleteObject(hRun);
            x = xEnd;
        }
    }
    DeleteObject(hCopy);
    return hRegion;
}
