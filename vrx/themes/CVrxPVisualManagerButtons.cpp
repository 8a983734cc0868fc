// The base look's toolbar buttons, menu items and popup menus, the combo
// and edit boxes of toolbars, push buttons and the small metric answers of
// the toolbar and menu code.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/navigation/CVrxPOutlookButton.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

namespace
{
const UINT kStyleChecked = CVrxPToolbarButton::styleChecked;
const UINT kStyleDisabled = CVrxPToolbarButton::styleDisabled;
const UINT kStyleIndeterminate = 0x100000;
} // namespace

void CVrxPVisualManager::PaintMenuFrame(CDC* pDC, CVrxPPopupMenu*, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->Draw3dRect(&rect, globals.colorBarLight, globals.colorBarDarkShade);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
}

void CVrxPVisualManager::PaintMenuDropShade(CDC* pDC, const CRect& rectClient, const CRect&, int nDepth,
                                            int nPercentA, int nPercentB, CBitmap* pSaveBottom,
                                            CBitmap* pSaveRight, BOOL bRightToLeft)
{
    CVrxPPainter(*pDC).PaintDropShade(rectClient, nDepth, nPercentA, nPercentB, pSaveBottom, pSaveRight,
                                      static_cast<COLORREF>(-1), !bRightToLeft);
}

COLORREF CVrxPVisualManager::PaintMenuTitle(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushFace);
    pDC->Draw3dRect(rect.left, rect.bottom - 2, rect.Width(), 2, globals.colorShade, globals.colorLightEdge);
    return globals.colorButtonText;
}

void CVrxPVisualManager::PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                              CVrxPToolbarComboBoxButton*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF colorOldText = pDC->GetTextColor();
    if (VrxPAlphaDrawing)
    {
        CVrxPPainter painter(*pDC);
        painter.StrokeRect(rect, globals.colorBarFace, globals.colorBarLightEdge);
        if (bDropped)
        {
            rect.OffsetRect(1, 1);
            painter.StrokeRect(rect, static_cast<COLORREF>(-1), globals.colorBarShade);
        }
        else if (bHot)
        {
            painter.StrokeRect(rect, static_cast<COLORREF>(-1), globals.colorBarShade);
        }
    }
    else
    {
        pDC->FillRect(&rect, &globals.brushBarFace);
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarLightEdge);
        if (bDropped)
        {
            rect.OffsetRect(1, 1);
            pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
        }
        else if (bHot)
        {
            pDC->Draw3dRect(&rect, globals.colorBarLightEdge, globals.colorBarShade);
        }
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowDown, rect,
                                       bDisabled ? CVrxPMenuGlyphs::grey : CVrxPMenuGlyphs::black);
    pDC->SetTextColor(colorOldText);
}

void CVrxPVisualManager::PaintComboBorder(CDC* pDC, CRect rect, BOOL, BOOL bDropped, BOOL bHot,
                                          CVrxPToolbarComboBoxButton*)
{
    if (!bDropped && !bHot)
        return;
    CVrxPGlobals& globals = VrxPGlobals();
    if (flatButtons)
    {
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, globals.colorBarDarkShade, globals.colorBarDarkShade);
    }
    else
    {
        pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
    }
}

void CVrxPVisualManager::PaintEditBorder(CDC* pDC, CRect rect, BOOL, BOOL bHighlighted, CVrxPToolbarEditBoxButton*)
{
    if (bHighlighted)
        pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
}

void CVrxPVisualManager::PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &globals.brushBarFace);
    rect.DeflateRect(2, 1);
    pDC->FillSolidRect(&rect, bHighlighted ? globals.colorActiveCaption : globals.colorInactiveCaption);
}

void CVrxPVisualManager::PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL)
{
    pDC->FillSolidRect(&rect, VrxPGlobals().colorInactiveCaption);
}

void CVrxPVisualManager::PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (!halftoneCheckedButtons)
    {
        const BOOL bPopupItem = dynamic_cast<CVrxPToolbarMenuButton*>(pButton) != nullptr &&
                                dynamic_cast<CVrxPPopupMenuBar*>(pButton->parent) != nullptr;
        if (!bPopupItem)
            return;
    }
    if (dynamic_cast<CVrxPOutlookButton*>(pButton) != nullptr || CVrxPToolBar::customizeMode ||
        nState == stateHighlighted)
        return;
    if ((pButton->style & (kStyleChecked | kStyleIndeterminate)) == 0)
        return;
    rect.DeflateRect(::GetSystemMetrics(SM_CXBORDER) * 2, ::GetSystemMetrics(SM_CYBORDER) * 2);
    pDC->FillRect(&rect, &VrxPGlobals().brushHalftone);
}

void CVrxPVisualManager::PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF colorDark = dynamic_cast<CVrxPOutlookButton*>(pButton) != nullptr ? globals.colorBarDarkShade
                                                                                      : globals.colorBarShade;
    if (nState == statePressed)
        pDC->Draw3dRect(&rect, colorDark, globals.colorBarLightEdge);
    else if (nState == stateHighlighted)
        pDC->Draw3dRect(&rect, globals.colorBarLightEdge, colorDark);
}

void CVrxPVisualManager::PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                                              BOOL)
{
    if (flatButtons && pButton->IsPopupOpen())
        return;
    PaintButtonFrame(pDC, pButton, rect, nState);
}

void CVrxPVisualManager::PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton*, CRect rect, COLORREF*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushSelection);
}

COLORREF CVrxPVisualManager::QueryMenuItemTextColor(CVrxPToolbarButton* pButton)
{
    CVrxPGlobals& globals = VrxPGlobals();
    return (pButton->style & kStyleDisabled) ? globals.colorGrayText : globals.colorSelectionText;
}

BOOL CVrxPVisualManager::UsesFullWidthMenuHighlight()
{
    return FALSE;
}

COLORREF CVrxPVisualManager::QueryHighlightedMenuTextColor(CVrxPPopupMenuBar*, CVrxPToolbarButton* pItem,
                                                           BOOL bDisabled)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (pItem != nullptr)
        return bDisabled ? globals.colorFace : globals.colorSelectionText;
    return bDisabled ? globals.colorGrayText : globals.colorWindowText;
}

void CVrxPVisualManager::PaintRarelyUsedBand(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CVrxPPainter(*pDC).LightenRect(rect, -1);
    pDC->Draw3dRect(&rect, globals.colorBarShade, globals.colorBarLightEdge);
}

void CVrxPVisualManager::PaintMenuCheckMark(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, BOOL, BOOL bRadio)
{
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, bRadio ? CVrxPMenuGlyphs::radioDot : CVrxPMenuGlyphs::checkMark, rect,
                                       (pButton->style & kStyleDisabled) ? CVrxPMenuGlyphs::grey
                                                                         : CVrxPMenuGlyphs::black);
}

void CVrxPVisualManager::PaintSplitMenuSeparator(CDC* pDC, CVrxPToolbarButton*, CRect rect, BOOL bHighlighted, BOOL)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const int nInset = bHighlighted ? 1 : 4;
    CRect rectLine(rect.left - 1, rect.top + nInset, rect.left + 1, rect.bottom - nInset);
    pDC->Draw3dRect(&rectLine, globals.colorBarShade, globals.colorBarLightEdge);
}

BOOL CVrxPVisualManager::OmitsCheckedImageFrame()
{
    return FALSE;
}

COLORREF CVrxPVisualManager::QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState)
{
    CVrxPGlobals& globals = VrxPGlobals();
    // In customise mode every button of today's bars allows editing.
    const BOOL bDisabled = !CVrxPToolBar::customizeMode && (pButton->style & kStyleDisabled) != 0;
    if (dynamic_cast<CVrxPOutlookButton*>(pButton) != nullptr)
    {
        // Light text on the outlook pane's dark background.
        if (globals.highContrastBlack || globals.highContrastWhite)
            return bDisabled ? globals.colorGrayText : globals.colorWindowText;
        return bDisabled ? globals.colorFace : globals.colorWindow;
    }
    if (bDisabled)
        return globals.colorGrayText;
    if (nState == stateHighlighted)
        return CVrxPToolBar::ControlTextColor();
    return globals.colorBarText;
}

COLORREF CVrxPVisualManager::QueryImageHighlightColor()
{
    return static_cast<COLORREF>(-1);
}

BOOL CVrxPVisualManager::UsesToolbarWindowRegion(CVrxPToolBar*)
{
    return FALSE;
}

COLORREF CVrxPVisualManager::QueryDisabledImageColor()
{
    return VrxPGlobals().colorBarFace;
}

COLORREF CVrxPVisualManager::QueryDisabledTextColor()
{
    return VrxPGlobals().colorGrayText;
}

void CVrxPVisualManager::PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL, BOOL, COLORREF* pText)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(pRect, &globals.brushBarFace);
    if (pText != nullptr)
        *pText = globals.colorBarText;
}

void CVrxPVisualManager::PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (bHighlighted && bPushed)
    {
        pDC->Draw3dRect(pRect, globals.colorBarDarkShade, globals.colorBarFace);
        pRect->DeflateRect(1, 1);
        pDC->Draw3dRect(pRect, globals.colorBarShade, globals.colorBarLightEdge);
        pRect->DeflateRect(1, 1);
    }
    else if (!bHighlighted && !bPushed)
    {
        pDC->Draw3dRect(pRect, globals.colorBarLightEdge, globals.colorBarShade);
        pRect->DeflateRect(1, 1);
    }
    else
    {
        pDC->Draw3dRect(pRect, globals.colorBarFace, globals.colorBarDarkShade);
        pRect->DeflateRect(1, 1);
        pDC->Draw3dRect(pRect, globals.colorBarLightEdge, globals.colorBarShade);
        pRect->DeflateRect(1, 1);
    }
}

COLORREF CVrxPVisualManager::PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (!bSelected)
    {
        pDC->FillRect(&rect, &globals.brushBarFace);
        return globals.colorBarText;
    }
    pDC->FillRect(&rect, &globals.brushSelection);
    rect.DeflateRect(1, 1);
    pDC->PatBlt(rect.left, rect.top + 1, 1, rect.Height() - 1, PATINVERT);
    pDC->PatBlt(rect.left, rect.top, rect.Width(), 1, PATINVERT);
    pDC->PatBlt(rect.right - 1, rect.top + 1, 1, rect.Height() - 1, PATINVERT);
    pDC->PatBlt(rect.left + 1, rect.bottom - 1, rect.Width() - 1, 1, PATINVERT);
    return globals.colorSelectionText;
}

void CVrxPVisualManager::PaintDropDownArrow(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const int nGlyphWidth = CVrxPMenuGlyphs::GetImageSize().cx;
    CRect rectArrow(rect.right - nGlyphWidth, rect.top, rect.right, rect.bottom);
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowRightLarge, rectArrow,
                                       bHighlighted ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black);
    CRect rectLine(rectArrow.left - 3, rect.top + 2, rectArrow.left - 1, rect.bottom - 2);
    pDC->Draw3dRect(&rectLine, globals.colorShade, globals.colorLightEdge);
}

CSize CVrxPVisualManager::QueryButtonExtraSize()
{
    return CSize(0, 0);
}

BOOL CVrxPVisualManager::PaintThemedButton(CDC*, CRect, CWnd*, int)
{
    return FALSE;
}

BOOL CVrxPVisualManager::PaintThemedComboButton(CDC*, CRect, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CVrxPVisualManager::PaintThemedComboFrame(CDC*, CRect, BOOL, BOOL, BOOL)
{
    return FALSE;
}

int CVrxPVisualManager::QueryShowAllButtonHeight(int, int)
{
    return CVrxPMenuGlyphs::GetImageSize().cy + 6;
}

void CVrxPVisualManager::PaintShowAllButton(CDC* pDC, CRect rect, int)
{
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::moreDown, rect, CVrxPMenuGlyphs::black);
}
