// The base look's outlook pages, tab scroll buttons and tab queries, the
// plus/minus box, auto-hide buttons, header items and checkable tool items.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "panes/CVrxPButton.h"
#include "panes/CVrxPHeaderCtrl.h"
#include "panes/navigation/CVrxPToolBoxButton.h"

namespace
{
// Light edges first, the dark edge last. Drawn with solid pens: dashed ones
// leave gaps along the edges.
void PaintSortTriangle(CDC* pDC, const CRect& r, BOOL bUp, COLORREF colorLight, COLORREF colorDark)
{
    CPen penLight(PS_SOLID, 0, colorLight);
    CPen penDark(PS_SOLID, 0, colorDark);
    const int xMiddle = (r.left + r.right) / 2;
    CPen* pOldPen = pDC->SelectObject(&penLight);
    if (bUp)
    {
        pDC->MoveTo(r.left, r.bottom);
        pDC->LineTo(r.right, r.bottom);
        pDC->LineTo(xMiddle, r.top);
        pDC->SelectObject(&penDark);
        pDC->LineTo(r.left, r.bottom);
    }
    else
    {
        pDC->MoveTo(r.right, r.top);
        pDC->LineTo(xMiddle, r.bottom);
        pDC->SelectObject(&penDark);
        pDC->LineTo(r.left, r.top);
        pDC->LineTo(r.right, r.top);
    }
    pDC->SelectObject(pOldPen);
}
} // namespace

void CVrxPVisualManager::PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
}

void CVrxPVisualManager::PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd*, CVrxPBaseTabWnd*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
}

void CVrxPVisualManager::PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    const BOOL bPressed =
        (pLibraryButton != nullptr && pLibraryButton->pushed && pLibraryButton->highlighted) || (nState & 1) != 0;
    if (bPressed)
    {
        pDC->Draw3dRect(pRect, globals.colorBarDarkShade, globals.colorBarLightEdge);
        pRect->left += 2;
        pRect->top += 2;
    }
    else
    {
        pDC->Draw3dRect(pRect, globals.colorBarLightEdge, globals.colorBarDarkShade);
    }
    pRect->DeflateRect(2, 2);
}

BOOL CVrxPVisualManager::TracksHotTab()
{
    return FALSE;
}

BOOL CVrxPVisualManager::TracksHotTabAlways()
{
    return FALSE;
}

COLORREF CVrxPVisualManager::QueryTabTextColor(CVrxPBaseTabWnd*, int, BOOL)
{
    return static_cast<COLORREF>(-1);
}

int CVrxPVisualManager::QueryMdiTabsStyle()
{
    return -1;
}

int CVrxPVisualManager::QueryDockingTabsStyle()
{
    return -1;
}

BOOL CVrxPVisualManager::FramesDockingTabWindows()
{
    return TRUE;
}

void CVrxPVisualManager::PaintOutlookPageButton(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushBarFace);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
}

void CVrxPVisualManager::PaintOutlookPageCaption(CDC* pDC, CRect rect, COLORREF* pText)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillSolidRect(&rect, globals.colorBarShade);
    if (pText != nullptr)
        *pText = globals.colorBarLightEdge;
}

COLORREF CVrxPVisualManager::PaintSheetListItem(CDC* pDC, CVrxPPropertySheet*, CRect rect, BOOL bFocused,
                                                BOOL bSelected)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (bSelected)
        pDC->FillRect(&rect, &globals.brushSelection);
    if (bFocused)
        pDC->DrawFocusRect(&rect);
    return bSelected ? globals.colorSelectionText : static_cast<COLORREF>(-1);
}

void CVrxPVisualManager::PaintPlusMinusBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame)
{
    pDC->Draw3dRect(&rect, colorFrame, colorFrame);
    rect.DeflateRect(2, 2);
    CPen pen(PS_SOLID, 1, VrxPGlobals().colorBarText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int yMiddle = rect.top + rect.Height() / 2;
    pDC->MoveTo(rect.left, yMiddle);
    pDC->LineTo(rect.right, yMiddle);
    if (!bExpanded)
    {
        const int xMiddle = rect.left + rect.Width() / 2;
        pDC->MoveTo(xMiddle, rect.top);
        pDC->LineTo(xMiddle, rect.bottom);
    }
    pDC->SelectObject(pOldPen);
}

BOOL CVrxPVisualManager::DrawsAutoHideButtonsAsTabs()
{
    return FALSE;
}

void CVrxPVisualManager::PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
}

void CVrxPVisualManager::PaintAutoHideButtonFrame(CDC* pDC, CRect rect, CRect rectBorderWidths, CVrxPAutoHideButton*)
{
    const COLORREF colorShade = VrxPGlobals().colorBarShade;
    const COLORREF colorOld = pDC->GetTextColor();
    const CRect& w = rectBorderWidths;
    if (w.left > 0)
        pDC->FillSolidRect(rect.left, rect.top, w.left, rect.Height(), colorShade);
    if (w.top > 0)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), w.top, colorShade);
    if (w.right > 0)
        pDC->FillSolidRect(rect.right - w.right, rect.top, w.right, rect.Height(), colorShade);
    if (w.bottom > 0)
        pDC->FillSolidRect(rect.left, rect.bottom - w.bottom, rect.Width(), w.bottom, colorShade);
    pDC->SetTextColor(colorOld);
}

COLORREF CVrxPVisualManager::QueryAutoHideButtonTextColor(CVrxPAutoHideButton*)
{
    return VrxPGlobals().colorBarText;
}

void CVrxPVisualManager::PaintHeaderBackground(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bButtonColors = pHeader != nullptr && pHeader->buttonColors;
    pDC->FillRect(&rect, bButtonColors ? &globals.brushFace : &globals.brushBarFace);
}

void CVrxPVisualManager::PaintHeaderItem(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bPressed, BOOL)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bButtonColors = pHeader != nullptr && pHeader->buttonColors;
    const COLORREF colorShade = bButtonColors ? globals.colorShade : globals.colorBarShade;
    if (bPressed)
    {
        pDC->Draw3dRect(pRect, colorShade, colorShade);
        pRect->left++;
        pRect->top++;
        return;
    }
    pDC->Draw3dRect(pRect, bButtonColors ? globals.colorLightEdge : globals.colorBarLightEdge, colorShade);
}

void CVrxPVisualManager::PaintHeaderSortArrow(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bUp)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bButtonColors = pHeader != nullptr && pHeader->buttonColors;
    PaintSortTriangle(pDC, *pRect, bUp, bButtonColors ? globals.colorLightEdge : globals.colorBarLightEdge,
                      bButtonColors ? globals.colorDarkShade : globals.colorBarDarkShade);
}

void CVrxPVisualManager::PaintGridSortArrow(CVrxPGridCtrl*, CDC* pDC, CRect rect, BOOL bUp)
{
    PaintSortTriangle(pDC, rect, bUp, VrxPGlobals().colorLightEdge, VrxPGlobals().colorDarkShade);
}

BOOL CVrxPVisualManager::PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem)
{
    if (pItem->checked)
    {
        rect.DeflateRect(1, 1);
        pDC->FillRect(&rect, &VrxPGlobals().brushHalftone);
    }
    return TRUE;
}

BOOL CVrxPVisualManager::PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (pItem->checked)
        pDC->Draw3dRect(pRect, globals.colorBarShade, globals.colorBarLightEdge);
    else if (pItem->highlighted)
        pDC->Draw3dRect(pRect, globals.colorBarLightEdge, globals.colorBarShade);
    return TRUE;
}
