// The base look's share of a data grid and of frame windows.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/CVrxPGridCtrl.h"

namespace
{
CBrush* FaceBrush(CVrxPGridCtrl* pGrid)
{
    CVrxPGlobals& globals = VrxPGlobals();
    return pGrid != nullptr && pGrid->useBarColors ? &globals.brushBarFace : &globals.brushFace;
}

COLORREF ShadeOf(CVrxPGridCtrl* pGrid)
{
    CVrxPGlobals& globals = VrxPGlobals();
    return pGrid != nullptr && pGrid->useBarColors ? globals.colorBarShade : globals.colorShade;
}

BOOL WholeSelection(CVrxPGridCtrl* pGrid)
{
    return pGrid != nullptr && pGrid->highlightWholeSelection;
}
} // namespace

void CVrxPVisualManager::PaintGridBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
}

void CVrxPVisualManager::PaintGridExpandBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame)
{
    PaintPlusMinusBox(pDC, rect, bExpanded, colorFrame);
}

void CVrxPVisualManager::PaintGridHeaderBackground(CVrxPGridCtrl*, CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushFace);
}

BOOL CVrxPVisualManager::PaintGridHeaderItem(CVrxPGridCtrl*, CDC* pDC, CRect rect, BOOL)
{
    pDC->Draw3dRect(&rect, VrxPGlobals().colorLightEdge, VrxPGlobals().colorDarkShade);
    return TRUE;
}

COLORREF CVrxPVisualManager::PaintGridGroupBackground(CDC* pDC, CRect rect)
{
    CBrush brush(VrxPGlobals().colorShade);
    pDC->FillRect(&rect, &brush);
    return VrxPGlobals().colorBarText;
}

COLORREF CVrxPVisualManager::QueryGridGroupTextColor()
{
    return VrxPGlobals().colorBarText;
}

void CVrxPVisualManager::PaintGridSelectAllArea(CVrxPGridCtrl*, CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushFace);
    pDC->Draw3dRect(&rect, globals.colorWindow, globals.colorButtonText);
    rect.right--;
    rect.bottom--;
    pDC->Draw3dRect(&rect, globals.colorWindow, globals.colorShade);
}

COLORREF CVrxPVisualManager::QueryGridLeftOffsetColor(CVrxPGridCtrl* pGrid)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.bitsPerPixel <= 8)
        return ShadeOf(pGrid);
    const COLORREF colorFace = pGrid != nullptr && pGrid->useBarColors ? globals.colorBarFace : globals.colorFace;
    return CVrxPPainter::ScaleColor(colorFace, 94);
}

COLORREF CVrxPVisualManager::QueryGridGroupLineColor(CVrxPGridCtrl* pGrid)
{
    CVrxPGlobals& globals = VrxPGlobals();
    COLORREF color = pGrid != nullptr ? pGrid->customBackColor : static_cast<COLORREF>(-1);
    if (color == static_cast<COLORREF>(-1))
        color = globals.colorWindow;
    return globals.bitsPerPixel > 8 ? CVrxPPainter::ScaleColorChannels(color, 0.97, 0.97, 0.97) : color;
}

void CVrxPVisualManager::PaintGridRowArea(CVrxPGridCtrl*, CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
}

void CVrxPVisualManager::PaintGridGroupUnderline(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect)
{
    const COLORREF colorOld = pDC->GetBkColor();
    pDC->FillSolidRect(&rect, ShadeOf(pGrid));
    pDC->SetBkColor(colorOld);
}

COLORREF CVrxPVisualManager::PaintGridRowHeader(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bSelected)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, WholeSelection(pGrid) ? &globals.brushSelection : FaceBrush(pGrid));
    if (pGrid != nullptr && pGrid->greyedHeaderText)
        return ShadeOf(pGrid);
    if (bSelected)
        return WholeSelection(pGrid) ? globals.colorSelectionText : globals.colorLink;
    return globals.colorWindowText;
}

COLORREF CVrxPVisualManager::PaintGridItemBackground(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bSelected,
                                                     BOOL bEditing, BOOL bColored)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (bEditing)
    {
        pDC->FillRect(&rect, &globals.brushWindow);
        return static_cast<COLORREF>(-1);
    }
    if (bSelected)
    {
        if (WholeSelection(pGrid))
        {
            pDC->FillRect(&rect, &globals.brushSelection);
            return globals.colorSelectionText;
        }
        pDC->FillRect(&rect, FaceBrush(pGrid));
        return globals.colorButtonText;
    }
    if (bColored && pGrid != nullptr)
    {
        CBrush brush(pGrid->customItemColor);
        pDC->FillRect(&rect, &brush);
    }
    return static_cast<COLORREF>(-1);
}

COLORREF CVrxPVisualManager::QueryGridLineColor()
{
    return VrxPGlobals().colorLight;
}

COLORREF CVrxPVisualManager::PaintGridSelectionBackground(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect,
                                                          BOOL bSelected, BOOL bHighlighted)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (!bSelected)
        return bHighlighted ? globals.colorSelection : static_cast<COLORREF>(-1);
    if (WholeSelection(pGrid))
    {
        pDC->FillRect(&rect, &globals.brushSelection);
        return globals.colorSelectionText;
    }
    pDC->FillRect(&rect, FaceBrush(pGrid));
    return globals.colorSelection;
}

BOOL CVrxPVisualManager::OwnsFrameNonClient()
{
    return FALSE;
}

// Only a frame whose ribbon bar replaces its caption gets rounded top
// corners; the library's frames carry no ribbon bar yet.
BOOL CVrxPVisualManager::UpdateFrameRegion(CWnd*, int, int)
{
    return FALSE;
}

void CVrxPVisualManager::OnFrameActivateApp(CWnd*, BOOL)
{
}

BOOL CVrxPVisualManager::PaintFrameNonClient(CWnd*, CObList*, int, int, int, int)
{
    return FALSE;
}

BOOL CVrxPVisualManager::HandleFrameNcActivate(CWnd*, BOOL)
{
    return FALSE;
}

CSize CVrxPVisualManager::QueryFrameCaptionButtonSize(BOOL)
{
    return CSize(0, 0);
}
