// The 2003 look's small controls: calculator, browse and tool-item buttons,
// the calendar's colours, captions of active areas, library buttons, the
// tasks pane's scroll buttons and tasks, the grid's expand box, the ribbon's
// separator and the planner. Most draw alike in every colour depth.

#include "themes/2003/CVrxPVisualManager2003.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/CVrxPButton.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPToolBoxButton.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
const COLORREF kThemeCalendarBack = RGB(251, 230, 148);
const COLORREF kPlannerNone = 0xFF000000;

void Gradient(CDC* pDC, CRect rect, COLORREF c1, COLORREF c2, BOOL bHorizontal)
{
    CVrxPPainter(*pDC).PaintGradient(rect, c1, c2, bHorizontal);
}

void Frame(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

void Line(CDC* pDC, CPen& pen, int x1, int y1, int x2, int y2)
{
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOldPen);
}
} // namespace

// The calculator has no window class of its own yet, so none sits in a
// dialog.
BOOL CVrxPVisualManager2003::PaintCalculatorButton(CDC* pDC, CRect rect, CWnd*, int nState, int, CVrxPCalculator*)
{
    if (nState == statePressed || nState == stateHighlighted)
    {
        PaintBrushFill(pDC, rect, nState == statePressed ? &pressedBrush : &highlightBrush, nullptr);
        Frame(pDC, rect, toolbarGradientDark);
    }
    else
    {
        Gradient(pDC, rect, toolbarGradientDark, toolbarGradientLight, TRUE);
        Frame(pDC, rect, toolbarGradientDark);
    }
    return TRUE;
}

BOOL CVrxPVisualManager2003::PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString*, BOOL, CVrxPCalculator*)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
    Frame(pDC, rect, toolbarGradientDark);
    return TRUE;
}

BOOL CVrxPVisualManager2003::PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl*, int nState, COLORREF*)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    if (nState == statePressed || nState == stateHighlighted)
    {
        PaintBrushFill(pDC, rect, nState == statePressed ? &pressedBrush : &highlightBrush, nullptr);
        Frame(pDC, CRect(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1), toolbarGradientDark);
        return TRUE;
    }
    Gradient(pDC, rect, globals.colorFace, globals.colorLightEdge, TRUE);
    Frame(pDC, rect, globals.colorBarLightEdge);
    return TRUE;
}

BOOL CVrxPVisualManager2003::PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem)
{
    if (pItem->highlighted || pItem->checked)
        PaintBrushFill(pDC, rect, pItem->checked ? &checkedBrush : &highlightBrush, nullptr);
    return TRUE;
}

BOOL CVrxPVisualManager2003::PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int)
{
    if (pItem->highlighted || pItem->checked)
        Frame(pDC, *pRect, highlightFrameColor);
    return TRUE;
}

void CVrxPVisualManager2003::QueryCalendarPalette(CVrxPCalendarBar*, CVrxPCalendarPalette* pPalette)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    pPalette->headerBack = faceGradientDark;
    pPalette->headerText = globals.colorBarText;
    if (useThemeColors)
        pPalette->calendarBack = kThemeCalendarBack;
    else
        pPalette->calendarBack = menuHotColor != kNone ? menuHotColor : highlightColor;
    pPalette->selectedText = globals.colorBarText;
    pPalette->todayFrame = todayFrameColor;
}

COLORREF CVrxPVisualManager2003::PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject*)
{
    if (!IsRichColor())
        return CVrxPVisualManagerXP::PaintActiveCaptionArea(pDC, rect, nullptr);
    Gradient(pDC, rect, captionGradientDark, captionGradientLight, TRUE);
    return VrxPGlobals().colorBarLightEdge;
}

void CVrxPVisualManager2003::PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintButtonBackground(pDC, rect, pButton);
        return;
    }
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    const BOOL bPushed = pLibraryButton != nullptr && pLibraryButton->pushed;
    const BOOL bHighlighted = pLibraryButton != nullptr && pLibraryButton->highlighted;
    if (bPushed && bHighlighted)
        pDC->FillSolidRect(&rect, pressedGradientTop != kNone ? pressedGradientTop : pressedColor);
    else if (bPushed || bHighlighted)
        pDC->FillSolidRect(&rect, menuHotColor != kNone ? menuHotColor : highlightColor);
    else
    {
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
}

void CVrxPVisualManager2003::PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph,
                                                        BOOL bHot)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    CRect rect = *pRect;
    rect.top -= nExtendUp;
    pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
    if (bHot)
    {
        COLORREF fill = globals.colorWindow;
        if (IsRichColor())
            fill = menuHotColor != kNone ? menuHotColor : highlightColor;
        pDC->FillSolidRect(pRect, fill);
        Frame(pDC, *pRect, highlightFrameColor);
    }
    else
        Frame(pDC, *pRect, globals.colorBarShade);
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, nGlyph, *pRect, CVrxPMenuGlyphs::black);
}

// Hot tasks without a colour of their own show the selection colour.
void CVrxPVisualManager2003::PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored)
{
    if (pTask->separator)
    {
        const int y = (pTask->rect.top + pTask->rect.bottom) / 2;
        Line(pDC, separatorPen, pTask->rect.left, y, pTask->rect.right, y);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF colorLinkHot = globals.colorLinkHot;
    globals.colorLinkHot = globals.colorSelection;
    CVrxPVisualManagerXP::PaintTask(pDC, pTask, pImages, bHot, nIgnored);
    globals.colorLinkHot = colorLinkHot;
}

void CVrxPVisualManager2003::PaintGridExpandBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame)
{
    if (!IsRichColor())
    {
        PaintPlusMinusBox(pDC, rect, bExpanded, colorFrame);
        return;
    }
    if (rect.Width() % 2 != 0)
        rect.right++;
    if (rect.Height() % 2 != 0)
        rect.bottom++;
    CVrxPPainter(*pDC).PaintDirectionalGradient(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom),
                                                RGB(255, 255, 255), toolbarGradientDark, 45);
    Line(pDC, lightLinePen, rect.left + 1, rect.top, rect.right, rect.top);
    Line(pDC, lightLinePen, rect.left, rect.top + 1, rect.left, rect.bottom);
    Line(pDC, darkLinePen, rect.left + 1, rect.bottom, rect.right, rect.bottom);
    Line(pDC, darkLinePen, rect.right, rect.top + 1, rect.right, rect.bottom);
    const int g = rect.Width() / 2 - 3;
    const int v = rect.Height() / 2 - 3;
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    Line(pDC, darkLinePen, cx - g, cy, cx + g + 1, cy);
    if (!bExpanded)
        Line(pDC, darkLinePen, cx, cy - v, cx, cy + v + 1);
}

void CVrxPVisualManager2003::PaintRibbonSeparator(CDC* pDC, CVrxPRibbonSeparator*, CRect rect)
{
    const int x = (rect.left + rect.right) / 2;
    Line(pDC, separatorPen, x, rect.top, x, rect.bottom - 1);
    Line(pDC, barHiliteLinePen, x + 1, rect.top + 1, x + 1, rect.bottom);
}

void CVrxPVisualManager2003::PaintPlannerTimeArea(CDC* pDC, CVrxPPlannerView* pView, CRect rect, BOOL bWorking)
{
    COLORREF color = bWorking ? QueryBarLightColor(pView) : QueryBarDarkColor(pView);
    if (color == kPlannerNone)
        color = QueryBarBaseColor(pView);
    pDC->FillSolidRect(&rect, color);
}

COLORREF CVrxPVisualManager2003::QueryPlannerGridColor(CVrxPPlannerView* pView, int nDark, int nStrong)
{
    COLORREF color = nDark ? QueryBarDarkColor(pView) : QueryBarLightColor(pView);
    if (color == kPlannerNone)
        color = QueryBarBaseColor(pView);
    return CVrxPPainter::ScaleColor(color, nStrong ? 85 : 95);
}

void CVrxPVisualManager2003::PaintPlannerHeaderBar(CDC* pDC, CVrxPPlannerView*, CRect rect)
{
    Gradient(pDC, rect, headerColor, VrxPGlobals().colorFace, TRUE);
    Line(pDC, headerPen, rect.left, rect.bottom, rect.right, rect.bottom);
}
