// The 2003 look's bars, buttons and menus: gradient bar backgrounds, dot
// grippers, separators, captions, combo boxes, push buttons, the chevron's
// face, menu bands and the smart-docking colours. Outside rich colour the
// XP drawing applies unless an operation says otherwise.

#include "themes/2003/CVrxPVisualManager2003.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CRgn.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
// The smart-docking colours of rich mode and the markers' scheme colours.
const COLORREF kSmartDockingBase = RGB(228, 228, 228);
const COLORREF kSmartDockingHighlight = RGB(181, 181, 181);
const COLORREF kMarkerBlue = RGB(61, 123, 241);
const COLORREF kMarkerOlive = RGB(190, 146, 109);
const COLORREF kMarkerSilver = RGB(134, 130, 169);
const int kChevronHiddenGlyphs[2] = {CVrxPMenuGlyphs::barArrowDown, CVrxPMenuGlyphs::barArrowRight};
const int kChevronCustomizeGlyphs[2] = {CVrxPMenuGlyphs::twoArrowsRight, CVrxPMenuGlyphs::twoArrowsDown};

// From c2 at the top to c1 at the bottom when horizontal, else from c1 at
// the left to c2 at the right.
void Gradient(CDC* pDC, CRect rect, COLORREF c1, COLORREF c2, BOOL bHorizontal, int nStartFlat = 0)
{
    CVrxPPainter(*pDC).PaintGradient(rect, c1, c2, bHorizontal, nStartFlat);
}

void Frame(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

BOOL InDialog(CWnd* pBar)
{
    const CVrxPBaseControlBar* pBase = dynamic_cast<CVrxPBaseControlBar*>(pBar);
    return pBase != nullptr && pBase->dialogParent;
}

BOOL IsToolbar(CWnd* pBar)
{
    return dynamic_cast<CVrxPToolBar*>(pBar) != nullptr && dynamic_cast<CVrxPMenuBar*>(pBar) == nullptr;
}

DWORD BarStyleOf(CWnd* pBar)
{
    if (const CVrxPBaseControlBar* pBase = dynamic_cast<CVrxPBaseControlBar*>(pBar))
        return pBase->GetBarStyle();
    if (const CVrxPToolBar* pToolBar = dynamic_cast<CVrxPToolBar*>(pBar))
        return pToolBar->GetBarStyle();
    return 0;
}

void PaintGlyph(CDC* pDC, int nGlyph, const CRect& box, int nVariant)
{
    const CSize size = CVrxPMenuGlyphs::GetImageSize();
    const CPoint at(box.left + (box.Width() - size.cx) / 2, box.top + (box.Height() - size.cy) / 2);
    CVrxPMenuGlyphs::DrawGlyph(pDC, nGlyph, at, nVariant);
}

// White one pixel right and down, then black in place: an engraved glyph.
void PaintEngravedGlyph(CDC* pDC, int nGlyph, CRect box)
{
    CRect shifted = box;
    shifted.OffsetRect(1, 1);
    PaintGlyph(pDC, nGlyph, shifted, CVrxPMenuGlyphs::white);
    PaintGlyph(pDC, nGlyph, box, CVrxPMenuGlyphs::black);
}
} // namespace

std::vector<int> CVrxPVisualManager2003::GripperDotOffsets(int nLength)
{
    std::vector<int> offsets;
    const int nDots = (nLength - 4) / 4;
    const int nFirst = ((nLength - 4) % 4 + 4) / 2;
    for (int i = 0; i < nDots; i++)
        offsets.push_back(nFirst + 4 * i);
    return offsets;
}

void CVrxPVisualManager2003::PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip,
                                                BOOL bNonClient)
{
    CWnd* pParent = pBar != nullptr && pBar->GetSafeHwnd() != NULL ? pBar->GetParent() : nullptr;
    if (dynamic_cast<CVrxPReBar*>(pBar) != nullptr || dynamic_cast<CVrxPReBar*>(pParent) != nullptr)
    {
        PaintThemeRebarBackground(pDC, pBar, rectClient);
        return;
    }
    if (!IsRichColor() || InDialog(pBar))
    {
        CVrxPVisualManagerXP::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    if (dynamic_cast<CVrxPCaptionBar*>(pBar) != nullptr)
    {
        Gradient(pDC, rectClient, captionGradientDark, captionGradientLight, TRUE);
        return;
    }
    if (const CVrxPPopupMenuBar* pMenuBar = dynamic_cast<CVrxPPopupMenuBar*>(pBar))
    {
        pDC->FillRect(&rectClip, &menuBrush);
        if (pMenuBar->noImageColumn)
            return;
        CRect column = rectClient;
        column.DeflateRect(0, 1);
        const int nImageWidth = CVrxPMenuGlyphs::GetImageSize().cx + 2 * CVrxPToolBar::buttonPaddingX;
        column.right = column.left + 2 * QueryMenuTextMargin() + nImageWidth + 2;
        Gradient(pDC, column, toolbarGradientLight, toolbarGradientDark, FALSE, 35);
        return;
    }
    const DWORD dwStyle = BarStyleOf(pBar);
    BOOL bHorizontal = (dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    COLORREF c1 = bHorizontal ? toolbarGradientDark : verticalGradientLight;
    COLORREF c2 = bHorizontal ? toolbarGradientLight : verticalGradientDark;
    int nStartFlat = 25;
    if (!IsToolbar(pBar))
    {
        // Every such bar shares one left-to-right gradient across the screen.
        c1 = faceGradientDark;
        c2 = faceGradientLight;
        bHorizontal = FALSE;
        nStartFlat = 0;
        rectClient.right = rectClient.left + VrxPGlobals().workArea.Width() + 10;
    }
    Gradient(pDC, rectClient, c1, c2, bHorizontal, nStartFlat);
}

void CVrxPVisualManager2003::PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect)
{
    if (InDialog(pBar) || !IsRichColor())
        CVrxPVisualManagerXP::PaintBarBorder(pDC, pBar, rect);
}

// Unlike the other operations it does not test the high-contrast schemes.
void CVrxPVisualManager2003::PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar)
{
    if (VrxPGlobals().bitsPerPixel <= 8 || InDialog(pBar))
    {
        CVrxPVisualManagerXP::PaintBarGripper(pDC, rect, bHorizontal, pBar);
        return;
    }
    if (bHorizontal)
        rect.left = rect.right - 4;
    else
        rect.top = rect.bottom - 4;
    const int nLength = bHorizontal ? rect.Height() : rect.Width();
    const COLORREF colorLight = VrxPGlobals().colorLightEdge;
    for (const int nOffset : GripperDotOffsets(nLength))
    {
        const CPoint dot = bHorizontal ? CPoint(rect.left, rect.top + nOffset) : CPoint(rect.left + nOffset, rect.top);
        pDC->FillSolidRect(dot.x + 1, dot.y + 1, 2, 2, colorLight);
        pDC->FillSolidRect(dot.x, dot.y, 2, 2, frameColor);
    }
}

void CVrxPVisualManager2003::PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal)
{
    if (!IsRichColor() || InDialog(pBar) || dynamic_cast<CVrxPPopupMenuBar*>(pBar) != nullptr ||
        dynamic_cast<CVrxPToolBar*>(pBar) == nullptr)
    {
        CVrxPVisualManagerXP::PaintSeparator(pDC, pBar, rect, bHorizontal);
        return;
    }
    CPen* pOldPen = pDC->SelectObject(&separatorPen);
    if (bHorizontal)
    {
        const int x = rect.left + rect.Width() / 2 - 1;
        pDC->MoveTo(x, rect.top);
        pDC->LineTo(x, rect.bottom - 1);
        pDC->SelectObject(&barHiliteLinePen);
        pDC->MoveTo(x + 1, rect.top + 1);
        pDC->LineTo(x + 1, rect.bottom);
    }
    else
    {
        const int y = rect.top + rect.Height() / 2 - 1;
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right - 1, y);
        pDC->SelectObject(&barHiliteLinePen);
        pDC->MoveTo(rect.left + 1, y + 1);
        pDC->LineTo(rect.right, y + 1);
    }
    pDC->SelectObject(pOldPen);
}

COLORREF CVrxPVisualManager2003::PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive,
                                                 CRect rectCaption, CRect rectButtons)
{
    if (!IsRichColor())
        return CVrxPVisualManagerXP::PaintBarCaption(pDC, pBar, bActive, rectCaption, rectButtons);
    if (bActive)
        Gradient(pDC, rectCaption, hotGradientBottom, hotGradientTop, TRUE);
    else
        Gradient(pDC, rectCaption, toolbarGradientDark, toolbarGradientLight, TRUE);
    return VrxPGlobals().colorBarText;
}

void CVrxPVisualManager2003::PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                                  CVrxPToolbarComboBoxButton* pCombo)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintComboDropButton(pDC, rect, bDisabled, bDropped, bHot, pCombo);
        return;
    }
    int nVariant = CVrxPMenuGlyphs::black;
    if (bDisabled)
        nVariant = CVrxPMenuGlyphs::grey;
    else if (bDropped || bHot)
    {
        PaintBrushFill(pDC, rect, bDropped ? &pressedBrush : &highlightBrush, nullptr);
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), highlightFrameColor);
        if (bDropped && bHot)
            nVariant = CVrxPMenuGlyphs::white;
    }
    else
    {
        Gradient(pDC, rect, toolbarGradientDark, toolbarGradientLight, TRUE);
        Frame(pDC, rect, VrxPGlobals().colorWindow);
    }
    PaintGlyph(pDC, CVrxPMenuGlyphs::arrowDown, rect, nVariant);
}

void CVrxPVisualManager2003::PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                              CVrxPToolbarComboBoxButton* pCombo)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintComboBorder(pDC, rect, bDisabled, bDropped, bHot, pCombo);
        return;
    }
    if (!bDisabled && !bDropped && !bHot)
        return;
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, bDisabled ? VrxPGlobals().colorShade : highlightFrameColor);
}

void CVrxPVisualManager2003::PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTearOffCaption(pDC, rect, bHighlighted);
        return;
    }
    pDC->FillRect(&rect, &menuBrush);
    rect.DeflateRect(1, 1);
    if (bHighlighted)
        PaintBrushFill(pDC, rect, &highlightBrush, nullptr);
    else
        pDC->FillRect(&rect, &barFaceBrush);
    PaintBarGripper(pDC, rect, FALSE, nullptr);
    if (bHighlighted)
        Frame(pDC, rect, menuBorderColor);
}

void CVrxPVisualManager2003::PaintRarelyUsedBand(CDC* pDC, CRect rect)
{
    const int nImageWidth = CVrxPMenuGlyphs::GetImageSize().cx + 2 * CVrxPToolBar::buttonPaddingX;
    CRect band(rect.left - 1, rect.top, rect.left + nImageWidth + 2 * QueryMenuTextMargin() + 1, rect.bottom);
    if (IsRichColor())
        Gradient(pDC, band, rarelyUsedColor, toolbarGradientDark, FALSE);
    else
        CVrxPVisualManagerXP::PaintRarelyUsedBand(pDC, band);
}

BOOL CVrxPVisualManager2003::UsesToolbarWindowRegion(CVrxPToolBar* pToolBar)
{
    return dynamic_cast<CVrxPMenuBar*>(pToolBar) == nullptr;
}

void CVrxPVisualManager2003::PaintCaptionBarBackground(CDC* pDC, CVrxPCaptionBar*, CRect rect, COLORREF colorBack,
                                                       BOOL bFlat)
{
    pDC->FillSolidRect(&rect, colorBack == kNone ? VrxPGlobals().colorBarFace : colorBack);
    if (!bFlat)
        pDC->Draw3dRect(&rect, faceGradientLight, toolbarShadowColor);
}

void CVrxPVisualManager2003::PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed,
                                                 COLORREF* pText)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintPushButtonFace(pDC, pRect, bHighlighted, bPushed, pText);
        return;
    }
    if (bPushed)
        Gradient(pDC, *pRect, pressedGradientBottom, pressedGradientTop, TRUE);
    else if (bHighlighted)
        Gradient(pDC, *pRect, hotGradientBottom, hotGradientTop, TRUE);
    else
        Gradient(pDC, *pRect, faceGradientDark, faceGradientLight, TRUE);
    if (pText != nullptr)
        *pText = VrxPGlobals().colorButtonText;
}

void CVrxPVisualManager2003::PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed)
{
    if (!IsRichColor())
    {
        CVrxPVisualManager::PaintPushButtonFrame(pDC, pRect, bHighlighted, bPushed);
        return;
    }
    pDC->Draw3dRect(pRect, VrxPGlobals().colorLightEdge, frameColor);
}

COLORREF CVrxPVisualManager2003::PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected)
{
    if (!IsRichColor())
        return CVrxPVisualManagerXP::PaintCustomizeSelection(pDC, rect, bSelected);
    const int nImageWidth = CVrxPMenuGlyphs::GetImageSize().cx + 2 * CVrxPToolBar::buttonPaddingX;
    if (bSelected)
    {
        rect.left = 0;
        const COLORREF fill = menuHotColor != kNone ? menuHotColor : highlightColor;
        pDC->FillSolidRect(&rect, fill);
        Frame(pDC, rect, highlightFrameColor);
        const BOOL bLight = GetRValue(fill) > 128 && GetGValue(fill) > 128 && GetBValue(fill) > 128;
        return bLight ? RGB(0, 0, 0) : RGB(255, 255, 255);
    }
    pDC->FillRect(&rect, &menuBrush);
    CRect column = rect;
    column.right = column.left + QueryMenuTextMargin() + nImageWidth + 2;
    Gradient(pDC, column, toolbarGradientLight, toolbarGradientDark, FALSE);
    return VrxPGlobals().colorBarText;
}

BOOL CVrxPVisualManager2003::PaintThemedButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored)
{
    return PaintThemePushButton(pDC, rect, pButton, nIgnored);
}

BOOL CVrxPVisualManager2003::PaintThemedComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot)
{
    return PaintThemeComboButton(pDC, rect, bDisabled, bDropped, bHot);
}

void CVrxPVisualManager2003::QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight)
{
    if (IsRichColor())
    {
        colorBase = kSmartDockingBase;
        colorHighlight = kSmartDockingHighlight;
        return;
    }
    colorBase = VrxPGlobals().colorBarFace;
    colorHighlight = VrxPGlobals().colorBarShade;
}

COLORREF CVrxPVisualManager2003::QuerySmartDockingMarkerColor()
{
    if (IsRichColor())
    {
        switch (DetectThemeScheme())
        {
        case schemeBlue:
            return kMarkerBlue;
        case schemeOlive:
            return kMarkerOlive;
        case schemeSilver:
            return kMarkerSilver;
        default:
            break;
        }
    }
    return VrxPGlobals().colorActiveCaption;
}

int CVrxPVisualManager2003::QueryCustomizeButtonMargin()
{
    return 1;
}

BOOL CVrxPVisualManager2003::ShiftsPressedButton()
{
    return FALSE;
}

int CVrxPVisualManager2003::QueryShowAllButtonHeight(int nIgnored1, int nIgnored2)
{
    return CVrxPVisualManagerXP::QueryShowAllButtonHeight(nIgnored1, nIgnored2) + 4;
}

void CVrxPVisualManager2003::PaintShowAllButton(CDC* pDC, CRect rect, int nIgnored)
{
    if (IsRichColor())
    {
        const int x = (rect.left + rect.right) / 2;
        const int y = (rect.top + rect.bottom) / 2;
        CVrxPPainter(*pDC).PaintRingGradient(CRect(x - 7, y - 7, x + 9, y + 9), toolbarGradientDark, menuColor, kNone,
                                             45, 8, kNone);
    }
    CVrxPVisualManager::PaintShowAllButton(pDC, rect, nIgnored);
}

void CVrxPVisualManager2003::PaintMenuImageBack(CDC* pDC, CVrxPToolbarMenuButton*, CRect rect)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    if (globals.highContrastBlack || globals.highContrastWhite)
        pDC->FillRect(&rect, &toolbarBrush);
    else
        pDC->FillSolidRect(&rect, toolbarGradientLight);
    Frame(pDC, rect, menuBorderColor);
}

void CVrxPVisualManager2003::PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintBrushFill(pDC, rect, pBrush, pButton);
        return;
    }
    CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    const BOOL bInMenu = pMenuButton != nullptr && dynamic_cast<CVrxPPopupMenuBar*>(pMenuButton->parent) != nullptr;
    if (bInMenu && pBrush == &highlightBrush && menuHotColor != kNone)
    {
        CBrush brush(menuHotColor);
        CVrxPVisualManagerXP::PaintBrushFill(pDC, rect, &brush, pButton);
        return;
    }
    COLORREF c = kNone;
    COLORREF b = kNone;
    if (pMenuButton != nullptr && !bInMenu && pMenuButton->IsPopupOpen())
    {
        c = CVrxPPainter::ScaleColor(toolbarGradientDark, useThemeColors ? 101 : 120);
        b = CVrxPPainter::ScaleColor(toolbarGradientLight, 110);
    }
    if (useThemeColors)
    {
        if (pBrush == &highlightBrush)
        {
            c = hotGradientBottom;
            b = bInMenu ? hotGradientBottom : hotGradientTop;
        }
        else if (pBrush == &pressedBrush)
        {
            b = pressedGradientTop;
            c = bInMenu ? pressedGradientTop : pressedGradientBottom;
        }
        else if (pBrush == &checkedBrush)
        {
            b = checkedGradientTop;
            c = bInMenu ? checkedGradientTop : checkedGradientBottom;
        }
    }
    if (c != kNone && b != kNone)
        Gradient(pDC, rect, c, b, TRUE);
    else
        CVrxPVisualManagerXP::PaintBrushFill(pDC, rect, pBrush, pButton);
}

void CVrxPVisualManager2003::PaintGradientButtonFace(CDC* pDC, CRect rect, BOOL bHorizontal, int nState,
                                                     BOOL bHiddenButtons, BOOL bCustomizeItem)
{
    const COLORREF c1 = nState != 0 ? hotGradientBottom : chevronGradientDark;
    const COLORREF c2 = nState != 0 ? hotGradientTop : chevronGradientLight;
    POINT points[6];
    if (bHorizontal)
    {
        const POINT shape[6] = {{rect.left, rect.top},        {rect.left + 2, rect.top + 1}, {rect.left + 3, rect.bottom - 3},
                                {rect.left, rect.bottom},     {rect.right, rect.bottom},     {rect.right, rect.top}};
        std::copy(shape, shape + 6, points);
    }
    else
    {
        const POINT shape[6] = {{rect.left, rect.top},      {rect.left + 3, rect.top + 2}, {rect.right - 3, rect.top + 3},
                                {rect.right, rect.top},     {rect.right, rect.bottom},     {rect.left, rect.bottom}};
        std::copy(shape, shape + 6, points);
    }
    CRgn region;
    region.CreatePolygonRgn(points, 6, ALTERNATE);
    pDC->SelectClipRgn(&region);
    Gradient(pDC, rect, c1, c2, bHorizontal);

    if (bHorizontal)
    {
        rect.DeflateRect(0, 2);
        rect.left += 2;
    }
    else
    {
        rect.DeflateRect(2, 0);
        rect.top += 2;
    }
    const int m = QueryCustomizeButtonMargin();
    CSize glyph = CVrxPMenuGlyphs::GetImageSize();
    if (CVrxPToolBar::largeIcons)
        glyph = CSize(glyph.cx * 2, glyph.cy * 2);
    const int nOrientation = bHorizontal ? 0 : 1;
    if (bHiddenButtons)
    {
        CRect box = rect;
        if (bHorizontal)
            box.top = box.bottom - (2 * m + glyph.cy);
        else
        {
            box.left = box.right - (2 * m + glyph.cx);
            box.top++;
        }
        PaintEngravedGlyph(pDC, kChevronHiddenGlyphs[nOrientation], box);
    }
    if (bCustomizeItem)
    {
        CRect box = rect;
        if (bHorizontal)
            box.bottom = box.top + 2 * m + glyph.cy;
        else
        {
            box.right = box.left + 2 * m + glyph.cx;
            box.top++;
        }
        PaintEngravedGlyph(pDC, kChevronCustomizeGlyphs[nOrientation], box);
    }
    pDC->SelectClipRgn(nullptr);
}
