// The base look's tabs: the tab shapes by style, their interiors and
// labels, and the tab window's colours.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"
#include "panes/CVrxPBaseTabWnd.h"

#include <algorithm>
#include <vector>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

void PaintFlatTab(CDC* pDC, CRect rect, BOOL bActive, CVrxPBaseTabWnd* pTabWnd, COLORREF color)
{
    const int h = pTabWnd->tabAreaHeight / 2;
    CBrush brush;
    CBrush* pOldBrush = nullptr;
    if (!bActive && color != kNone)
    {
        brush.CreateSolidBrush(color);
        pOldBrush = pDC->SelectObject(&brush);
    }
    if (pTabWnd->location == CVrxPBaseTabWnd::locationBottom)
    {
        rect.bottom--;
        const POINT points[4] = {
            {rect.left, rect.top}, {rect.left + h, rect.bottom - 1}, {rect.right - h, rect.bottom - 1}, {rect.right, rect.top}};
        pDC->Polygon(points, 4);
    }
    else
    {
        rect.top++;
        const POINT points[4] = {
            {rect.left + h, rect.top + 1}, {rect.left, rect.bottom}, {rect.right, rect.bottom}, {rect.right - h, rect.top + 1}};
        pDC->Polygon(points, 4);
    }
    if (pOldBrush != nullptr)
        pDC->SelectObject(pOldBrush);
}

void PolylineThrough(CDC* pDC, std::initializer_list<POINT> points)
{
    pDC->Polyline(points.begin(), static_cast<int>(points.size()));
}

// The outline of a stepped tab hanging down from its top edge: the sides
// slant one pixel per two rows, then one pixel per row near the far edge.
// Answers the left chain followed by the right chain reversed, and the
// label's edges.
std::vector<POINT> SteppedOutline(const CRect& rect, BOOL bTop, int& xLabelLeft, int& xLabelRight)
{
    std::vector<POINT> left{{rect.left, rect.top}, {rect.left, rect.top + 2}};
    std::vector<POINT> right{{rect.right, rect.top}, {rect.right, rect.top + 2}};
    int x = rect.left + 1;
    int xr = rect.right - 1;
    int y = rect.top + 2;
    for (; y < rect.bottom - 4; y += 2, x++, xr--)
    {
        left.insert(left.end(), {{x, y}, {x, y + 2}});
        right.insert(right.end(), {{xr, y}, {xr, y + 2}});
    }
    if (bTop)
    {
        x--;
        xr++;
    }
    xLabelLeft = x - 1;
    xLabelRight = xr + 1;
    for (; y < rect.bottom - 1; y++, x++, xr--)
    {
        left.insert(left.end(), {{x, y - 1}, {x + 1, y}});
        right.insert(right.end(), {{xr, y - 1}, {xr - 1, y}});
        if (y + 1 == rect.bottom - 1)
        {
            left.push_back({x + 3, y});
            right.push_back({xr - 2, y});
        }
    }
    left.push_back({x + 2, rect.bottom});
    right.push_back({xr - 2, rect.bottom});
    left.insert(left.end(), right.rbegin(), right.rend());
    if (bTop)
        for (POINT& point : left)
            point.y = rect.top + rect.bottom - point.y;
    return left;
}

// Answers the label rectangle.
CRect PaintSteppedTab(CVrxPVisualManager* pLook, CDC* pDC, const CRect& rect, int nIndex, BOOL bActive,
                      CVrxPBaseTabWnd* pTabWnd, COLORREF color)
{
    CVrxPGlobals& globals = VrxPGlobals();
    int xLabelLeft = rect.left;
    int xLabelRight = rect.right;
    const std::vector<POINT> outline =
        SteppedOutline(rect, pTabWnd->location == CVrxPBaseTabWnd::locationTop, xLabelLeft, xLabelRight);
    const int nPoints = static_cast<int>(outline.size());
    CRgn region;
    region.CreatePolygonRgn(outline.data(), nPoints, WINDING);
    const int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&region, RGN_AND);
    CBrush brush(color != kNone ? color : globals.colorFace);
    pLook->PaintTabInterior(pDC, rect, &brush, nIndex, bActive, pTabWnd);
    pDC->RestoreDC(nSaved);
    CPen pen(PS_SOLID, 1, globals.colorBarShade);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polyline(outline.data(), nPoints);
    pDC->SelectObject(pOldPen);
    return CRect(xLabelLeft, rect.top, xLabelRight, rect.bottom);
}

// The two slanted styles: a tab leaning over its left neighbour (code 4
// with a rounded foot, code 5 with a straight one). Answers the label
// rectangle.
CRect PaintSlantedTab(CVrxPVisualManager* pLook, CDC* pDC, const CRect& rect, int nIndex, BOOL bActive,
                      CVrxPBaseTabWnd* pTabWnd, COLORREF color)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect& area = pTabWnd->tabArea;
    const BOOL bTop = pTabWnd->location == CVrxPBaseTabWnd::locationTop;
    const BOOL bCode5 = pTabWnd->styleCode == 5;
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    const int h = rect.Height();
    POINT points[8] = {{l, b},
                       bCode5 ? POINT{l, b} : POINT{l + 2, b - 1},
                       bCode5 ? POINT{l + 2, b} : POINT{l + 4, b - 2},
                       {l + h, t + 2},
                       {l + h + 4, t},
                       {r - 2, t},
                       {r, t + 2},
                       {r, b}};
    // Inside the slanted left edge and the top edge, and the corner
    // between them; mirrored with the outline.
    POINT highlight[4] = {{points[2].x + 1, points[2].y}, {points[3].x + 1, points[3].y},
                          {points[4].x, points[4].y + 1}, {points[5].x, points[5].y + 1}};
    BOOL bClipped = FALSE;
    for (POINT& point : points)
        if (point.x > area.right)
        {
            point.x = area.right;
            bClipped = TRUE;
        }
    for (POINT& point : highlight)
        point.x = std::min<int>(point.x, area.right);
    if (!bTop)
    {
        for (POINT& point : points)
            point.y = t + b - point.y - 1;
        for (POINT& point : highlight)
            point.y = t + b - point.y - 1;
    }

    CRgn region;
    region.CreatePolygonRgn(points, 8, WINDING);
    CRect rectBounds;
    region.GetRgnBox(&rectBounds);
    const int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&region, RGN_AND);
    CBrush brush(color != kNone ? color : globals.colorFace);
    pLook->PaintTabInterior(pDC, rectBounds, &brush, nIndex, bActive, pTabWnd);
    pDC->RestoreDC(nSaved);

    const int nOutline = pDC->SaveDC();
    pDC->ExcludeClipRect(0, t - 1, area.left, b + 1);
    // The previous tab lies over this one's foot.
    if (!bActive && nIndex != pTabWnd->firstShownTab)
        pDC->ExcludeClipRect(area.left, bTop ? t + 1 : t, points[4].x - 10, bTop ? b : b - 1);
    pDC->Polyline(points, 8);
    if (bClipped)
    {
        pDC->MoveTo(area.right, t);
        pDC->LineTo(area.right, b);
    }
    CPen penHighlight(PS_SOLID, 1, globals.colorBarLightEdge);
    CPen penShadow(PS_SOLID, 1, globals.colorBarShade);
    CPen* pOldPen = pDC->SelectObject(&penHighlight);
    PolylineThrough(pDC, {highlight[0], highlight[1]});
    PolylineThrough(pDC, {highlight[2], highlight[3]});
    if (!bActive && !bClipped && pLook->tabDarkEdge)
    {
        pDC->SelectObject(&penShadow);
        PolylineThrough(pDC, {highlight[1], highlight[2]});
    }
    pDC->SelectObject(pOldPen);
    pDC->RestoreDC(nOutline);

    if (bActive)
    {
        CRect rectBand(bCode5 ? l + 3 : l + 1, bTop ? b : t - 2, bCode5 ? r : r + 1, 0);
        rectBand.bottom = rectBand.top + 2;
        pDC->FillSolidRect(&rectBand, color != kNone ? color : globals.colorWindow);
    }

    CRect rectLabel = rect;
    const BOOL bShrinkLess = bCode5 && bActive;
    rectLabel.left += bShrinkLess ? h * 3 / 4 : h;
    rectLabel.right -= bShrinkLess ? CVrxPBaseTabWnd::tabImageMargin * 3 / 4 : CVrxPBaseTabWnd::tabImageMargin;
    const CVrxPBaseTabWnd::Tab* pTab = pTabWnd->TabAt(nIndex);
    if (bShrinkLess && pTab != nullptr && pTab->icon != NULL)
        rectLabel.OffsetRect(CVrxPBaseTabWnd::tabImageMargin, 0);
    rectLabel.right = std::min<int>(rectLabel.right, area.right - 2);
    return rectLabel;
}

void Paint3dTab(CVrxPVisualManager* pLook, CDC* pDC, const CRect& rect, int nIndex, BOOL bActive,
                CVrxPBaseTabWnd* pTabWnd, COLORREF color)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect& area = pTabWnd->tabArea;
    const BOOL bTop = pTabWnd->location == CVrxPBaseTabWnd::locationTop;
    if (color != kNone || pLook->fillPlainTabs)
    {
        CBrush brush(color != kNone ? color : globals.colorFace);
        CRect rectInterior = rect;
        rectInterior.DeflateRect(1, 0);
        if (bTop)
            rectInterior.bottom--;
        else
            rectInterior.top++;
        if (rectInterior.right > area.right)
            rectInterior.right = area.right;
        pLook->PaintTabInterior(pDC, rectInterior, &brush, nIndex, bActive, pTabWnd);
    }
    CPen penHighlight(PS_SOLID, 1, globals.colorBarLightEdge);
    CPen penShadow(PS_SOLID, 1, globals.colorBarShade);
    CPen penDark(PS_SOLID, 1, globals.colorBarDarkShade);
    const BOOL bDarkEdge = pLook->tabDarkEdge;
    const int nSaved = pDC->SaveDC();
    if (rect.right > area.right)
        pDC->IntersectClipRect(area);
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    if (bTop)
    {
        const int yEnd = bActive ? b : b - 1;
        pDC->SelectObject(bDarkEdge ? &penDark : &penShadow);
        PolylineThrough(pDC, {{r, yEnd}, {r, t + 2}, {r - 2, t}});
        if (bDarkEdge)
            pDC->SelectObject(&penHighlight);
        PolylineThrough(pDC, {{r - 2, t}, {l + 2, t}, {l, t + 2}, {l, b}});
        if (bDarkEdge)
        {
            pDC->SelectObject(&penShadow);
            PolylineThrough(pDC, {{r - 1, yEnd}, {r - 1, t + 1}});
        }
    }
    else
    {
        pDC->SelectObject(bDarkEdge ? &penHighlight : &penShadow);
        PolylineThrough(pDC, {{l, t}, {l, b - 2}});
        if (bDarkEdge)
            pDC->SelectObject(&penDark);
        PolylineThrough(pDC, {{l, b - 2}, {l + 2, b}, {r - 2, b}, {r, b - 2}, {r, t - 1}});
        if (bDarkEdge)
        {
            pDC->SelectObject(&penShadow);
            PolylineThrough(pDC, {{l + 3, b - 1}, {r - 2, b - 1}, {r - 1, b - 2}, {r - 1, t - 1}});
        }
    }
    pDC->RestoreDC(nSaved);
    if (bActive)
    {
        // The active tab runs on into the page under it.
        CRect rectBand(rect.left, bTop ? rect.bottom : rect.top - 2, rect.right, 0);
        rectBand.bottom = rectBand.top + 2;
        if (color != kNone)
            pDC->FillSolidRect(&rectBand, color);
        else
            pDC->FillRect(&rectBand, &globals.brushBarFace);
    }
}
} // namespace

void CVrxPVisualManager::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    const COLORREF color = pTabWnd->TabColor(nIndex);
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    CRect rectLabel = rect;

    if (pTabWnd->IsFlatStyle())
    {
        PaintFlatTab(pDC, rect, bActive, pTabWnd, color);
    }
    else if (pTabWnd->IsSteppedStyle())
    {
        rectLabel = PaintSteppedTab(this, pDC, rect, nIndex, bActive, pTabWnd, color);
    }
    else
    {
        const CRect& area = pTabWnd->tabArea;
        // In code 4 every tab but the first and the active one hides its
        // foot under its neighbour.
        const int d = pTabWnd->styleCode == 4 && nIndex != 0 && !bActive ? rect.Height() : 0;
        // A tab that shows less than 10 pixels of itself is left out.
        if (area.right < rect.left + d + 10 || area.left >= rect.right - 10)
            return;
        if (pTabWnd->IsSlantedStyle())
            rectLabel = PaintSlantedTab(this, pDC, rect, nIndex, bActive, pTabWnd, color);
        else
            Paint3dTab(this, pDC, rect, nIndex, bActive, pTabWnd, color);
    }

    const CVrxPBaseTabWnd::Tab* pTab = pTabWnd->TabAt(nIndex);
    const COLORREF colorOldText = pDC->GetTextColor();
    if (!bActive && pTab != nullptr && pTab->textColor != kNone)
        pDC->SetTextColor(pTab->textColor);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectClip);
    PaintTabLabel(pDC, rectLabel, nIndex, bActive, pTabWnd, kNone);
    pDC->RestoreDC(nSaved);
    pDC->SetTextColor(colorOldText);
}

void CVrxPVisualManager::PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                                          CVrxPBaseTabWnd* pTabWnd)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bShaped = pTabWnd->IsSlantedStyle() || pTabWnd->IsSteppedStyle();
    if (bActive && bShaped && pTabWnd->TabColor(nIndex) == kNone && !globals.highContrastBlack &&
        !globals.highContrastWhite)
        pDC->FillRect(&rect, &globals.brushWindow);
    else
        pDC->FillRect(&rect, pBrush);
}

void CVrxPVisualManager::PaintTabLabel(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd,
                                       COLORREF colorText)
{
    const CVrxPBaseTabWnd::Tab* pTab = pTabWnd->TabAt(nIndex);
    if (pTab == nullptr)
        return;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT nNoPrefix = pTabWnd->noPrefix ? DT_NOPREFIX : 0;
    if (pTabWnd->IsFlatStyle())
    {
        pDC->DrawText(pTab->label, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | nNoPrefix);
        pDC->SetBkMode(nOldMode);
        return;
    }
    const BOOL bHasImage = pTab->icon != NULL || (pTab->image >= 0 && pTabWnd->images != nullptr);
    const int w = bHasImage ? pTabWnd->imageSize.cx : 0;
    const int h = pTabWnd->imageSize.cy;
    if (rect.Width() < w + 2 * CVrxPBaseTabWnd::tabImageMargin)
    {
        pDC->SetBkMode(nOldMode);
        return;
    }
    const CPoint ptImage(rect.left + 4, rect.top + (rect.Height() - h) / 2);
    if (pTab->icon != NULL)
        ::DrawState(pDC->GetSafeHdc(), NULL, NULL, reinterpret_cast<LPARAM>(pTab->icon), 0, ptImage.x, ptImage.y,
                    w, h, DST_ICON);
    else if (bHasImage)
        pTabWnd->images->Draw(pDC, pTab->image, ptImage, ILD_TRANSPARENT);
    CRect rectText = rect;
    rectText.left = rect.left + w + 6;
    if (rectText.Width() < 2 * w && !pTabWnd->IsSteppedStyle())
        rectText.right -= 3;
    COLORREF colorUsed = colorText;
    if (colorUsed == kNone)
        colorUsed = QueryTabTextColor(pTabWnd, nIndex, bActive);
    const COLORREF colorOld = pDC->GetTextColor();
    if (colorUsed != kNone)
        pDC->SetTextColor(colorUsed);
    UINT nFormat = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | nNoPrefix;
    if (pTabWnd->IsSlantedStyle())
        nFormat |= DT_CENTER;
    pDC->DrawText(pTab->label, &rectText, nFormat);
    pDC->SetTextColor(colorOld);
    pDC->SetBkMode(nOldMode);
}

void CVrxPVisualManager::QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText,
                                        COLORREF* pHighlight, COLORREF* pFace, COLORREF* pDarkShadow,
                                        COLORREF* pLight, CBrush** ppFaceBrush, CBrush** ppDarkShadowBrush)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bButtons = pTabWnd->buttonColors;
    const COLORREF colorActive = pTabWnd->TabColor(pTabWnd->activeTab);
    if (pTabWnd->styleCode == 4 && colorActive != kNone)
        *pFace = colorActive;
    else
        *pFace = bButtons ? globals.colorFace : globals.colorBarFace;
    const BOOL bShadowHighlight = pTabWnd->styleCode == 5;
    if (bButtons)
    {
        *pShadow = globals.colorShade;
        *pText = globals.colorButtonText;
        *pHighlight = bShadowHighlight ? globals.colorShade : globals.colorLightEdge;
        *pDarkShadow = globals.colorDarkShade;
        *pLight = globals.colorLight;
        *ppFaceBrush = &globals.brushFace;
    }
    else
    {
        *pShadow = globals.colorBarShade;
        *pText = globals.colorBarText;
        *pHighlight = bShadowHighlight ? globals.colorBarShade : globals.colorBarLightEdge;
        *pDarkShadow = globals.colorBarDarkShade;
        *pLight = globals.colorBarLight;
        *ppFaceBrush = &globals.brushBarFace;
    }
    *ppDarkShadowBrush = &globals.brushDarkShade;
}

BOOL CVrxPVisualManager::PaintTabAreaColorFill(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    const COLORREF color = pTabWnd->TabColor(pTabWnd->activeTab);
    if (color == kNone)
        return FALSE;
    pDC->FillSolidRect(&rect, color);
    return TRUE;
}
