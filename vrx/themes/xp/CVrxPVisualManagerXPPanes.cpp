// The XP look's pane captions and caption buttons, mini-frame captions,
// status panes, the tasks pane, small controls (spin, calculator, browse and
// library buttons), the smart-docking colours and the ribbon's plain areas.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CImageList.h"
#include "gdi/CPen.h"
#include "panes/CVrxPButton.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "toolbars/CVrxPStatusPaneInfo.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

void Frame(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

int PaneValueOr(int nPaneValue, int nLookValue)
{
    return nPaneValue != -1 ? nPaneValue : nLookValue;
}

void HorizontalLine(CDC* pDC, CPen* pPen, int nLeft, int nRight, int y)
{
    CPen* pOldPen = pDC->SelectObject(pPen);
    pDC->MoveTo(nLeft, y);
    pDC->LineTo(nRight, y);
    pDC->SelectObject(pOldPen);
}
} // namespace

COLORREF CVrxPVisualManagerXP::PaintBarCaption(CDC* pDC, CVrxPDockingControlBar*, BOOL bActive, CRect rectCaption,
                                               CRect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CPen pen(PS_SOLID, 1, bActive ? globals.colorLightEdge : globals.colorBarShade);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(bActive ? &globals.brushActiveCaption : &globals.brushBarFace);
    if (bActive)
        rectCaption.InflateRect(1, 1);
    pDC->RoundRect(&rectCaption, CPoint(2, 2));
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    return bActive ? globals.colorCaptionText : globals.colorBarText;
}

void CVrxPVisualManagerXP::PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive,
                                              BOOL bHorizontal, BOOL bMaximized, BOOL bDisabled, int nGlyph)
{
    const CRect rect = pButton->GetRect();
    const BOOL bLit = pButton->pushed || pButton->highlighted || pButton->dropped;
    BOOL bGlyphActive = bActive;
    if (pButton->pushed && (pButton->highlighted || pButton->dropped) && !bDisabled)
    {
        PaintBrushFill(pDC, rect, &pressedBrush, nullptr);
        bGlyphActive = TRUE;
    }
    else if (bLit)
    {
        if (!bDisabled)
            PaintBrushFill(pDC, rect, &highlightBrush, nullptr);
        bGlyphActive = FALSE;
    }
    if (nGlyph == -1)
        nGlyph = pButton->GetImageIndex(bHorizontal, bMaximized);
    const CSize sizeGlyph = CVrxPMenuGlyphs::GetImageSize();
    const CPoint point(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2);
    PaintCaptionButtonGlyph(pDC, pButton, nGlyph, bGlyphActive, bDisabled, point);
    if (bLit && !bDisabled)
        Frame(pDC, rect, VrxPGlobals().colorBarDarkShade);
}

COLORREF CVrxPVisualManagerXP::PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd*, BOOL bActive)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, bActive ? &globals.brushActiveCaption : &globals.brushInactiveCaption);
    return globals.colorCaptionText;
}

void CVrxPVisualManagerXP::PaintControlFlatBorder(CDC* pDC, CWnd*, CRect* pRect)
{
    Frame(pDC, *pRect, VrxPGlobals().colorBarFace);
}

void CVrxPVisualManagerXP::PaintControlSunkenBorder(CDC* pDC, CWnd*, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    Frame(pDC, rect, globals.colorBarShade);
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, globals.colorBarFace);
}

void CVrxPVisualManagerXP::PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar*, CRect rect, int, UINT nStyle)
{
    if (nStyle & CVrxPStatusPaneInfo::styleNoBorders)
        return;
    if (nStyle & CVrxPStatusPaneInfo::stylePopOut)
        CVrxPPainter(*pDC).LightenRect(rect, -1);
    Frame(pDC, rect, paneBorderColor);
}

void CVrxPVisualManagerXP::PaintAppBarFrame(CDC* pDC, CVrxPAppBarWnd*, CRect rect, CRect rectBorderSize)
{
    PaintFramedStrips(pDC, rect, rectBorderSize, &floatingFrameBrush, &VrxPGlobals().brushHalftone);
}

COLORREF CVrxPVisualManagerXP::QueryAutoHideButtonTextColor(CVrxPAutoHideButton*)
{
    return VrxPGlobals().colorDarkShade;
}

void CVrxPVisualManagerXP::QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight)
{
    colorBase = toolbarColor;
    colorHighlight = menuBorderColor;
}

COLORREF CVrxPVisualManagerXP::QueryControlBackColor(CWnd* pControl)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(pControl);
    const COLORREF color = pButton != nullptr && pButton->useBarColors ? globals.colorBarFace : globals.colorFace;
    return globals.bitsPerPixel > 8 ? CVrxPPainter::ScaleColor(color, 94) : color;
}

COLORREF CVrxPVisualManagerXP::QueryControlEdgeColor(CWnd* pControl)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(pControl);
    return pButton != nullptr && pButton->useBarColors ? globals.colorBarShade : globals.colorShade;
}

void CVrxPVisualManagerXP::PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL,
                                                 BOOL bWithButton)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPTasksPane* pPane = pGroup->pane;
    const BOOL bToolBox = dynamic_cast<const CVrxPToolBoxEx*>(pPane) != nullptr;
    const BOOL bHighContrast = globals.highContrastBlack || globals.highContrastWhite;
    CRect rectCaption = pGroup->captionRect;
    int nTextLeft = -1;
    if (bToolBox)
    {
        CRect rectShade = rectCaption;
        rectShade.DeflateRect(1, 0, 1, 1);
        CBrush brush(bHighContrast ? globals.colorWindow : globals.colorBarShade);
        pDC->FillRect(&rectShade, &brush);
        if (bWithButton)
        {
            const int yMiddle = rectCaption.CenterPoint().y;
            const CRect rectBox(rectCaption.left + 6, yMiddle - 4, rectCaption.left + 15, yMiddle + 5);
            pDC->FillRect(&rectBox, &globals.brushBarFace);
            PaintPlusMinusBox(pDC, rectBox, !pGroup->collapsed, globals.colorBarText);
            nTextLeft = rectBox.right + 6;
            bWithButton = FALSE;
        }
    }
    const int nIndentH = PaneValueOr(pPane != nullptr ? pPane->captionIndentH : -1, taskCaptionIndentH);
    const int nIndentV = PaneValueOr(pPane != nullptr ? pPane->captionIndentV : -1, taskCaptionIndentV);
    if (pGroup->icon != NULL && rectCaption.Width() > pGroup->iconSize.cx + nIndentH)
    {
        PaintTaskGroupIcon(pDC, pGroup, 5, bHot, FALSE, bWithButton);
        nTextLeft = rectCaption.left + pGroup->iconSize.cx + 5;
    }

    COLORREF colorText = globals.colorWindow;
    if (!bToolBox || bHighContrast)
    {
        colorText = bHot && bWithButton ? pGroup->hotTextColor : pGroup->textColor;
        if (colorText == kNone)
            colorText = globals.colorWindowText;
    }
    CFont* pOldFont = pDC->SelectObject(&globals.fontBold);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    CRect rectText = rectCaption;
    rectText.left = nTextLeft != -1 ? nTextLeft : rectCaption.left + nIndentH;
    rectText.right = rectCaption.right - (bWithButton ? rectCaption.Height() : nIndentH);
    rectText.top = rectCaption.top + nIndentV;
    pDC->DrawText(pGroup->name, &rectText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);

    if (!bWithButton || pGroup->name.IsEmpty())
        return;
    const CSize sizeGlyph = CVrxPMenuGlyphs::GetImageSize();
    const CRect rectButton(rectCaption.right - rectCaption.Height(), rectCaption.top, rectCaption.right,
                           rectCaption.bottom);
    if (rectButton.left < rectText.left || rectButton.Width() < sizeGlyph.cx)
        return;
    if (bHot)
    {
        CPen* pOldPen = pDC->SelectObject(&globals.penSelection);
        CBrush* pOldBrush = pDC->SelectObject(&highlightBrush);
        pDC->Rectangle(&rectButton);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, pGroup->collapsed ? CVrxPMenuGlyphs::arrowDown : CVrxPMenuGlyphs::arrowUp,
                                       rectButton, CVrxPMenuGlyphs::black);
}

void CVrxPVisualManagerXP::PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL)
{
    HorizontalLine(pDC, &VrxPGlobals().penBarShade, rect.left, rect.right, rect.top);
}

CPen* CVrxPVisualManagerXP::PaintTaskGroupFrame(CDC*, CRect, BOOL, BOOL)
{
    return nullptr;
}

void CVrxPVisualManagerXP::PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect& rect = pTask->rect;
    if (pTask->separator)
    {
        HorizontalLine(pDC, &globals.penBarShade, rect.left, rect.right, rect.CenterPoint().y);
        return;
    }
    const CVrxPTasksPane* pPane = pTask->group != nullptr ? pTask->group->pane : nullptr;
    CRect rectText = rect;
    int cxImage = 0;
    int cyImage = 0;
    if (pTask->image >= 0 && pImages != nullptr && pImages->GetIconSize(&cxImage, &cyImage) && cxImage > 0)
    {
        pImages->Draw(pDC, pTask->image, rect.TopLeft(), ILD_TRANSPARENT);
        rectText.left += cxImage + PaneValueOr(pPane != nullptr ? pPane->iconTextGap : -1, taskIconTextGap);
    }
    const COLORREF colorPlain = pTask->textColor != kNone ? pTask->textColor : globals.colorWindowText;
    CFont* pFont = &globals.fontRegular;
    COLORREF colorText = colorPlain;
    if (!pTask->HasCommand())
    {
        if (pTask->bold)
            pFont = &globals.fontBold;
    }
    else if (!pTask->enabled)
    {
        colorText = globals.colorGrayText;
    }
    else if (bHot)
    {
        pFont = &globals.fontUnderline;
        colorText = pTask->hotTextColor != kNone ? pTask->hotTextColor : globals.colorLinkHot;
    }
    const BOOL bWrap = pPane != nullptr && (pTask->HasCommand() ? pPane->wrapTasks : pPane->wrapLabels);
    CFont* pOldFont = pDC->SelectObject(pFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    pDC->DrawText(pTask->text, &rectText, bWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CVrxPVisualManagerXP::PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot)
{
    CRect rectFill = *pRect;
    rectFill.top -= nExtendUp;
    pDC->FillRect(&rectFill, &VrxPGlobals().brushWindow);
    if (bHot)
    {
        pDC->FillRect(pRect, &highlightBrush);
        Frame(pDC, *pRect, highlightFrameColor);
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, nGlyph, *pRect, CVrxPMenuGlyphs::black);
}

BOOL CVrxPVisualManagerXP::PaintCalculatorButton(CDC* pDC, CRect rect, CWnd*, int nState, int, CVrxPCalculator*)
{
    if (nState == statePressed)
    {
        PaintBrushFill(pDC, rect, &pressedBrush, nullptr);
        pDC->SetTextColor(VrxPGlobals().colorWindow);
    }
    else if (nState == stateHighlighted)
    {
        PaintBrushFill(pDC, rect, &highlightBrush, nullptr);
    }
    Frame(pDC, rect, highlightFrameColor);
    return TRUE;
}

BOOL CVrxPVisualManagerXP::PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString*, BOOL, CVrxPCalculator*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
    Frame(pDC, rect, highlightFrameColor);
    return TRUE;
}

BOOL CVrxPVisualManagerXP::PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl*, int nState, COLORREF* pText)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect rectFrame(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1);
    if (nState == statePressed || nState == stateHighlighted)
    {
        PaintBrushFill(pDC, rect, nState == statePressed ? &pressedBrush : &highlightBrush, nullptr);
        Frame(pDC, rectFrame, highlightFrameColor);
        if (nState == statePressed && pText != nullptr)
            *pText = globals.colorWindow;
        return TRUE;
    }
    pDC->FillRect(&rect, &globals.brushFace);
    Frame(pDC, rect, globals.colorBarLightEdge);
    return TRUE;
}

void CVrxPVisualManagerXP::PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                                           CVrxPSpinButtonCtrl*)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CRect halves[2] = {rect, rect};
    if (bHorizontal)
    {
        halves[0].right = rect.left + rect.Width() / 2;
        halves[1].left = halves[0].right;
    }
    else
    {
        halves[0].bottom = rect.top + rect.Height() / 2;
        halves[1].top = halves[0].bottom;
    }
    const int nPressed = static_cast<int>(nStateFlags & 0x3) - 1;
    int nHot = -1;
    if (nStateFlags & 0x4)
        nHot = 0;
    else if (nStateFlags & 0x8)
        nHot = 1;
    const int nVariant = (nStateFlags & 0x10) ? CVrxPMenuGlyphs::grey : CVrxPMenuGlyphs::black;
    const int glyphs[2] = {bHorizontal ? CVrxPMenuGlyphs::arrowLeft : CVrxPMenuGlyphs::arrowUp,
                           bHorizontal ? CVrxPMenuGlyphs::arrowRight : CVrxPMenuGlyphs::arrowDown};
    for (int i = 0; i < 2; i++)
    {
        if (i == nPressed)
        {
            PaintBrushFill(pDC, halves[i], &pressedBrush, nullptr);
        }
        else if (i == nHot)
        {
            PaintBrushFill(pDC, halves[i], &highlightBrush, nullptr);
        }
        else if (VrxPAlphaDrawing)
        {
            CVrxPPainter(*pDC).StrokeRect(halves[i], globals.colorBarFace, globals.colorBarLightEdge);
        }
        else
        {
            pDC->FillRect(&halves[i], &globals.brushBarFace);
            Frame(pDC, halves[i], globals.colorBarLightEdge);
        }
        CVrxPMenuGlyphs::DrawGlyphCentered(pDC, glyphs[i], halves[i], nVariant);
    }
    if (nHot < 0)
        return;
    if (VrxPAlphaDrawing)
        CVrxPPainter(*pDC).StrokeRect(halves[nHot], kNone, highlightFrameColor);
    else
        Frame(pDC, halves[nHot], highlightFrameColor);
}

void CVrxPVisualManagerXP::QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette)
{
    CVrxPVisualManager::QueryCalendarPalette(pCalendar, pPalette);
    pPalette->calendarBack = highlightColor;
}

void CVrxPVisualManagerXP::PaintPlannerHeaderBar(CDC* pDC, CVrxPPlannerView*, CRect rect)
{
    pDC->FillRect(&rect, &highlightBrush);
    HorizontalLine(pDC, &separatorPen, rect.left, rect.right, rect.bottom - 1);
}

void CVrxPVisualManagerXP::PaintControlBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &menuBrush);
}

void CVrxPVisualManagerXP::PaintControlRaisedFrame(CDC* pDC, CRect rect)
{
    Frame(pDC, rect, menuBorderColor);
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, menuColor);
}

COLORREF CVrxPVisualManagerXP::PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject*)
{
    pDC->FillRect(&rect, &highlightBrush);
    return VrxPGlobals().colorBarText;
}

void CVrxPVisualManagerXP::PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    const BOOL bHighlighted = pLibraryButton != nullptr && pLibraryButton->highlighted;
    const BOOL bPushed = pLibraryButton != nullptr && pLibraryButton->pushed;
    if (bHighlighted || bPushed)
    {
        CBrush brush(bHighlighted && bPushed ? pressedColor : highlightColor);
        pDC->FillRect(&rect, &brush);
        return;
    }
    CWnd* pParent = pButton != nullptr && pButton->GetSafeHwnd() != NULL ? pButton->GetParent() : nullptr;
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

void CVrxPVisualManagerXP::PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    if (pLibraryButton != nullptr && (pLibraryButton->highlighted || pLibraryButton->pushed))
        Frame(pDC, rect, highlightFrameColor);
}

void CVrxPVisualManagerXP::PaintRibbonButtonInset(CDC* pDC, CVrxPBaseRibbonElement*, CRect rect)
{
    PaintBrushFill(pDC, rect, &highlightBrush, nullptr);
    Frame(pDC, rect, highlightFrameColor);
}

void CVrxPVisualManagerXP::PaintRibbonMainPanelBackground(CDC* pDC, CVrxPRibbonPanel*, CRect rect)
{
    pDC->FillRect(&rect, &menuBrush);
}

void CVrxPVisualManagerXP::PaintRibbonRecentFilesArea(CDC* pDC, CVrxPRibbonPanel*, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &toolbarBrush);
    pDC->Draw3dRect(rect.left, rect.top, 2, rect.Height(), globals.colorBarShade, globals.colorBarLightEdge);
}

void CVrxPVisualManagerXP::PaintRibbonSeparator(CDC* pDC, CVrxPRibbonSeparator*, CRect rect)
{
    const int x = rect.CenterPoint().x;
    if (VrxPAlphaDrawing)
    {
        CVrxPPainter(*pDC).StrokeLine(CRect(x, rect.top, x, rect.bottom - 2), separatorColor);
        return;
    }
    CPen* pOldPen = pDC->SelectObject(&separatorPen);
    pDC->MoveTo(x, rect.top);
    pDC->LineTo(x, rect.bottom - 1);
    pDC->SelectObject(pOldPen);
}
