// The base look's tabs: the tab shapes by style, their interiors and
// labels, and the tab window's colours.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "panes/CVrxPBaseTabWnd.h"

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
} // namespace

void CVrxPVisualManager::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const COLORREF color = pTabWnd->TabColor(nIndex);
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    const BOOL bTop = pTabWnd->location == CVrxPBaseTabWnd::locationTop;

    if (pTabWnd->IsFlatStyle())
    {
        PaintFlatTab(pDC, rect, bActive, pTabWnd, color);
    }
    else
    {
        const CRect& area = pTabWnd->tabArea;
        // A tab that shows less than 10 pixels of itself is left out.
        if (area.right < rect.left + 10 || area.left >= rect.right - 10)
            return;
        if (color != kNone || fillPlainTabs)
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
            PaintTabInterior(pDC, rectInterior, &brush, nIndex, bActive, pTabWnd);
        }
        CPen penHighlight(PS_SOLID, 1, globals.colorBarLightEdge);
        CPen penShadow(PS_SOLID, 1, globals.colorBarShade);
        CPen penDark(PS_SOLID, 1, globals.colorBarDarkShade);
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
            pDC->SelectObject(tabDarkEdge ? &penDark : &penShadow);
            PolylineThrough(pDC, {{r, yEnd}, {r, t + 2}, {r - 2, t}});
            if (tabDarkEdge)
                pDC->SelectObject(&penHighlight);
            PolylineThrough(pDC, {{r - 2, t}, {l + 2, t}, {l, t + 2}, {l, b}});
            if (tabDarkEdge)
            {
                pDC->SelectObject(&penShadow);
                PolylineThrough(pDC, {{r - 1, yEnd}, {r - 1, t + 1}});
            }
        }
        else
        {
            pDC->SelectObject(tabDarkEdge ? &penHighlight : &penShadow);
            PolylineThrough(pDC, {{l, t}, {l, b - 2}});
            if (tabDarkEdge)
                pDC->SelectObject(&penDark);
            PolylineThrough(pDC, {{l, b - 2}, {l + 2, b}, {r - 2, b}, {r, b - 2}, {r, t - 1}});
            if (tabDarkEdge)
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

    const CVrxPBaseTabWnd::Tab* pTab = pTabWnd->TabAt(nIndex);
    const COLORREF colorOldText = pDC->GetTextColor();
    if (!bActive && pTab != nullptr && pTab->textColor != kNone)
        pDC->SetTextColor(pTab->textColor);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectClip);
    PaintTabLabel(pDC, rect, nIndex, bActive, pTabWnd, kNone);
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
