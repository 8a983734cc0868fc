// The base look's bars and their frames: backgrounds, borders, grippers,
// separators, pane captions and caption buttons, the MDI child buttons of
// the menu bar, status-bar panes, mini frames, sliders and the application
// bar.

#include "themes/CVrxPVisualManager.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CRgn.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPStatusPaneInfo.h"

namespace
{
BOOL HasDialogParent(CWnd* pBar)
{
    const CVrxPBaseControlBar* pBase = dynamic_cast<CVrxPBaseControlBar*>(pBar);
    return pBase != nullptr && pBase->dialogParent;
}

COLORREF LightOf(CWnd* pBar)
{
    return HasDialogParent(pBar) ? VrxPGlobals().colorLightEdge : VrxPGlobals().colorBarLightEdge;
}

COLORREF DarkOf(CWnd* pBar)
{
    return HasDialogParent(pBar) ? VrxPGlobals().colorShade : VrxPGlobals().colorBarShade;
}

int GlyphVariantFor(COLORREF colorText, BOOL bActive)
{
    if (colorText == static_cast<COLORREF>(-1))
        return bActive ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black;
    const BOOL bLight = GetRValue(colorText) > 192 && GetGValue(colorText) > 192 && GetBValue(colorText) > 192;
    return bLight ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black;
}

void FillWith(CDC* pDC, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    pDC->FillRect(&rect, &brush);
}
} // namespace

void CVrxPVisualManager::PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CWnd* pParent = pBar != nullptr && pBar->GetSafeHwnd() != NULL ? pBar->GetParent() : nullptr;
    if (dynamic_cast<CVrxPReBar*>(pBar) != nullptr || dynamic_cast<CVrxPReBar*>(pParent) != nullptr)
    {
        PaintThemeRebarBackground(pDC, pBar, rectClient);
        return;
    }
    if (const CVrxPOutlookBarPane* pPane = dynamic_cast<CVrxPOutlookBarPane*>(pBar))
    {
        pPane->PaintBackground(pDC, rectClient);
        return;
    }
    if (const CVrxPCaptionBar* pCaptionBar = dynamic_cast<CVrxPCaptionBar*>(pBar))
    {
        const COLORREF colorBack = pCaptionBar->m_backColor;
        pDC->FillSolidRect(rectClip.IsRectEmpty() ? &rectClient : &rectClip,
                          colorBack != static_cast<COLORREF>(-1) ? colorBack : globals.colorBarShade);
        return;
    }
    const CVrxPPopupMenuBar* pMenuBar = dynamic_cast<CVrxPPopupMenuBar*>(pBar);
    CBrush* pBrush = &globals.brushBarFace;
    if (pMenuBar != nullptr && pMenuBar->whiteBackground)
        pBrush = &globals.brushWindow;
    else if (HasDialogParent(pBar))
        pBrush = &globals.brushFace;
    pDC->FillRect(rectClip.IsRectEmpty() ? &rectClient : &rectClip, pBrush);
}

void CVrxPVisualManager::PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect)
{
    if (pBar == nullptr || pBar->IsFloatingInMiniFrame())
        return;
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & CVrxPBaseControlBar::borderAny) == 0)
        return;
    const COLORREF colorLight = LightOf(pBar);
    const COLORREF colorDark = DarkOf(pBar);
    const COLORREF colorOldBack = pDC->GetBkColor();
    const int cx = rect.Width();
    const int cy = rect.Height();
    if (dwStyle & CVrxPBaseControlBar::borderLeft)
        pDC->FillSolidRect(0, 0, 1, cy - 1, colorLight);
    if (dwStyle & CVrxPBaseControlBar::borderTop)
        pDC->FillSolidRect(0, 0, cx - 1, 1, colorLight);
    if (dwStyle & CVrxPBaseControlBar::borderRight)
        pDC->FillSolidRect(rect.right - 1, 0, 1, cy, colorDark);
    if (dwStyle & CVrxPBaseControlBar::borderBottom)
        pDC->FillSolidRect(0, rect.bottom - 1, cx - 1, 1, colorDark);
    if (!pBar->CanFloat())
    {
        pDC->FillSolidRect(0, 0, cx, 1, colorDark);
        pDC->FillSolidRect(0, 1, cx, 1, colorLight);
    }
    if (dwStyle & CVrxPBaseControlBar::borderLeft)
        rect.left++;
    if (dwStyle & CVrxPBaseControlBar::borderTop)
        rect.top++;
    if (dwStyle & CVrxPBaseControlBar::borderRight)
        rect.right--;
    if (dwStyle & CVrxPBaseControlBar::borderBottom)
        rect.bottom--;
    pDC->SetBkColor(colorOldBack);
}

void CVrxPVisualManager::PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar)
{
    const COLORREF colorLight = LightOf(pBar);
    const COLORREF colorDark = DarkOf(pBar);
    const int nLines = look2000 ? 1 : 2;
    const int nDeflate = look2000 ? 3 : 2;
    const int nBack = look2000 ? 1 : 2;
    if (bHorizontal)
    {
        rect.DeflateRect(0, nDeflate);
        CRect rectLine(0, rect.top, 0, rect.bottom);
        rectLine.left = (rect.left + rect.right) / 2 - nBack;
        rectLine.right = rectLine.left + 3;
        for (int i = 0; i < nLines; i++)
        {
            pDC->Draw3dRect(&rectLine, colorLight, colorDark);
            if (!look2000)
                pDC->SetPixel(rectLine.left, rectLine.bottom - 1, colorLight);
            rectLine.OffsetRect(4, 0);
        }
        return;
    }
    if (!look2000)
        rect.top++;
    rect.DeflateRect(nDeflate, 0);
    CRect rectLine(rect.left, 0, rect.right, 0);
    rectLine.top = (rect.top + rect.bottom) / 2 - nBack;
    rectLine.bottom = rectLine.top + 3;
    for (int i = 0; i < nLines; i++)
    {
        pDC->Draw3dRect(&rectLine, colorLight, colorDark);
        if (!look2000)
            pDC->SetPixel(rectLine.right - 1, rectLine.top, colorLight);
        rectLine.OffsetRect(0, 4);
    }
}

void CVrxPVisualManager::PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal)
{
    CRect rectLine = rect;
    if (bHorizontal)
    {
        rectLine.left = rect.left + rect.Width() / 2 - 1;
        rectLine.right = rectLine.left + 2;
    }
    else
    {
        rectLine.top = rect.top + rect.Height() / 2 - 1;
        rectLine.bottom = rectLine.top + 2;
    }
    pDC->Draw3dRect(&rectLine, DarkOf(pBar), LightOf(pBar));
}

COLORREF CVrxPVisualManager::PaintBarCaption(CDC* pDC, CVrxPDockingControlBar*, BOOL bActive, CRect rectCaption,
                                             CRect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    FillWith(pDC, rectCaption, bActive ? globals.colorActiveCaption : globals.colorInactiveCaption);
    return bActive ? globals.colorCaptionText : globals.colorInactiveCaptionText;
}

int CVrxPVisualManager::QueryDockingCaptionExtraHeight()
{
    return 0;
}

void CVrxPVisualManager::PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive,
                                            BOOL bHorizontal, BOOL bMaximized, BOOL bDisabled, int nGlyph)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rect = pButton->GetRect();
    if (nGlyph == -1)
        nGlyph = pButton->GetImageIndex(bHorizontal, bMaximized);
    const BOOL bPressed = pButton->pushed && (pButton->highlighted || pButton->dropped);
    CRect rectGlyph = rect;
    if (bPressed)
        rectGlyph.OffsetRect(1, 1);
    const int nVariant = bDisabled ? CVrxPMenuGlyphs::grey : GlyphVariantFor(pButton->glyphColor, bActive);
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, nGlyph, rectGlyph, nVariant);
    if (bDisabled)
        return;
    if (bPressed)
    {
        pDC->Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarLight);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarLightEdge);
    }
    else if (!look2000)
    {
        pDC->Draw3dRect(&rect, globals.colorBarLight, globals.colorBarDarkShade);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
    }
    else if (pButton->pushed || pButton->highlighted || pButton->dropped)
    {
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
    }
}

CSize CVrxPVisualManager::QueryCaptionButtonExtraSize()
{
    return CSize(0, 0);
}

void CVrxPVisualManager::PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL)
{
    UINT nState = 0;
    switch (nCommand)
    {
    case SC_MINIMIZE:
        nState = DFCS_CAPTIONMIN;
        break;
    case SC_RESTORE:
        nState = DFCS_CAPTIONRESTORE;
        break;
    case SC_CLOSE:
        nState = DFCS_CAPTIONCLOSE;
        break;
    default:
        return;
    }
    if (nStyle & 0x40000)
        nState |= DFCS_INACTIVE;
    if (nStyle & 0x20000)
        nState |= DFCS_PUSHED;
    pDC->DrawFrameControl(&rect, DFC_CAPTION, nState);
}

void CVrxPVisualManager::PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar*, CRect rect, int, UINT nStyle)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (nStyle & CVrxPStatusPaneInfo::styleNoBorders)
        return;
    if (nStyle & CVrxPStatusPaneInfo::stylePopOut)
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
    else
        pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
}

COLORREF CVrxPVisualManager::QueryStatusPaneTextColor(CVrxPStatusBar*, const CVrxPStatusPaneInfo* pPane)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (pPane->style & CVrxPStatusPaneInfo::styleDisabled)
        return globals.colorGrayText;
    return pPane->textColor == static_cast<COLORREF>(-1) ? globals.colorButtonText : pPane->textColor;
}

void CVrxPVisualManager::PaintStatusProgress(CDC* pDC, CVrxPStatusBar*, CRect rect, int nRange, int nPos,
                                             COLORREF colorFill, COLORREF colorFillEnd, COLORREF colorText,
                                             BOOL bShowPercent)
{
    if (nRange == 0)
        return;
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rectFilled = rect;
    rectFilled.right = rect.left + static_cast<int>(static_cast<long long>(rect.Width()) * nPos / nRange);
    if (colorFillEnd == static_cast<COLORREF>(-1))
        FillWith(pDC, rectFilled, colorFill);
    else
        CVrxPPainter(*pDC).PaintGradient(rectFilled, colorFill, colorFillEnd, FALSE, 0, 0);
    if (!bShowPercent)
        return;
    CString text;
    text.Format("%d%%", static_cast<int>(static_cast<long long>(nPos) * 100 / nRange));
    const UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(globals.colorBarText);
    pDC->DrawText(text, &rect, nFormat);
    // The text over the filled part shows in the fill's own text colour.
    CRgn clip;
    clip.CreateRectRgnIndirect(&rectFilled);
    pDC->SaveDC();
    pDC->SelectClipRgn(&clip, RGN_AND);
    pDC->SetTextColor(colorText == static_cast<COLORREF>(-1) ? globals.colorSelectionText : colorText);
    pDC->DrawText(text, &rect, nFormat);
    pDC->RestoreDC(-1);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
}

void CVrxPVisualManager::PaintSizeGrip(CDC* pDC, CVrxPStatusBar*, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CFont* pOldFont = pDC->SelectObject(&globals.fontSymbol);
    const UINT nOldAlign = pDC->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    const COLORREF colorOld = pDC->SetTextColor(globals.colorBarShade);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->ExtTextOut(rect.right, rect.bottom, ETO_CLIPPED, &rect, "o", 1, nullptr);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(colorOld);
    pDC->SetTextAlign(nOldAlign);
    pDC->SelectObject(pOldFont);
}

COLORREF CVrxPVisualManager::QueryCaptionBarTextColor(CVrxPCaptionBar*)
{
    return VrxPGlobals().colorWindow;
}

void CVrxPVisualManager::PaintCaptionBarBackground(CDC* pDC, CVrxPCaptionBar*, CRect rect, COLORREF colorBack,
                                                   BOOL bFlat)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (colorBack == static_cast<COLORREF>(-1))
        pDC->FillRect(&rect, &globals.brushBarFace);
    else
        FillWith(pDC, rect, colorBack);
    if (!bFlat)
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
}

COLORREF CVrxPVisualManager::PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd*, BOOL bActive)
{
    CVrxPGlobals& globals = VrxPGlobals();
    FillWith(pDC, rect, bActive ? globals.colorActiveCaption : globals.colorInactiveCaption);
    return bActive ? globals.colorCaptionText : globals.colorInactiveCaptionText;
}

void CVrxPVisualManager::PaintMiniFrameBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const int nMode = pFrame != nullptr ? pFrame->pendingDockMode : 0;
    COLORREF colorInnerDark = globals.colorBarShade;
    if (nMode == 1 || nMode == 2)
    {
        const COLORREF colorRing = nMode == 1 ? dockToSiteColor : joinTabsColor;
        pDC->Draw3dRect(&rect, colorRing, globals.colorBarDarkShade);
        colorInnerDark = colorRing;
    }
    else
    {
        pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarDarkShade);
    }
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, colorInnerDark);
    rect.InflateRect(2 - rectBorderSize.right, 2 - rectBorderSize.top);
    pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarFace);
    rect.InflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarFace);
}

void CVrxPVisualManager::PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd*, CRect rect, CRect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarDarkShade);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarFace);
}

void CVrxPVisualManager::PaintSliderBackground(CDC* pDC, CVrxPBaseControlBar* pSlider, CRect rect, BOOL bDrawEdge)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rectWork = globals.workArea;
    if (pSlider != nullptr && pSlider->GetSafeHwnd() != NULL)
        pSlider->ScreenToClient(&rectWork);
    // Laid out as if the slider reached the work area's left edge, so that
    // a gradient look lines up with the bars beside it.
    const int nLeft = rect.left < rectWork.left ? rect.left : rectWork.left;
    PaintBarBackground(pDC, pSlider, CRect(nLeft, rect.top, rect.right, rect.bottom), rect, FALSE);
    if (!bDrawEdge)
        return;
    const DWORD dwAlignment = pSlider != nullptr ? pSlider->GetAlignment() : 0;
    if (dwAlignment & 0x1000)
        pDC->Draw3dRect(rect.right - 1, rect.top, 1, rect.Height(), globals.colorBarDarkShade,
                        globals.colorBarDarkShade);
    else if (dwAlignment & 0x4000)
        pDC->Draw3dRect(rect.left, rect.top, 1, rect.Height(), globals.colorBarLightEdge, globals.colorBarLightEdge);
    else if (dwAlignment & 0x2000)
        pDC->Draw3dRect(rect.left, rect.bottom - 1, rect.Width(), 1, globals.colorBarDarkShade,
                        globals.colorBarDarkShade);
    else if (dwAlignment & 0x8000)
        pDC->Draw3dRect(rect.left, rect.top, rect.Width(), 1, globals.colorBarLightEdge, globals.colorBarLightEdge);
}

void CVrxPVisualManager::PaintAppBarFrame(CDC* pDC, CVrxPAppBarWnd*, CRect rect, CRect rectBorderSize)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CBrush* pOldBrush = pDC->SelectObject(&globals.brushFace);
    const CRect& b = rectBorderSize;
    pDC->PatBlt(rect.left, rect.top, b.left, rect.Height(), PATCOPY);
    pDC->PatBlt(rect.left, rect.top, rect.Width(), b.top, PATCOPY);
    pDC->PatBlt(rect.right - b.right, rect.top, b.right, rect.Height(), PATCOPY);
    pDC->PatBlt(rect.left, rect.bottom - b.bottom, rect.Width(), b.bottom, PATCOPY);
    rect.DeflateRect(2, 2);
    const CRect inner(b.left - 2, b.top - 2, b.right - 2, b.bottom - 2);
    pDC->SelectObject(&globals.brushHalftone);
    pDC->PatBlt(rect.left, rect.top + 1, inner.left, rect.Height() - 2, PATCOPY);
    pDC->PatBlt(rect.left + 1, rect.top, rect.Width() - 2, inner.top, PATCOPY);
    pDC->PatBlt(rect.right - inner.right, rect.top + 1, inner.right, rect.Height() - 2, PATCOPY);
    pDC->PatBlt(rect.left + 1, rect.bottom - inner.bottom, rect.Width() - 2, inner.bottom, PATCOPY);
    pDC->SelectObject(pOldBrush);
}

void CVrxPVisualManager::PaintAppBarCaption(CDC* pDC, CVrxPAppBarWnd*, CRect rect, CString strText)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushBarFace);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOld = pDC->SetTextColor(globals.colorBarText);
    CFont* pOldFont = pDC->SelectObject(&globals.fontBold);
    CRect rectText = rect;
    rectText.DeflateRect(2, 0);
    pDC->DrawText(strText, &rectText, DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(colorOld);
    pDC->SetBkMode(nOldMode);
}
