// korvo's default look's own drawing: pane captions and their buttons, tab
// strips, the tasks pane's border, auto-hide
// buttons as outlines and the fills of menu buttons.

#include "themes/vs2005/CVrxPVisualManagerVS2005.h"

#include "docking/CVrxPAutoHideButton.h"
#include "docking/VrxPBarStyles.h"
#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CRgn.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <utility>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

BOOL AllChannelsAtMost(COLORREF color, int nLimit)
{
    return GetRValue(color) <= nLimit && GetGValue(color) <= nLimit && GetBValue(color) <= nLimit;
}

BOOL IsSchemeColored(int nScheme)
{
    return nScheme >= CVrxPVisualManager2003::schemeBlue && nScheme <= CVrxPVisualManager2003::schemeSilver;
}
} // namespace

COLORREF CVrxPVisualManagerVS2005::PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive,
                                                   CRect rectCaption, CRect rectButtons)
{
    if (!IsRichColor())
        return CVrxPVisualManagerXP::PaintBarCaption(pDC, pBar, bActive, rectCaption, rectButtons);
    CVrxPGlobals& globals = VrxPGlobals();
    rectCaption.bottom++;
    if (!bActive)
    {
        const COLORREF fill = CVrxPPainter::ScaleColor(faceGradientDark, 87);
        pDC->FillSolidRect(&rectCaption, fill);
        pDC->Draw3dRect(&rectCaption, globals.colorBarShade, globals.colorBarShade);
        return AllChannelsAtMost(fill, 192) ? RGB(255, 255, 255) : RGB(0, 0, 0);
    }
    if (IsSchemeColored(vs2005Scheme))
    {
        CVrxPPainter(*pDC).PaintGradient(rectCaption, globals.colorSelection,
                                         CVrxPPainter::ScaleColor(globals.colorSelection, 130), TRUE);
        return globals.colorSelectionText;
    }
    pDC->FillRect(&rectCaption, &globals.brushActiveCaption);
    return globals.colorCaptionText;
}

void CVrxPVisualManagerVS2005::PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive,
                                                  BOOL bHorizontal, BOOL bMaximized, BOOL bDisabled, int nGlyph)
{
    if (bActive || pButton->addedByFrame)
    {
        CVrxPVisualManager2003::PaintCaptionButton(pDC, pButton, bActive, bHorizontal, bMaximized, bDisabled, nGlyph);
        return;
    }
    const CRect rect = pButton->GetRect();
    const BOOL bFilled = (pButton->pushed || pButton->highlighted || pButton->dropped) && !bDisabled;
    if (bFilled)
        pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
    if (nGlyph == -1)
        nGlyph = pButton->GetImageIndex(bHorizontal, bMaximized);
    if (nGlyph != -1 && CVrxPMenuGlyphs::EnsureLoaded())
    {
        const CSize glyph = CVrxPMenuGlyphs::GetImageSize();
        const CPoint at(rect.left + (rect.Width() - glyph.cx) / 2, rect.top + (rect.Height() - glyph.cy) / 2);
        PaintCaptionButtonGlyph(pDC, pButton, nGlyph, FALSE, bDisabled, at);
    }
    if (bFilled)
        pDC->Draw3dRect(&rect, VrxPGlobals().colorBarDarkShade, VrxPGlobals().colorBarDarkShade);
}

void CVrxPVisualManagerVS2005::PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd == nullptr || pTabWnd->IsFlatStyle() || !IsRichColor())
    {
        CVrxPVisualManagerXP::PaintTabAreaBackground(pDC, rect, pTabWnd);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    if (pTabWnd->IsSlantedStyle())
    {
        pDC->FillRect(&rect, pTabWnd->buttonColors ? &globals.brushFace : &globals.brushBarFace);
        return;
    }
    CWnd* pParent = pTabWnd->GetSafeHwnd() != NULL ? pTabWnd->GetParent() : nullptr;
    if (dynamic_cast<CVrxPBaseControlBar*>(pParent) == nullptr)
    {
        pDC->FillRect(&rect, &globals.brushFace);
        return;
    }
    CRect rectWork = globals.workArea;
    pTabWnd->ScreenToClient(&rectWork);
    CRect rectFill = rect;
    rectFill.left = std::min(rect.left, rectWork.left);
    PaintBarBackground(pDC, pParent, rectFill, rect, FALSE);
}

void CVrxPVisualManagerVS2005::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatStyle() || pTabWnd->IsSlantedStyle())
    {
        CPen* pOldPen = nullptr;
        if (bActive && pTabWnd->styleCode == 5 && captionBorderPen.GetSafeHandle() != NULL)
            pOldPen = pDC->SelectObject(&captionBorderPen);
        CVrxPVisualManager2003::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
        if (pOldPen != nullptr)
            pDC->SelectObject(pOldPen);
        return;
    }
    if (!bActive || pTabWnd->TabColorAt(nIndex) != kNone)
    {
        CVrxPVisualManagerXP::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
        return;
    }
    // The active tab without a colour of its own shows the window colour.
    const COLORREF colorOldText = pDC->SetTextColor(VrxPGlobals().colorWindowText);
    pTabWnd->SetTabColorAt(nIndex, VrxPGlobals().colorWindow);
    CVrxPVisualManagerXP::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
    pTabWnd->SetTabColorAt(nIndex, kNone);
    pDC->SetTextColor(colorOldText);
}

void CVrxPVisualManagerVS2005::QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText,
                                              COLORREF* pHighlight, COLORREF* pFace, COLORREF* pDarkShadow,
                                              COLORREF* pLight, CBrush** ppFaceBrush, CBrush** ppDarkShadowBrush)
{
    CVrxPVisualManager2003::QueryTabColors(pTabWnd, pShadow, pText, pHighlight, pFace, pDarkShadow, pLight,
                                           ppFaceBrush, ppDarkShadowBrush);
    *pText = *pDarkShadow;
    if (pTabWnd != nullptr && pTabWnd->styleCode == 5 && captionBorderColor != kNone)
        *pHighlight = captionBorderColor;
}

void CVrxPVisualManagerVS2005::PaintTasksPaneBorder(CDC* pDC, CRect* pRect)
{
    pDC->Draw3dRect(pRect, VrxPGlobals().colorBarShade, VrxPGlobals().colorBarShade);
}

std::vector<POINT> CVrxPVisualManagerVS2005::AutoHideOutline(CRect rect, DWORD dwSide, BOOL bRounded)
{
    if (dwSide == CBRS_ALIGN_LEFT)
        rect.right--;
    else if (dwSide == CBRS_ALIGN_TOP)
        rect.bottom--;
    const BOOL bTurned = dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
    // In the turned frame x runs along the rectangle's height.
    const int L = 0;
    const int T = 0;
    const int R = bTurned ? rect.Height() : rect.Width();
    const int B = bTurned ? rect.Width() : rect.Height();
    std::vector<POINT> points;
    if (!bRounded)
        points = {{L, T}, {L, B - 2}, {L + 2, B}, {R - 3, B}, {R - 1, B - 2}, {R - 1, T}};
    else
    {
        std::vector<POINT> left{{L, T}, {L, T + 2}};
        std::vector<POINT> right{{R, T + 2}, {R, T}};
        int xl = L + 1;
        int xr = R - 1;
        int y = T + 2;
        while (y < B - 4)
        {
            left.push_back({xl, y});
            left.push_back({xl, y + 2});
            right.insert(right.begin(), {xr, y + 2});
            right.insert(right.begin(), {xr, y});
            xl++;
            xr--;
            y += 2;
        }
        if (dwSide == CBRS_ALIGN_BOTTOM)
        {
            xl--;
            xr++;
        }
        else if (bTurned)
            xr++;
        while (y < B - 1)
        {
            left.push_back({xl, y});
            right.insert(right.begin(), {xr, y});
            if (y + 2 == B)
            {
                left.push_back({xl + 2, y});
                right.insert(right.begin(), {xr - 2, y});
            }
            xl++;
            xr--;
            y++;
        }
        left.push_back({xl + 2, B});
        right.insert(right.begin(), {xr - 2, B});
        points = left;
        points.insert(points.end(), right.begin(), right.end());
    }
    for (POINT& point : points)
    {
        const POINT p = point;
        if (dwSide == CBRS_ALIGN_LEFT)
            point = {rect.left + p.y, rect.top + p.x};
        else if (dwSide == CBRS_ALIGN_RIGHT)
            point = {rect.right - p.y, rect.top + p.x};
        else if (dwSide == CBRS_ALIGN_BOTTOM)
            point = {rect.left + p.x, rect.top + rect.bottom - (rect.top + p.y)};
        else
            point = {rect.left + p.x, rect.top + p.y};
    }
    return points;
}

void CVrxPVisualManagerVS2005::PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton* pButton)
{
    if (!roundedAutoHideButtons || pButton == nullptr)
        return;
    const DWORD dwSide = pButton->GetDockSide();
    const std::vector<POINT> outline = AutoHideOutline(rect, dwSide, TRUE);
    CRgn region;
    region.CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING);
    pDC->SelectClipRgn(&region);
    if (!IsRichColor())
        CVrxPVisualManager2003::PaintAutoHideButtonFace(pDC, rect, pButton);
    else
        CVrxPPainter(*pDC).PaintGradient(rect, faceGradientDark, faceGradientLight,
                                         dwSide != CBRS_ALIGN_LEFT && dwSide != CBRS_ALIGN_RIGHT);
    pDC->SelectClipRgn(nullptr);
}

void CVrxPVisualManagerVS2005::PaintAutoHideButtonFrame(CDC* pDC, CRect rect, CRect, CVrxPAutoHideButton* pButton)
{
    if (pButton == nullptr)
        return;
    CPen pen(PS_SOLID, 1, VrxPGlobals().colorBarShade);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const DWORD dwSide = pButton->GetDockSide();
    const std::vector<POINT> outline = AutoHideOutline(rect, dwSide, roundedAutoHideButtons);
    if (!roundedAutoHideButtons)
        pDC->Polyline(outline.data(), static_cast<int>(outline.size()));
    else
    {
        const BOOL bTurned = dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
        const int yMiddle = (rect.top + rect.bottom) / 2;
        const int xMiddle = (rect.left + rect.right) / 2;
        for (size_t i = 1; i < outline.size(); i += 2)
        {
            POINT from = outline[i - 1];
            POINT to = outline[i];
            if (from.y > to.y)
                std::swap(from, to);
            if (bTurned && from.y > yMiddle && to.y > yMiddle)
            {
                from.y--;
                to.y--;
            }
            else if (!bTurned && from.x > xMiddle && to.x > xMiddle)
            {
                from.x--;
                to.x--;
            }
            pDC->MoveTo(from.x, from.y);
            pDC->LineTo(to.x, to.y);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CVrxPVisualManagerVS2005::PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton)
{
    CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    if (pMenuButton == nullptr || (vs2005Scheme != schemeBlue && vs2005Scheme != schemeOlive))
    {
        CVrxPVisualManager2003::PaintBrushFill(pDC, rect, pBrush, pButton);
        return;
    }
    if (dynamic_cast<CVrxPPopupMenuBar*>(pMenuButton->parent) != nullptr)
    {
        if ((pMenuButton->style & CVrxPToolbarMenuButton::stateChecked) != 0 && pBrush == &pressedBrush)
            pDC->FillRect(&rect, &checkedItemBrush);
        else
            CVrxPVisualManager2003::PaintBrushFill(pDC, rect, pBrush, pButton);
        return;
    }
    if (pMenuButton->IsPopupOpen())
        pDC->FillRect(&rect, &openMenuBrush);
    else
        CVrxPVisualManager2003::PaintBrushFill(pDC, rect, pBrush, pButton);
}
