// The base look's small controls: check boxes, spin buttons, the
// calculator, the browse button, the calendar's colours and border, push
// buttons with their own frame, caption areas and the smart-docking
// colours.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CWindowDC.h"
#include "panes/CVrxPButton.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

BOOL UsesBarColors(CWnd* pControl)
{
    const CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(pControl);
    return pButton != nullptr && pButton->useBarColors;
}

void FillWith(CDC* pDC, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    pDC->FillRect(&rect, &brush);
}
} // namespace

COLORREF CVrxPVisualManager::QueryControlBackColor(CWnd* pControl)
{
    return UsesBarColors(pControl) ? VrxPGlobals().colorBarFace : VrxPGlobals().colorFace;
}

COLORREF CVrxPVisualManager::QueryControlEdgeColor(CWnd* pControl)
{
    return UsesBarColors(pControl) ? VrxPGlobals().colorBarDarkShade : VrxPGlobals().colorDarkShade;
}

void CVrxPVisualManager::PaintControlSunkenBorder(CDC* pDC, CWnd*, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarFace, globals.colorBarFace);
}

void CVrxPVisualManager::PaintControlFlatBorder(CDC* pDC, CWnd*, CRect* pRect)
{
    pDC->Draw3dRect(pRect, VrxPGlobals().colorBarFace, VrxPGlobals().colorBarShade);
}

void CVrxPVisualManager::PaintControlFace(CDC* pDC, CWnd*, CRect rect)
{
    pDC->FillSolidRect(&rect, VrxPGlobals().colorBarFace);
}

COLORREF CVrxPVisualManager::PaintInactiveCaptionArea(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    FillWith(pDC, rect, globals.colorInactiveCaption);
    pDC->Draw3dRect(&rect, globals.colorInactiveBorder, globals.colorInactiveBorder);
    return globals.colorInactiveCaptionText;
}

void CVrxPVisualManager::QueryCalendarPalette(CVrxPCalendarBar*, CVrxPCalendarPalette* pPalette)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pPalette->headerBack = globals.colorFace;
    pPalette->headerText = globals.colorButtonText;
    pPalette->calendarBack = globals.colorFace;
    pPalette->selectedText = globals.colorButtonText;
    pPalette->todayFrame = todayFrameColor;
}

void CVrxPVisualManager::PaintCheckBoxSimple(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked, BOOL bEnabled)
{
    PaintCheckBox(pDC, rect, bChecked ? 1 : 0, bHighlighted, FALSE, bEnabled);
}

void CVrxPVisualManager::PaintCheckBox(CDC* pDC, CRect rect, int nState, BOOL bHighlighted, BOOL, BOOL bEnabled)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (VrxPAlphaDrawing)
    {
        rect.DeflateRect(1, 1);
        CVrxPPainter(*pDC).StrokeRect(rect, bEnabled ? globals.colorWindow : globals.colorBarFace,
                                      globals.colorBarShade);
        if (nState == 1)
            CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::checkMark, rect, CVrxPMenuGlyphs::black);
        return;
    }
    if (bHighlighted)
        pDC->DrawFocusRect(&rect);
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(&rect, bEnabled ? globals.colorWindow : globals.colorBarFace);
    pDC->Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarLightEdge);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLight);
    if (nState == 1)
    {
        CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::checkMark, rect, CVrxPMenuGlyphs::black);
    }
    else if (nState == 2)
    {
        rect.DeflateRect(1, 1);
        // The hatch's gaps keep the box's fill.
        CBrush hatch;
        hatch.CreateHatchBrush(HS_DIAGCROSS, globals.colorButtonText);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->FillRect(&rect, &hatch);
        pDC->SetBkMode(nOldMode);
    }
}

void CVrxPVisualManager::PaintCalendarBorder(CWnd* pWnd)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CWindowDC dc(pWnd);
    CRect rect;
    pWnd->GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    if (pWnd->GetStyle() & WS_POPUP)
        dc.Draw3dRect(&rect, globals.colorBarShade, globals.colorBarShade);
    else
        dc.Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarLightEdge);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, globals.colorWindow, globals.colorWindow);
}

BOOL CVrxPVisualManager::PaintCalculatorButton(CDC* pDC, CRect rect, CWnd*, int nState, int, CVrxPCalculator*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (nState == statePressed)
    {
        pDC->FillRect(&rect, &globals.brushHalftone);
        pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
    }
    else
    {
        if (nState == stateHighlighted)
            pDC->FillRect(&rect, &globals.brushHalftone);
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
    }
    return TRUE;
}

BOOL CVrxPVisualManager::PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString*, BOOL, CVrxPCalculator*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushWindow);
    pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
    return TRUE;
}

BOOL CVrxPVisualManager::PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl*, int nState, COLORREF*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushFace);
    CRect rectFrame(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1);
    pDC->Draw3dRect(&rectFrame, globals.colorDarkShade, globals.colorDarkShade);
    rectFrame.DeflateRect(1, 1);
    pDC->DrawEdge(&rectFrame, nState == 1 ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
    return TRUE;
}

void CVrxPVisualManager::PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                                         CVrxPSpinButtonCtrl*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    rect.DeflateRect(1, 1);
    CRect halves[2] = {rect, rect};
    if (bHorizontal)
    {
        halves[0].right = rect.right - rect.Width() / 2;
        halves[1].left = halves[0].right + 1;
    }
    else
    {
        halves[0].bottom = rect.bottom - rect.Height() / 2;
        halves[1].top = halves[0].bottom + 1;
    }
    CVrxPPainter painter(*pDC);
    if (VrxPAlphaDrawing)
    {
        painter.StrokeRect(rect, globals.colorBarFace, globals.colorBarLightEdge);
    }
    else
    {
        pDC->FillRect(&rect, &globals.brushBarFace);
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarLightEdge);
    }
    // Flags 3 (both halves pressed) press neither.
    const int nPressed = static_cast<int>(nStateFlags & 3) - 1;
    const int nVariant = (nStateFlags & 0x10) ? CVrxPMenuGlyphs::grey : CVrxPMenuGlyphs::black;
    const int glyphs[2] = {bHorizontal ? CVrxPMenuGlyphs::arrowLeft : CVrxPMenuGlyphs::arrowUp,
                           bHorizontal ? CVrxPMenuGlyphs::arrowRight : CVrxPMenuGlyphs::arrowDown};
    for (int i = 0; i < 2; i++)
    {
        const BOOL bPressed = nPressed == i;
        if (VrxPAlphaDrawing)
            painter.StrokeRect(halves[i], kNone, bPressed ? globals.colorBarShade : globals.colorBarLightEdge);
        else if (bPressed)
            pDC->Draw3dRect(&halves[i], globals.colorBarShade, globals.colorBarLightEdge);
        else
            pDC->Draw3dRect(&halves[i], globals.colorBarLightEdge, globals.colorBarShade);
        CVrxPMenuGlyphs::DrawGlyphCentered(pDC, glyphs[i], halves[i], nVariant);
    }
}

void CVrxPVisualManager::QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight)
{
    colorBase = VrxPGlobals().colorBarFace;
    colorHighlight = VrxPGlobals().colorBarShade;
}

COLORREF CVrxPVisualManager::QuerySmartDockingMarkerColor()
{
    return VrxPGlobals().colorActiveCaption;
}

void CVrxPVisualManager::PaintControlBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
}

void CVrxPVisualManager::PaintControlRaisedFrame(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->Draw3dRect(&rect, globals.colorBarLight, globals.colorBarDarkShade);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
}

COLORREF CVrxPVisualManager::PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    FillWith(pDC, rect, globals.colorActiveCaption);
    return globals.colorCaptionText;
}

void CVrxPVisualManager::PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    if (pLibraryButton != nullptr && pLibraryButton->closeButton)
    {
        pDC->FillRect(&rect, &VrxPGlobals().brushFace);
        return;
    }
    CWnd* pParent = pButton != nullptr ? pButton->GetParent() : nullptr;
    if (pParent == nullptr)
    {
        PaintControlBackground(pDC, rect);
        return;
    }
    CRect rectParent;
    pParent->GetClientRect(&rectParent);
    pParent->MapWindowPoints(pButton, &rectParent);
    PaintControlBackground(pDC, rectParent);
}

void CVrxPVisualManager::PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    if (pLibraryButton != nullptr && pLibraryButton->pushed && pLibraryButton->highlighted)
    {
        pDC->Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarLight);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
        return;
    }
    pDC->Draw3dRect(&rect, globals.colorBarLight, globals.colorBarDarkShade);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
}

BOOL CVrxPVisualManager::UsesThemedCloseButton(CWnd*)
{
    return FALSE;
}
