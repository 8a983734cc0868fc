// The XP look's toolbar buttons, combo and edit boxes on bars, the MDI child
// buttons and popup menus: tinted fills inside one-pixel frames, the open
// menu button joined to its popup, drop shades.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"
#include "panes/navigation/CVrxPOutlookButton.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <algorithm>

namespace
{
const UINT kChecked = CVrxPToolbarButton::styleChecked;
const UINT kPressed = CVrxPToolbarButton::stylePressed;
const UINT kDisabled = CVrxPToolbarButton::styleDisabled;
const UINT kRadioItem = 0x800000;
const COLORREF kNone = static_cast<COLORREF>(-1);

BOOL IsDark(COLORREF color)
{
    return GetRValue(color) <= 127 || GetGValue(color) <= 127 || GetBValue(color) <= 127;
}

BOOL IsLightAbove128(COLORREF color)
{
    return GetRValue(color) > 128 && GetGValue(color) > 128 && GetBValue(color) > 128;
}

void Frame(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

// A toolbar menu button, when the button is one, and whether it sits in a
// popup menu rather than on a bar.
CVrxPToolbarMenuButton* MenuButtonOf(CVrxPToolbarButton* pButton, BOOL& bInMenu)
{
    CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    bInMenu = pMenuButton != nullptr && dynamic_cast<CVrxPPopupMenuBar*>(pMenuButton->parent) != nullptr;
    return pMenuButton;
}

BOOL Locked(const CVrxPToolbarButton* pButton)
{
    return pButton != nullptr && pButton->locked;
}
} // namespace

void CVrxPVisualManagerXP::PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (nState != statePressed && nState != stateHighlighted)
        return;
    if (CVrxPToolBar::customizeMode && !CVrxPToolBar::AltDragEnabled && !Locked(pButton))
        return;
    BOOL bInMenu = FALSE;
    CVrxPToolbarMenuButton* pMenuButton = MenuButtonOf(pButton, bInMenu);
    if (!bInMenu && !halftoneCheckedButtons)
        return;
    const UINT nStyle = pButton != nullptr ? pButton->style : 0;
    CBrush* pBrush = (nStyle & kPressed) && !bInMenu ? &pressedBrush : &highlightBrush;
    if (pMenuButton != nullptr && !bInMenu && pMenuButton->IsPopupOpen())
    {
        ComputeMenuJoinRect(pMenuButton, &rect);
        pBrush = &toolbarBrush;
    }
    if (nStyle & kChecked)
        pBrush = nState == stateHighlighted ? &pressedBrush : &checkedBrush;
    if (pMenuButton != nullptr && (nStyle & kDisabled))
        pBrush = &menuBrush;
    if ((nStyle & kChecked) == 0)
        rect.DeflateRect(1, 1);
    PaintBrushFill(pDC, rect, pBrush, pButton);
}

void CVrxPVisualManagerXP::PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (nState != statePressed && nState != stateHighlighted)
        return;
    CVrxPGlobals& globals = VrxPGlobals();
    BOOL bInMenu = FALSE;
    CVrxPToolbarMenuButton* pMenuButton = MenuButtonOf(pButton, bInMenu);
    const UINT nStyle = pButton != nullptr ? pButton->style : 0;
    COLORREF color = highlightFrameColor;
    BOOL bOpenMenu = FALSE;
    CVrxPPopupMenu* pPopup = pMenuButton != nullptr && !bInMenu && pMenuButton->IsPopupOpen()
                                 ? CVrxPPopupMenu::ActivePopup()
                                 : nullptr;
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != NULL && pPopup->IsWindowVisible())
    {
        bOpenMenu = TRUE;
        color = menuBorderColor;
        ComputeMenuJoinRect(pMenuButton, &rect);
        const BOOL bRightToLeft = (pPopup->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
        if (shadeOpenMenuButton && !bRightToLeft && CVrxPToolBar::menuShadows && !CVrxPToolBar::customizeMode &&
            globals.bitsPerPixel > 8 && !globals.highContrastBlack && !globals.highContrastWhite)
            CVrxPPainter(*pDC).PaintDropShade(rect, menuShadeDepth, 100, 75, nullptr, nullptr, ribbonShadeColor);
    }
    if (nState == statePressed && !bOpenMenu && (nStyle & kChecked) == 0 && rect.Width() > 5 &&
        rect.Height() > 5 && pressedFrameColor != kNone)
        color = pressedFrameColor;
    if (bInMenu && (nStyle & kChecked))
    {
        if ((nStyle & kRadioItem) && pressedFrameColor != kNone)
            color = pressedFrameColor;
        rect.bottom++;
    }
    Frame(pDC, rect, color);
}

void CVrxPVisualManagerXP::PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton*, CRect rect, int, BOOL bHorizontal)
{
    CPen* pOldPen = pDC->SelectObject(&highlightFramePen);
    pDC->MoveTo(rect.left, rect.top);
    if (bHorizontal)
        pDC->LineTo(rect.left, rect.bottom);
    else
        pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(pOldPen);
}

COLORREF CVrxPVisualManagerXP::QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.highContrastBlack || globals.highContrastWhite)
        return CVrxPVisualManager::QueryButtonTextColor(pButton, nState);
    // In customise mode every button of today's bars allows editing.
    const BOOL bDisabled = !CVrxPToolBar::customizeMode && (pButton->style & kDisabled) != 0;
    if (dynamic_cast<CVrxPOutlookButton*>(pButton) != nullptr)
        return bDisabled ? globals.colorGrayText : globals.colorBarText;
    if (nState == stateHighlighted && (pButton->style & (kChecked | kPressed)) != 0)
        return globals.colorSelectionText;
    return CVrxPVisualManager::QueryButtonTextColor(pButton, nState);
}

COLORREF CVrxPVisualManagerXP::PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected)
{
    if (bSelected)
    {
        if (halftoneCheckedButtons)
            rect.left = 0;
        pDC->FillRect(&rect, &highlightBrush);
        Frame(pDC, rect, highlightFrameColor);
        return IsLightAbove128(highlightColor) ? RGB(0, 0, 0) : RGB(255, 255, 255);
    }
    pDC->FillRect(&rect, &menuBrush);
    CRect rectColumn = rect;
    rectColumn.right = rect.left + QueryMenuTextMargin() + MenuImageWidth() + 2;
    pDC->FillRect(&rectColumn, &toolbarBrush);
    return VrxPGlobals().colorBarText;
}

void CVrxPVisualManagerXP::PaintDropDownArrow(CDC* pDC, CRect rect, BOOL)
{
    const BOOL bDark = IsDark(highlightColor);
    const int nGlyphWidth = CVrxPMenuGlyphs::GetImageSize().cx;
    const CRect rectArrow(rect.right - nGlyphWidth, rect.top, rect.right, rect.bottom);
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowRightLarge, rectArrow,
                                       bDark ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black);
    pDC->FillSolidRect(rectArrow.left - 1, rect.top + 2, 1, rect.Height() - 4,
                       bDark ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

COLORREF CVrxPVisualManagerXP::QueryDisabledImageColor()
{
    return highlightColor;
}

void CVrxPVisualManagerXP::PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL bHighlighted)
{
    int nGlyph = 0;
    switch (nCommand)
    {
    case SC_MINIMIZE:
        nGlyph = CVrxPMenuGlyphs::minimize;
        break;
    case SC_CLOSE:
        nGlyph = CVrxPMenuGlyphs::close;
        break;
    case SC_RESTORE:
        nGlyph = CVrxPMenuGlyphs::restore;
        break;
    default:
        return;
    }
    const BOOL bDisabled = (nStyle & kDisabled) != 0;
    int nVariant = bDisabled ? CVrxPMenuGlyphs::grey : CVrxPMenuGlyphs::black;
    if (bHighlighted && !bDisabled)
    {
        PaintBrushFill(pDC, rect, (nStyle & kPressed) ? &pressedBrush : &highlightBrush, nullptr);
        Frame(pDC, rect, highlightFrameColor);
        nVariant = CVrxPMenuGlyphs::white;
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, nGlyph, rect, nVariant);
}

void CVrxPVisualManagerXP::PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                                CVrxPToolbarComboBoxButton*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF colorOldText = pDC->GetTextColor();
    if (!bDropped && !bHot)
    {
        if (VrxPAlphaDrawing)
        {
            CVrxPPainter(*pDC).StrokeRect(rect, globals.colorBarFace, globals.colorWindow);
        }
        else
        {
            pDC->FillRect(&rect, &globals.brushBarFace);
            Frame(pDC, rect, globals.colorWindow);
        }
    }
    else
    {
        PaintBrushFill(pDC, rect, bDropped ? &pressedBrush : &highlightBrush, nullptr);
        if (VrxPAlphaDrawing)
            CVrxPPainter(*pDC).StrokeLine(CRect(rect.left, rect.top, rect.left, rect.bottom - 1), highlightFrameColor);
        else
            pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), highlightFrameColor);
    }
    int nVariant = CVrxPMenuGlyphs::black;
    if (bDisabled)
        nVariant = CVrxPMenuGlyphs::grey;
    else if (bDropped && bHot)
        nVariant = CVrxPMenuGlyphs::white;
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowDown, rect, nVariant);
    pDC->SetTextColor(colorOldText);
}

void CVrxPVisualManagerXP::PaintComboBorder(CDC* pDC, CRect rect, BOOL, BOOL bDropped, BOOL bHot,
                                            CVrxPToolbarComboBoxButton*)
{
    if (!bDropped && !bHot)
        return;
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, highlightFrameColor);
}

void CVrxPVisualManagerXP::PaintEditBorder(CDC* pDC, CRect rect, BOOL, BOOL bHighlighted, CVrxPToolbarEditBoxButton*)
{
    if (bHighlighted)
        Frame(pDC, rect, highlightFrameColor);
}

void CVrxPVisualManagerXP::PaintMenuFrame(CDC* pDC, CVrxPPopupMenu*, CRect rect)
{
    const CRect rectOuter = rect;
    Frame(pDC, rect, menuBorderColor);
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, menuColor);
    CRect rectColumn(rectOuter.left + 1, rectOuter.top + 1, rectOuter.left + 2, rect.bottom - 1);
    pDC->FillRect(&rectColumn, &toolbarBrush);
}

void CVrxPVisualManagerXP::PaintMenuDropShade(CDC* pDC, const CRect& rectClient, const CRect& rectExclude,
                                              int nDepth, int nPercentA, int nPercentB, CBitmap* pSaveBottom,
                                              CBitmap* pSaveRight, BOOL bRightToLeft)
{
    if (rectExclude.left == 0 && rectExclude.top == 0 && rectExclude.right == 0 && rectExclude.bottom == 0)
    {
        CVrxPPainter(*pDC).PaintDropShade(rectClient, nDepth, nPercentA, nPercentB, pSaveBottom, pSaveRight,
                                          ribbonShadeColor, !bRightToLeft);
        return;
    }
    // Shaded off screen so that the excluded part can be put back unshaded
    // before anything shows.
    CRect rectArea = rectClient;
    rectArea.right += nDepth;
    rectArea.bottom += nDepth;
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rectArea.Width(), rectArea.Height()))
        return;
    CBitmap* pOldBitmap = memory.SelectObject(&bitmap);
    memory.BitBlt(0, 0, rectArea.Width(), rectArea.Height(), pDC, rectArea.left, rectArea.top, SRCCOPY);
    CRect rectShade = rectClient;
    rectShade.OffsetRect(-rectArea.left, -rectArea.top);
    CVrxPPainter(memory).PaintDropShade(rectShade, nDepth, nPercentA, nPercentB, pSaveBottom, pSaveRight,
                                        ribbonShadeColor, !bRightToLeft);
    memory.BitBlt(rectExclude.left - rectArea.left, rectExclude.top - rectArea.top, rectExclude.Width(),
                  rectExclude.Height(), pDC, rectExclude.left, rectExclude.top, SRCCOPY);
    pDC->BitBlt(rectArea.left, rectArea.top, rectArea.Width(), rectArea.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOldBitmap);
}

void CVrxPVisualManagerXP::PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText)
{
    rect.DeflateRect(1, 0);
    const BOOL bDisabled = pButton != nullptr && (pButton->style & kDisabled) != 0;
    PaintBrushFill(pDC, rect, bDisabled ? &menuBrush : &highlightBrush, pButton);
    Frame(pDC, rect, highlightFrameColor);
    if (pText != nullptr)
        *pText = QueryMenuItemTextColor(pButton);
}

COLORREF CVrxPVisualManagerXP::QueryMenuItemTextColor(CVrxPToolbarButton* pButton)
{
    if (pButton != nullptr && (pButton->style & kDisabled) != 0)
        return VrxPGlobals().colorGrayText;
    return IsLightAbove128(highlightColor) ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

BOOL CVrxPVisualManagerXP::UsesFullWidthMenuHighlight()
{
    return TRUE;
}

void CVrxPVisualManagerXP::PaintRarelyUsedBand(CDC* pDC, CRect rect)
{
    const CRect rectColumn(rect.left - 1, rect.top, rect.left + MenuImageWidth() + 2 * QueryMenuTextMargin() + 1,
                           rect.bottom);
    pDC->FillRect(&rectColumn, &rarelyUsedBrush);
}

void CVrxPVisualManagerXP::PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &menuBrush);
    rect.DeflateRect(1, 1);
    PaintBrushFill(pDC, rect, bHighlighted ? &highlightBrush : &toolbarBrush, nullptr);
    const int nWidth = std::max(20, 2 * MenuImageWidth());
    const int nInset = bHighlighted ? 2 : 1;
    const int x = rect.CenterPoint().x - nWidth / 2;
    const CRect rectGrip(x, rect.top + nInset, x + nWidth, rect.bottom - nInset);
    if (bHighlighted)
        PaintPattern(pDC, rectGrip, &rowPatternBrush, globals.colorBarDarkShade, highlightColor);
    else
        PaintPattern(pDC, rectGrip, &rowPatternBrush, globals.colorBarShade, toolbarColor);
    if (bHighlighted)
        Frame(pDC, rect, globals.colorBarDarkShade);
}

void CVrxPVisualManagerXP::PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo)
{
    pDC->FillRect(&rect, &menuBrush);
    rect.DeflateRect(1, 1);
    PaintBrushFill(pDC, rect, &toolbarBrush, nullptr);
    const int nSide = rect.Height();
    CRect rectGrip(rect.right - nSide, rect.top, rect.right, rect.bottom);
    if (!bWidthToo)
    {
        rectGrip.left = rect.CenterPoint().x - nSide / 2;
        rectGrip.right = rectGrip.left + nSide;
    }
    rectGrip.DeflateRect(2, 2);
    PaintPattern(pDC, rectGrip, &rowPatternBrush, VrxPGlobals().colorBarShade, toolbarColor);
}

int CVrxPVisualManagerXP::QueryMenuTextMargin()
{
    return 3;
}

int CVrxPVisualManagerXP::QueryMenuOffset()
{
    return 0;
}

BOOL CVrxPVisualManagerXP::OffersLook2000Option()
{
    return FALSE;
}
