// The XP look's data: its constructor's settings, the colour model, and the
// operations the look adds to the interface.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "themes/VrxPLookObjects.h"

#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPVisualManagerXP, CVrxPVisualManager)

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

// Per channel (a * wa + b * wb) / 255.
COLORREF Blend(COLORREF a, int wa, COLORREF b, int wb)
{
    auto mix = [wa, wb](int x, int y) { return (x * wa + y * wb) / 255; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

COLORREF ScaleF(COLORREF color, double dFactor)
{
    return CVrxPPainter::ScaleColorChannels(color, dFactor, dFactor, dFactor);
}

// Lighter by half the distance to white and more saturated: the tab area.
COLORREF TabAreaColorOf(COLORREF face)
{
    double dHue = 0, dSaturation = 0, dLightness = 0;
    CVrxPPainter::ColorToHLS(face, dHue, dSaturation, dLightness);
    const double dNewLightness = std::min(dLightness + (1 - dLightness) / 2, 1.0);
    double dNewSaturation = 0;
    if (dSaturation < 0.1)
        dNewSaturation = dSaturation == 0 ? 0 : dSaturation + 0.1;
    else
        dNewSaturation = 2 * dSaturation;
    dNewSaturation = std::min(dNewSaturation, 1.0);
    return CVrxPPainter::ColorFromHLS(dHue, dNewLightness, dNewSaturation);
}

BOOL AllChannelsAtMost(COLORREF color, int nLimit)
{
    return GetRValue(color) <= nLimit && GetGValue(color) <= nLimit && GetBValue(color) <= nLimit;
}

BOOL AllChannelsAbove(COLORREF color, int nLimit)
{
    return GetRValue(color) > nLimit && GetGValue(color) > nLimit && GetBValue(color) > nLimit;
}
} // namespace

CVrxPVisualManagerXP::CVrxPVisualManagerXP(BOOL bTemporary)
    : CVrxPVisualManager(bTemporary), toolbarColor(0), rarelyUsedColor(0), menuColor(0), inactiveTabTextColor(0),
      highlightColor(0), pressedColor(0), checkedColor(0), pressedFrameColor(kNone), gripperColor(0),
      separatorColor(0), paneBorderColor(0), menuBorderColor(0), highlightFrameColor(0), joinMenuToButton(TRUE),
      shadeOpenMenuButton(TRUE), separatorAfterLastTab(TRUE)
{
    look2000 = TRUE;
    menuShadeDepth = 4;
    flatButtons = TRUE;
    shadeHotImages = TRUE;
    embossDisabled = FALSE;
    fadeInactiveImages = TRUE;
    taskPaneMarginV = 4;
    taskPaneMarginH = 4;
    taskGroupSpacing = 4;
    taskGroupCaptionHeight = 0;
    taskCaptionIndentH = 0;
    taskCaptionIndentV = 0;
    taskIndentH = 12;
    taskIconTextGap = 5;
    taskSpareMetric = 4;
    spareFlag = FALSE;
    connectMenuToButton = TRUE;
    menuBorderSize = 1;
    // A temporary manager leaves the global colours as the current look set them.
    if (!bTemporary)
        VrxPGlobals().RefreshSysColors();
    CVrxPVisualManagerXP::ReloadPalette();
}

CVrxPVisualManagerXP::~CVrxPVisualManagerXP()
{
    floatingFrameBrush.DeleteObject();
    highlightFramePen.DeleteObject();
    separatorPen.DeleteObject();
    checkedBrush.DeleteObject();
    pressedBrush.DeleteObject();
    highlightBrush.DeleteObject();
    tabAreaBrush.DeleteObject();
    menuBrush.DeleteObject();
    rarelyUsedBrush.DeleteObject();
    toolbarBrush.DeleteObject();
    columnPatternBrush.DeleteObject();
    rowPatternBrush.DeleteObject();
}

void CVrxPVisualManagerXP::ReloadPalette()
{
    CVrxPVisualManager::ReloadPalette();
    const CVrxPGlobals& globals = VrxPGlobals();
    COLORREF colorTabArea = 0;
    COLORREF colorFloatingFrame = 0;
    if (globals.bitsPerPixel > 8 && !globals.highContrastBlack && !globals.highContrastWhite)
        ComputeRichPalette(colorTabArea, colorFloatingFrame);
    else
        ComputePlainPalette(colorTabArea, colorFloatingFrame);

    RemakeBrush(toolbarBrush, toolbarColor);
    RemakeBrush(rarelyUsedBrush, rarelyUsedColor);
    RemakeBrush(menuBrush, menuColor);
    RemakeBrush(highlightBrush, highlightColor);
    RemakeBrush(pressedBrush, pressedColor);
    RemakeBrush(checkedBrush, checkedColor);
    RemakeBrush(tabAreaBrush, colorTabArea);
    RemakeBrush(floatingFrameBrush, colorFloatingFrame);
    RemakePen(separatorPen, separatorColor);
    pressedFrameColor = kNone;
    RemakePen(highlightFramePen, highlightFrameColor);
}

void CVrxPVisualManagerXP::ComputeRichPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF face = globals.colorBarFace;
    const COLORREF gutter = QueryMenuGutterColor();
    const COLORREF selection = globals.colorSelection;
    const COLORREF shadow = globals.colorBarShade;

    menuColor = Blend(gutter, 219, face, 36);
    colorTabArea = TabAreaColorOf(face);
    toolbarColor = Blend(face, 215, gutter, 40);
    rarelyUsedColor = CVrxPPainter::ScaleColor(toolbarColor, 94);
    inactiveTabTextColor = CVrxPPainter::ScaleColor(face, 55);

    const COLORREF tint = Blend(menuColor, 178, selection, 77);
    double dHue = 0, dSaturation = 0, dLightness = 0;
    CVrxPPainter::ColorToHLS(selection, dHue, dSaturation, dLightness);
    if (dLightness > 0.8)
    {
        highlightColor = CVrxPPainter::ScaleColor(tint, 91);
        pressedColor = CVrxPPainter::ScaleColor(tint, 98);
        highlightFrameColor = CVrxPPainter::ScaleColor(selection, 84);
    }
    else
    {
        highlightColor = CVrxPPainter::ScaleColor(tint, 102);
        pressedColor = CVrxPPainter::ScaleColor(highlightColor, 87);
        highlightFrameColor = selection;
    }
    auto sixth = [](int s, int m) { return (s + 5 * m) / 6; };
    checkedColor = RGB(sixth(GetRValue(selection), GetRValue(menuColor)),
                       sixth(GetGValue(selection), GetGValue(menuColor)),
                       sixth(GetBValue(selection), GetBValue(menuColor)));
    separatorColor = ScaleF(face, 0.86);
    paneBorderColor = shadow;
    menuBorderColor = CVrxPPainter::ScaleColor(face, 55);
    colorFloatingFrame = ScaleF(shadow, 0.85);
    gripperColor = CVrxPPainter::ScaleColor(shadow, 110);
}

void CVrxPVisualManagerXP::ComputePlainPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF face = globals.colorFace;
    const COLORREF window = globals.colorWindow;
    const COLORREF darkShadow = globals.colorDarkShade;
    const COLORREF shadow = globals.colorShade;
    const COLORREF selection = globals.colorSelection;

    menuColor = window;
    toolbarColor = face;
    inactiveTabTextColor = darkShadow;
    colorTabArea = face;
    if (globals.highContrastBlack)
    {
        highlightColor = pressedColor = checkedColor = selection;
        rarelyUsedColor = face;
    }
    else
    {
        highlightColor = pressedColor = face;
        checkedColor = window;
        rarelyUsedColor = globals.colorLight;
    }
    separatorColor = gripperColor = paneBorderColor = colorFloatingFrame = shadow;
    menuBorderColor = darkShadow;
    highlightFrameColor = globals.highContrastBlack || globals.highContrastWhite ? darkShadow : selection;
}

void CVrxPVisualManagerXP::PaintMenuImageBack(CDC* pDC, CVrxPToolbarMenuButton*, CRect rect)
{
    pDC->FillRect(&rect, &toolbarBrush);
    pDC->Draw3dRect(&rect, menuBorderColor, menuBorderColor);
}

int CVrxPVisualManagerXP::CaptionGlyphVariant(const CVrxPMiniFrameTitleButton* pButton, BOOL bActive,
                                              BOOL bDisabled) const
{
    if (bDisabled)
        return CVrxPMenuGlyphs::grey;
    if (pButton->highlighted || pButton->pushed)
    {
        const COLORREF back = pButton->highlighted && !pButton->pushed ? highlightColor : pressedColor;
        return AllChannelsAtMost(back, 192) ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black;
    }
    if (pButton->glyphColor == kNone)
        return bActive ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black;
    return AllChannelsAbove(pButton->glyphColor, 192) ? CVrxPMenuGlyphs::white : CVrxPMenuGlyphs::black;
}

void CVrxPVisualManagerXP::PaintCaptionButtonGlyph(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, int nGlyph,
                                                   BOOL bActive, BOOL bDisabled, CPoint location)
{
    CVrxPMenuGlyphs::DrawGlyph(pDC, nGlyph, location, CaptionGlyphVariant(pButton, bActive, bDisabled));
}

void CVrxPVisualManagerXP::CreateDitherBrush()
{
    static const WORD kRowPattern[8] = {0x00FF, 0x0000, 0x00FF, 0x0000, 0x00FF, 0x0000, 0x00FF, 0x0000};
    static const WORD kColumnPattern[8] = {0x00AA, 0x00AA, 0x00AA, 0x00AA, 0x00AA, 0x00AA, 0x00AA, 0x00AA};
    rowPatternBrush.DeleteObject();
    columnPatternBrush.DeleteObject();
    CBitmap rows;
    if (rows.CreateBitmap(8, 8, 1, 1, kRowPattern))
        rowPatternBrush.CreatePatternBrush(&rows);
    CBitmap columns;
    if (columns.CreateBitmap(8, 8, 1, 1, kColumnPattern))
        columnPatternBrush.CreatePatternBrush(&columns);
}

int CVrxPVisualManagerXP::ComputeMenuJoinRect(CVrxPToolbarMenuButton* pButton, CRect* pRect)
{
    CVrxPPopupMenu* pPopup = pButton != nullptr && pButton->IsPopupOpen() ? CVrxPPopupMenu::ActivePopup() : nullptr;
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == NULL)
        return 0;
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    CRect rectScreen = *pRect;
    if (pButton->parent != nullptr && pButton->parent->GetSafeHwnd() != NULL)
        pButton->parent->ClientToScreen(&rectScreen);
    const int nExtension = JoinExtension(rectPopup, DropDirectionOf(rectScreen, rectPopup), pRect);
    return nExtension;
}

int CVrxPVisualManagerXP::DropDirectionOf(const CRect& rectButton, const CRect& rectPopup)
{
    if (rectPopup.top >= rectButton.bottom)
        return dropBelow;
    if (rectPopup.bottom <= rectButton.top)
        return dropAbove;
    if (rectPopup.left >= rectButton.right)
        return dropRight;
    return dropLeft;
}

int CVrxPVisualManagerXP::JoinExtension(const CRect& rectPopup, int nDirection, CRect* pRect)
{
    switch (nDirection)
    {
    case dropBelow:
    case dropAbove:
    {
        const int nExtension = rectPopup.Width() < pRect->Width() ? 1 : 4;
        if (nDirection == dropBelow)
            pRect->bottom += nExtension;
        else
            pRect->top -= nExtension;
        return nExtension;
    }
    case dropRight:
    case dropLeft:
    {
        const int nExtension = rectPopup.Height() < pRect->Height() ? 1 : 4;
        if (nDirection == dropRight)
            pRect->right += nExtension;
        else
            pRect->left -= nExtension;
        return nExtension;
    }
    default:
        return 4;
    }
}

COLORREF CVrxPVisualManagerXP::QueryMenuGutterColor()
{
    return VrxPGlobals().colorBarWindow;
}

void CVrxPVisualManagerXP::PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton*)
{
    if (!VrxPAlphaDrawing)
    {
        pDC->FillRect(&rect, pBrush);
        return;
    }
    LOGBRUSH logBrush = {};
    if (pBrush->GetObject(sizeof(logBrush), &logBrush) == 0)
        return;
    CVrxPPainter(*pDC).StrokeRect(rect, logBrush.lbColor);
}
