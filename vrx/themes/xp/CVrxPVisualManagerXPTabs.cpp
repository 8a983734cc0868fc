// The XP look's tabs: flat 3-D tabs (styles 0 and 3) with a separator line
// between neighbours and an open-bottomed active tab; every other style,
// and tabs with automatic colours, keep the base look's tabs.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPButton.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

BOOL KeepsBaseTabs(const CVrxPBaseTabWnd* pTabWnd)
{
    return pTabWnd->IsFlatStyle() || pTabWnd->IsSlantedStyle() || pTabWnd->IsSteppedStyle() ||
           pTabWnd->UsesAutoTabColors();
}

void Line(CDC* pDC, CPen* pPen, std::initializer_list<CPoint> points)
{
    CPen* pOldPen = pDC->SelectObject(pPen);
    const CPoint* pFirst = points.begin();
    pDC->MoveTo(*pFirst);
    for (const CPoint* p = pFirst + 1; p != points.end(); ++p)
        pDC->LineTo(*p);
    pDC->SelectObject(pOldPen);
}

void PushedAndHot(CWnd* pButton, UINT nState, BOOL& bPushed, BOOL& bHighlighted)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    bPushed = (pLibraryButton != nullptr && pLibraryButton->pushed) || (nState & 1) != 0;
    bHighlighted = pLibraryButton != nullptr && pLibraryButton->highlighted;
}
} // namespace

void CVrxPVisualManagerXP::PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatStyle())
    {
        CVrxPVisualManager::PaintTabAreaBackground(pDC, rect, pTabWnd);
        return;
    }
    pDC->FillRect(&rect, pTabWnd->buttonColors ? &VrxPGlobals().brushFace : &tabAreaBrush);
}

void CVrxPVisualManagerXP::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    if (KeepsBaseTabs(pTabWnd))
    {
        CVrxPVisualManager::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    COLORREF colorDark, colorText, colorHighlight, colorFace, colorBlack, colorLight;
    CBrush* pFaceBrush = nullptr;
    CBrush* pBlackBrush = nullptr;
    QueryTabColors(pTabWnd, &colorDark, &colorText, &colorHighlight, &colorFace, &colorBlack, &colorLight, &pFaceBrush,
                   &pBlackBrush);
    CPen penDark(PS_SOLID, 1, colorDark);
    CPen penBlack(PS_SOLID, 1, colorBlack);
    CPen penHighlight(PS_SOLID, 1, colorHighlight);

    const BOOL bLast = nIndex == pTabWnd->LastVisibleTab();
    const BOOL bNextActive = pTabWnd->NextVisibleTabFrom(nIndex + 1) == pTabWnd->activeTab && !bLast;
    if (!bNextActive && (!bLast || separatorAfterLastTab))
        Line(pDC, &penDark, {CPoint(rect.right, rect.top + 3), CPoint(rect.right, rect.bottom - 3)});

    if (bActive)
    {
        if (pTabWnd->location == CVrxPBaseTabWnd::locationBottom)
        {
            PaintTabInterior(pDC, CRect(rect.left + 1, rect.top, rect.right, rect.bottom + 1), pFaceBrush, nIndex,
                             bActive, pTabWnd);
            Line(pDC, &penBlack, {CPoint(rect.right, rect.bottom), CPoint(rect.right, rect.top)});
            Line(pDC, &penHighlight,
                 {CPoint(rect.right, rect.top), CPoint(rect.left, rect.top), CPoint(rect.left, rect.bottom)});
        }
        else
        {
            PaintTabInterior(pDC, CRect(rect.left, rect.top - 1, rect.right, rect.bottom), pFaceBrush, nIndex,
                             bActive, pTabWnd);
            Line(pDC, &penBlack,
                 {CPoint(rect.right, rect.top), CPoint(rect.right, rect.bottom), CPoint(rect.left, rect.bottom)});
            Line(pDC, &penHighlight, {CPoint(rect.left, rect.bottom), CPoint(rect.left, rect.top - 2)});
        }
    }
    else if (pTabWnd->TabColor(nIndex) != kNone)
    {
        PaintTabInterior(pDC, CRect(rect.left + 1, rect.top, rect.right, rect.bottom), nullptr, nIndex, bActive,
                         pTabWnd);
    }

    COLORREF colorLabel = globals.colorButtonText;
    if (!pTabWnd->buttonColors)
        colorLabel = bActive ? globals.colorBarText : inactiveTabTextColor;
    PaintTabLabel(pDC, rect, nIndex, bActive, pTabWnd, colorLabel);
}

void CVrxPVisualManagerXP::PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                                            CVrxPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsSlantedStyle() || pTabWnd->IsSteppedStyle())
    {
        CVrxPVisualManager::PaintTabInterior(pDC, rect, pBrush, nIndex, bActive, pTabWnd);
        return;
    }
    if (bActive)
    {
        if (pBrush != nullptr)
            pDC->FillRect(&rect, pBrush);
        return;
    }
    const COLORREF color = pTabWnd->TabColor(nIndex);
    if (color == kNone)
        return;
    CBrush brush(color);
    pDC->FillRect(&rect, &brush);
}

void CVrxPVisualManagerXP::PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd* pButton, CVrxPBaseTabWnd* pTabWnd)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (pTabWnd != nullptr && pTabWnd->IsFlatStyle())
    {
        BOOL bPushed = FALSE, bHighlighted = FALSE;
        PushedAndHot(pButton, 0, bPushed, bHighlighted);
        CBrush* pBrush = &globals.brushBarFace;
        if (bHighlighted)
            pBrush = bPushed ? &pressedBrush : &highlightBrush;
        pDC->FillRect(&rect, pBrush);
        PaintBrushFill(pDC, rect, pBrush, nullptr);
        return;
    }
    pDC->FillRect(&rect, pTabWnd != nullptr && pTabWnd->buttonColors ? &globals.brushFace : &tabAreaBrush);
}

void CVrxPVisualManagerXP::PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int)
{
    CVrxPGlobals& globals = VrxPGlobals();
    BOOL bPushed = FALSE, bHighlighted = FALSE;
    PushedAndHot(pButton, nState, bPushed, bHighlighted);
    const CVrxPBaseTabWnd* pTabWnd =
        pButton != nullptr && pButton->GetSafeHwnd() != NULL ? dynamic_cast<CVrxPBaseTabWnd*>(pButton->GetParent())
                                                             : nullptr;
    if (pTabWnd != nullptr && pTabWnd->IsFlatStyle())
    {
        if (bPushed || bHighlighted)
            pDC->Draw3dRect(pRect, globals.colorBarDarkShade, globals.colorBarDarkShade);
        return;
    }
    if (bPushed && bHighlighted)
        pDC->Draw3dRect(pRect, globals.colorBarDarkShade, gripperColor);
    else if (bPushed || bHighlighted)
        pDC->Draw3dRect(pRect, gripperColor, globals.colorBarDarkShade);
}

COLORREF CVrxPVisualManagerXP::PaintSheetListItem(CDC* pDC, CVrxPPropertySheet*, CRect rect, BOOL bFocused,
                                                  BOOL bSelected)
{
    CBrush* pBrush = nullptr;
    if (bSelected && bFocused)
        pBrush = &pressedBrush;
    else if (bSelected)
        pBrush = &checkedBrush;
    else if (bFocused)
        pBrush = &highlightBrush;
    if (pBrush != nullptr)
        PaintBrushFill(pDC, rect, pBrush, nullptr);
    pDC->Draw3dRect(&rect, highlightFrameColor, highlightFrameColor);
    return VrxPGlobals().colorButtonText;
}
