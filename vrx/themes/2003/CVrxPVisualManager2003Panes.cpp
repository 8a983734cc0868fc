// The 2003 look's tabs, outlook pages, auto-hide buttons, tasks pane,
// controls, grid lines and tooltips. Outside rich colour the XP drawing
// applies unless an operation draws alike in every mode.

#include "themes/2003/CVrxPVisualManager2003.h"

#include "docking/CVrxPAutoHideButton.h"
#include "docking/VrxPBarStyles.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPButton.h"

#include <algorithm>
#include <utility>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

void Gradient(CDC* pDC, CRect rect, COLORREF c1, COLORREF c2, BOOL bHorizontal)
{
    CVrxPPainter(*pDC).PaintGradient(rect, c1, c2, bHorizontal);
}

void Frame(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

BOOL IsTop(const CVrxPBaseTabWnd* pTabWnd)
{
    return pTabWnd->location == CVrxPBaseTabWnd::locationTop;
}

void Line(CDC* pDC, CPoint from, CPoint to)
{
    pDC->MoveTo(from);
    pDC->LineTo(to);
}
} // namespace

BOOL CVrxPVisualManager2003::HasWindowTheme()
{
    return GetThemeHandle(themeWindow) != NULL;
}

BOOL CVrxPVisualManager2003::TracksHotTab()
{
    return TRUE;
}

BOOL CVrxPVisualManager2003::FramesDockingTabWindows()
{
    return FALSE;
}

void CVrxPVisualManager2003::PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd != nullptr && pTabWnd->buttonColors)
    {
        pDC->FillRect(&rect, &VrxPGlobals().brushFace);
        return;
    }
    if (pTabWnd == nullptr || pTabWnd->IsFlatStyle() || !IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTabAreaBackground(pDC, rect, pTabWnd);
        return;
    }
    if (IsTop(pTabWnd))
        Gradient(pDC, rect, toolbarGradientLight, toolbarGradientDark, TRUE);
    else
        Gradient(pDC, rect, toolbarGradientDark, toolbarGradientLight, TRUE);
}

// Code 4 in rich colour: the slanted tab in a gradient of its colour, or of
// the toolbar's, highlighted in the menu's hot colour.
void CVrxPVisualManager2003::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->styleCode != 4 || !IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect area = pTabWnd->tabArea;
    const int s = nIndex != 0 && !bActive ? rect.Height() : 0;
    if (area.right < rect.left + s + 10 || area.left >= rect.right - 10)
        return;
    const BOOL bHighlighted = nIndex == pTabWnd->highlightedTab;
    COLORREF color = pTabWnd->TabColor(nIndex);
    if (color == kNone && bActive)
        color = globals.colorWindow;
    const BOOL bTop = IsTop(pTabWnd);
    if (!bTop)
        rect.OffsetRect(0, -1);

    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    const int h = rect.Height();
    POINT points[8] = {{l, b}, {l + 2, b - 1}, {l + 4, b - 2}, {l + h, t + 2}, {l + h + 4, t}, {r - 2, t}, {r, t + 2}, {r, b}};
    BOOL bCut = FALSE;
    for (POINT& point : points)
    {
        if (point.x > area.right)
        {
            point.x = area.right;
            bCut = TRUE;
        }
        if (!bTop)
            point.y = t + b - point.y;
    }

    const int nSaved = pDC->SaveDC();
    CRgn region;
    region.CreatePolygonRgn(points, 8, ALTERNATE);
    pDC->SelectClipRgn(&region, RGN_AND);
    pDC->ExcludeClipRect(0, t - 1, area.left, b + 1);
    COLORREF c1 = bHighlighted ? menuHotColor : color;
    COLORREF c2;
    if (c1 == kNone)
    {
        c1 = toolbarGradientDark;
        c2 = toolbarGradientLight;
    }
    else
        c2 = CVrxPPainter::ScaleColor(c1, 150);
    CRect rectFill = rect;
    if (!bTop)
    {
        rectFill.top++;
        std::swap(c1, c2);
    }
    Gradient(pDC, rectFill, c1, c2, TRUE);
    pDC->RestoreDC(nSaved);

    const int nOutline = pDC->SaveDC();
    pDC->ExcludeClipRect(0, t - 1, area.left, b + 1);
    if (!bActive && nIndex != 0 && nIndex != pTabWnd->firstShownTab)
        pDC->ExcludeClipRect(area.left, area.top, l + h - 10, area.bottom);
    CPen penOutline(PS_SOLID, 1, globals.colorBarDarkShade);
    CPen* pOldPen = pDC->SelectObject(&penOutline);
    pDC->Polyline(points, 8);
    if (bCut)
        Line(pDC, CPoint(area.right, t), CPoint(area.right, b));
    if (bTop)
    {
        CPen penInner(PS_SOLID, 1, bHighlighted ? globals.colorBarDarkShade : globals.colorBarLightEdge);
        pDC->SelectObject(&penInner);
        Line(pDC, CPoint(points[2].x + 1, points[2].y), CPoint(points[3].x + 1, points[3].y));
        Line(pDC, CPoint(points[4].x, points[4].y + 1), CPoint(points[5].x, points[5].y + 1));
        CPen penShadow(PS_SOLID, 1, globals.colorBarShade);
        pDC->SelectObject(&penShadow);
        if (!bActive && !bCut)
            Line(pDC, CPoint(r - 2, t + 1), CPoint(r, t + 3));
        Line(pDC, CPoint(points[6].x - 1, points[6].y), CPoint(points[7].x - 1, points[7].y));
    }
    pDC->SelectObject(pOldPen);
    pDC->RestoreDC(nOutline);

    if (bActive)
    {
        const CRect rectEdge = bTop ? CRect(l + 2, b, std::min<int>(r + 1, area.right), b + 1)
                                    : CRect(l + 1, t, std::min<int>(r, area.right), t + 1);
        pDC->FillSolidRect(&rectEdge, color);
    }

    CRect rectLabel = rect;
    rectLabel.left += h;
    if (bTop)
        rectLabel.right -= CVrxPBaseTabWnd::tabTextMargin;
    else
        rectLabel.left += CVrxPBaseTabWnd::tabTextMargin;
    rectLabel.right = std::min<int>(rectLabel.right, area.right - 2);
    const CVrxPBaseTabWnd::Tab* pTab = pTabWnd->TabAt(nIndex);
    const COLORREF colorOldText = pDC->GetTextColor();
    if (!bActive && pTab != nullptr && pTab->textColor != kNone)
        pDC->SetTextColor(pTab->textColor);
    PaintTabLabel(pDC, rectLabel, nIndex, bActive, pTabWnd, kNone);
    pDC->SetTextColor(colorOldText);
}

void CVrxPVisualManager2003::PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                                              CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatStyle() || pTabWnd->buttonColors || !IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTabInterior(pDC, rect, pBrush, nIndex, bActive, pTabWnd);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    COLORREF b = CVrxPPainter::ScaleColor(faceGradientDark, 105);
    const COLORREF own = pTabWnd->TabColor(nIndex);
    if (own != kNone)
    {
        b = own;
        if (own == globals.colorWindow && bActive)
        {
            pDC->FillRect(&rect, &globals.brushWindow);
            return;
        }
    }
    else if (fillPlainTabs || pTabWnd->styleCode == 5)
    {
        if (bActive)
        {
            pDC->FillRect(&rect, &globals.brushWindow);
            return;
        }
    }
    else if (pTabWnd->IsSteppedStyle())
    {
        if (bActive)
        {
            pDC->FillRect(&rect, &globals.brushWindow);
            return;
        }
    }
    else if (!bActive)
        return;
    const COLORREF d = CVrxPPainter::ScaleColor(b, 120);
    if (IsTop(pTabWnd))
        Gradient(pDC, rect, b, d, TRUE);
    else
        Gradient(pDC, rect, d, b, TRUE);
}

void CVrxPVisualManager2003::PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT, int)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    if (pLibraryButton != nullptr && (pLibraryButton->pushed || pLibraryButton->highlighted))
        Frame(pDC, *pRect, highlightFrameColor);
}

void CVrxPVisualManager2003::QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText,
                                            COLORREF* pHighlight, COLORREF* pFace, COLORREF* pDarkShadow,
                                            COLORREF* pLight, CBrush** ppFaceBrush, CBrush** ppDarkShadowBrush)
{
    CVrxPVisualManager::QueryTabColors(pTabWnd, pShadow, pText, pHighlight, pFace, pDarkShadow, pLight, ppFaceBrush,
                                       ppDarkShadowBrush);
    if (pTabWnd->styleCode == 4 || pTabWnd->buttonColors || !IsRichColor() || !useThemeColors)
        return;
    const CVrxPGlobals& globals = VrxPGlobals();
    *pShadow = globals.colorBarShade;
    *pText = globals.colorBarDarkShade;
    *pHighlight = pTabWnd->styleCode == 5 ? globals.colorBarShade : globals.colorBarLight;
    if (pTabWnd->TabColor(pTabWnd->activeTab) == kNone)
        *pFace = globals.colorWindow;
    *pDarkShadow = globals.colorBarShade;
    *pLight = globals.colorBarFace;
}

void CVrxPVisualManager2003::PaintOutlookPageButton(CDC* pDC, CRect rect)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintOutlookPageButton(pDC, rect);
        return;
    }
    Gradient(pDC, rect, captionGradientDark, captionGradientLight, TRUE);
    const int h = rect.Height() - 3;
    const int o = h / 2;
    int x = (rect.left + rect.right) / 2 - h * 10 / 2;
    for (int i = 0; i < 10; i++, x += h)
    {
        pDC->FillSolidRect(x + 1, rect.top + 3, o, o, VrxPGlobals().colorLightEdge);
        pDC->FillSolidRect(x, rect.top + 2, o, o, frameColor);
    }
}

void CVrxPVisualManager2003::PaintOutlookPageCaption(CDC* pDC, CRect rect, COLORREF* pText)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintOutlookPageCaption(pDC, rect, pText);
        return;
    }
    Gradient(pDC, rect, captionGradientDark, captionGradientLight, TRUE);
    if (pText != nullptr)
        *pText = VrxPGlobals().colorBarLightEdge;
}

// The button does not know its strip's group yet: every button shows the
// idle face.
void CVrxPVisualManager2003::PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton* pButton)
{
    if (!IsRichColor() || pButton == nullptr)
    {
        CVrxPVisualManagerXP::PaintAutoHideButtonFace(pDC, rect, pButton);
        return;
    }
    const DWORD dwSide = pButton->GetDockSide();
    Gradient(pDC, rect, faceGradientLight, faceGradientDark, dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM);
}

void CVrxPVisualManager2003::PaintTasksPaneBackground(CDC* pDC, CRect rect)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTasksPaneBackground(pDC, rect);
        return;
    }
    Gradient(pDC, rect, paneGradientBottom, paneGradientTop, TRUE);
}

void CVrxPVisualManager2003::PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTaskGroupBackground(pDC, rect, bSpecial);
        return;
    }
    if (bSpecial)
        Gradient(pDC, rect, specialGroupBottomColor, specialGroupTopColor, TRUE);
    else
        Gradient(pDC, rect, normalGroupBottomColor, normalGroupTopColor, TRUE);
}

CPen* CVrxPVisualManager2003::PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL, BOOL)
{
    CPen* pOldPen = pDC->SelectObject(&groupBorderPen);
    const POINT outline[5] = {{rect.left, rect.top},
                              {rect.right - 1, rect.top},
                              {rect.right - 1, rect.bottom - 1},
                              {rect.left, rect.bottom - 1},
                              {rect.left, rect.top}};
    pDC->Polyline(outline, 5);
    pDC->SelectObject(pOldPen);
    return pOldPen;
}

void CVrxPVisualManager2003::PaintControlBackground(CDC* pDC, CRect rect)
{
    if (!IsRichColor())
    {
        CVrxPVisualManagerXP::PaintControlBackground(pDC, rect);
        return;
    }
    Gradient(pDC, rect, faceGradientDark, faceGradientLight, TRUE);
}

void CVrxPVisualManager2003::PaintControlRaisedFrame(CDC* pDC, CRect rect)
{
    Frame(pDC, rect, highlightFrameColor);
}

COLORREF CVrxPVisualManager2003::QueryGridLineColor()
{
    return menuHotColor;
}

BOOL CVrxPVisualManager2003::QueryToolTipOptions(CVrxPToolTipOptions* pOptions, int nKind)
{
    if (!IsRichColor())
        return CVrxPVisualManagerXP::QueryToolTipOptions(pOptions, nKind);
    const CVrxPGlobals& globals = VrxPGlobals();
    pOptions->drawIcon = TRUE;
    pOptions->drawDescription = TRUE;
    pOptions->roundedCorners = TRUE;
    pOptions->boldLabel = TRUE;
    pOptions->drawSeparator = FALSE;
    pOptions->fillColor = globals.colorBarLightEdge;
    pOptions->gradientColor = globals.colorBarFace;
    pOptions->textColor = globals.colorBarText;
    pOptions->borderColor = globals.colorBarShade;
    return TRUE;
}
