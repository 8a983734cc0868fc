// The Windows XP theme look's tabs, headers, tasks pane and small controls:
// the theme's parts where the class is open, else the XP (or base) look.

#include "themes/winxp/CVrxPWinXPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPButton.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "panes/navigation/CVrxPToolBoxButton.h"

#include <algorithm>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

const int kTabItem = 1;
const int kTabPane = 9;
const int kToolbarButton = 1;
const int kHeaderItem = 1;
const int kButtonPush = 1;
const int kTreeGlyph = 2;
const int kGlyphClosed = 1;
const int kGlyphOpened = 2;
const int kSpinUp = 1;
const int kSpinDown = 2;
const int kSpinUpHorz = 3;
const int kSpinDownHorz = 4;
const int kExplorerHeaderBackground = 1;
const int kExplorerNormalGroupExpand = 6;
const int kExplorerNormalGroupCollapse = 7;
const int kExplorerNormalGroupHead = 8;
const int kExplorerNormalGroupBackground = 5;
const int kExplorerSpecialGroupBackground = 9;
const int kExplorerSpecialGroupExpand = 10;
const int kExplorerSpecialGroupCollapse = 11;
const int kExplorerSpecialGroupHead = 12;
const int kStateNormal = 1;
const int kStateHot = 2;
const int kStatePressed = 3;
const int kStateDisabled = 4;
const int kStateChecked = 5;

int PaneValueOr(int nPaneValue, int nLookValue)
{
    return nPaneValue != -1 ? nPaneValue : nLookValue;
}

// Calculator and browse buttons: 1 pressed, 2 hot.
int PushStateOf(int nState)
{
    if (nState == CVrxPVisualManager::statePressed)
        return kStatePressed;
    return nState == CVrxPVisualManager::stateHighlighted ? kStateHot : kStateNormal;
}

int ButtonWindowState(CWnd* pButton, UINT nState)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    const BOOL bWindow = pButton != nullptr && pButton->GetSafeHwnd() != NULL;
    if (bWindow && !pButton->IsWindowEnabled())
        return kStateDisabled;
    const BOOL bPushed = (pLibraryButton != nullptr && pLibraryButton->pushed) || (nState & 1) != 0;
    const BOOL bHot = pLibraryButton != nullptr && pLibraryButton->highlighted;
    if ((bPushed && bHot) || (bWindow && pButton->SendMessage(BM_GETCHECK, 0, 0) != 0))
        return kStatePressed;
    return bHot ? kStateHot : kStateNormal;
}
} // namespace

void CVrxPWinXPVisualManager::PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    if (!UsesTabTheme(pTabWnd) || pTabWnd->buttonColors)
    {
        CVrxPVisualManagerXP::PaintTabAreaBackground(pDC, rect, pTabWnd);
        return;
    }
    rect.right += 10;
    if (pTabWnd->location == CVrxPBaseTabWnd::locationTop)
    {
        rect.bottom += 2;
        PaintPart(themeTab, pDC, kTabPane, 0, rect);
        return;
    }
    rect.top -= 3;
    PaintPart(themeTab, pDC, kTabPane, 0, rect);
    CVrxPPainter(*pDC).FlipRect(rect, FALSE);
}

void CVrxPWinXPVisualManager::PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd)
{
    if (!UsesTabTheme(pTabWnd) || pTabWnd->IsSteppedStyle())
    {
        CVrxPVisualManagerXP::PaintTab(pDC, rect, nIndex, bActive, pTabWnd);
        return;
    }
    const BOOL bTop = pTabWnd->location == CVrxPBaseTabWnd::locationTop;
    const int nState = bActive ? 3 : kStateNormal;
    rect.right++;
    if (bTop && !bActive)
        rect.bottom--;
    PaintPart(themeTab, pDC, kTabItem, nState, rect);
    if (!bTop)
        CVrxPPainter(*pDC).FlipRect(rect, FALSE);
    COLORREF colorText = VrxPGlobals().colorWindowText;
    ReadThemeColor(themeTab, kTabItem, nState, propertyTextColor, colorText);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    PaintTabLabel(pDC, rect, nIndex, bActive, pTabWnd, kNone);
    pDC->SetTextColor(colorOldText);
}

void CVrxPWinXPVisualManager::PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd* pButton, CVrxPBaseTabWnd* pTabWnd)
{
    if (!UsesTabTheme(pTabWnd) || pTabWnd->GetSafeHwnd() == NULL || pButton == nullptr ||
        pButton->GetSafeHwnd() == NULL)
    {
        CVrxPVisualManagerXP::PaintTabScrollButtonFace(pDC, rect, pButton, pTabWnd);
        return;
    }
    // The button shows the tab pane behind it.
    CRgn clip;
    clip.CreateRectRgnIndirect(&rect);
    pDC->SelectClipRgn(&clip);
    CRect rectPane;
    pTabWnd->GetClientRect(&rectPane);
    if (pTabWnd->location == CVrxPBaseTabWnd::locationTop)
    {
        rectPane.bottom = pTabWnd->tabArea.bottom;
    }
    else
    {
        rectPane.top = pTabWnd->tabArea.top;
        rectPane.bottom += 2;
    }
    pTabWnd->MapWindowPoints(pButton, &rectPane);
    PaintTabAreaBackground(pDC, rectPane, pTabWnd);
    pDC->SelectClipRgn(nullptr);
}

void CVrxPWinXPVisualManager::PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState,
                                                        int nIgnored)
{
    if (!IsOpen(themeToolbar))
    {
        CVrxPVisualManagerXP::PaintTabScrollButtonFrame(pDC, pRect, pButton, nState, nIgnored);
        return;
    }
    if (pButton != nullptr)
        VrxPGlobals().PaintParentBackground(pButton, pDC, pRect);
    PaintPart(themeToolbar, pDC, kToolbarButton, ButtonWindowState(pButton, nState), *pRect);
}

BOOL CVrxPWinXPVisualManager::PaintTabAreaColorFill(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd)
{
    if (UsesTabTheme(pTabWnd))
        return FALSE;
    return CVrxPVisualManager::PaintTabAreaColorFill(pDC, rect, pTabWnd);
}

void CVrxPWinXPVisualManager::PaintHeaderItem(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bPressed,
                                              BOOL bHot)
{
    int nState = kStateNormal;
    if (bPressed)
        nState = kStatePressed;
    else if (bHot)
        nState = kStateHot;
    if (!PaintPart(themeHeader, pDC, kHeaderItem, nState, *pRect))
        CVrxPVisualManager::PaintHeaderItem(pHeader, pDC, pRect, bPressed, bHot);
}

void CVrxPWinXPVisualManager::PaintHeaderSortArrow(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bUp)
{
    if (!IsOpen(themeHeader))
    {
        CVrxPVisualManager::PaintHeaderSortArrow(pHeader, pDC, pRect, bUp);
        return;
    }
    const CRect& r = *pRect;
    const int m = (r.left + r.right) / 2;
    POINT points[3];
    if (bUp)
    {
        points[0] = {r.left, r.bottom};
        points[1] = {m, r.top};
        points[2] = {r.right, r.bottom};
    }
    else
    {
        points[0] = {r.left, r.top};
        points[1] = {m, r.bottom};
        points[2] = {r.right, r.top};
    }
    CBrush brush(VrxPGlobals().colorShade);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_PEN));
    pDC->Polygon(points, 3);
    ::SelectObject(pDC->GetSafeHdc(), hOldPen);
    pDC->SelectObject(pOldBrush);
}

void CVrxPWinXPVisualManager::PaintTasksPaneBackground(CDC* pDC, CRect rect)
{
    if (!PaintPart(themeExplorerBar, pDC, kExplorerHeaderBackground, 0, rect))
        CVrxPVisualManager::PaintTasksPaneBackground(pDC, rect);
}

void CVrxPWinXPVisualManager::PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL bPressed,
                                                    BOOL bWithButton)
{
    const CVrxPTasksPane* pPane = pGroup->pane;
    if (!IsOpen(themeExplorerBar) || dynamic_cast<const CVrxPToolBoxEx*>(pPane) != nullptr)
    {
        CVrxPVisualManagerXP::PaintTaskGroupCaption(pDC, pGroup, bHot, bPressed, bWithButton);
        return;
    }
    if (pGroup->name.IsEmpty())
        return;
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect& rectCaption = pGroup->captionRect;
    PaintPart(themeExplorerBar, pDC, pGroup->special ? kExplorerSpecialGroupHead : kExplorerNormalGroupHead, 0,
              rectCaption);
    const int nIndentH = PaneValueOr(pPane != nullptr ? pPane->captionIndentH : -1, taskCaptionIndentH);
    const int nIndentV = PaneValueOr(pPane != nullptr ? pPane->captionIndentV : -1, taskCaptionIndentV);
    CRect rectText = rectCaption;
    rectText.left = rectCaption.left + nIndentH;
    if (pGroup->icon != NULL && pGroup->iconSize.cx < rectCaption.Width() - rectCaption.Height())
    {
        PaintTaskGroupIcon(pDC, pGroup, 5, bHot, bPressed, bWithButton);
        rectText.left = rectCaption.left + pGroup->iconSize.cx + 5;
    }
    COLORREF colorText = bWithButton && bHot ? pGroup->hotTextColor : pGroup->textColor;
    if (colorText == kNone)
        colorText = pGroup->special ? globals.colorWindow : globals.colorSelection;
    rectText.top = rectCaption.top + nIndentV;
    const int nRight = rectCaption.right - (bWithButton ? rectCaption.Height() : nIndentH);
    if (nRight >= rectText.left)
        rectText.right = nRight;
    CFont* pOldFont = pDC->SelectObject(&globals.fontBold);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    pDC->DrawText(pGroup->name, &rectText, DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
    if (!bWithButton)
        return;
    const CRect rectButton(std::max(rectCaption.left, rectCaption.right - rectCaption.Height()), rectCaption.top,
                           rectCaption.right, rectCaption.bottom);
    int nPart = pGroup->collapsed ? kExplorerNormalGroupCollapse : kExplorerNormalGroupExpand;
    if (pGroup->special)
        nPart = pGroup->collapsed ? kExplorerSpecialGroupCollapse : kExplorerSpecialGroupExpand;
    PaintPart(themeExplorerBar, pDC, nPart, bHot ? kStateHot : kStateNormal, rectButton);
}

void CVrxPWinXPVisualManager::PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (!PaintPart(themeExplorerBar, pDC, bSpecial ? kExplorerSpecialGroupBackground : kExplorerNormalGroupBackground,
                   0, rect))
        CVrxPVisualManagerXP::PaintTaskGroupBackground(pDC, rect, bSpecial);
}

CPen* CVrxPWinXPVisualManager::PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop)
{
    if (!IsOpen(themeExplorerBar))
        return CVrxPVisualManagerXP::PaintTaskGroupFrame(pDC, rect, bSpecial, bClosedTop);
    if (bClosedTop)
        PaintPart(themeExplorerBar, pDC, bSpecial ? kExplorerSpecialGroupHead : kExplorerNormalGroupHead, 0,
                  CRect(rect.left, rect.top, rect.right, rect.top + 1));
    return nullptr;
}

void CVrxPWinXPVisualManager::PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored)
{
    if (IsOpen(themeExplorerBar) && pTask->separator)
    {
        const int m = pTask->rect.CenterPoint().y;
        PaintPart(themeExplorerBar, pDC, kExplorerNormalGroupHead, 0,
                  CRect(pTask->rect.left, m, pTask->rect.right, m + 1));
        return;
    }
    CVrxPVisualManagerXP::PaintTask(pDC, pTask, pImages, bHot, nIgnored);
}

void CVrxPWinXPVisualManager::PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot)
{
    CVrxPVisualManager::PaintTasksPaneScrollButton(pDC, pRect, nExtendUp, nGlyph, bHot);
}

void CVrxPWinXPVisualManager::PaintPlusMinusBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame)
{
    if (!PaintPart(themeTreeView, pDC, kTreeGlyph, bExpanded ? kGlyphOpened : kGlyphClosed, rect))
        CVrxPVisualManager::PaintPlusMinusBox(pDC, rect, bExpanded, colorFrame);
}

void CVrxPWinXPVisualManager::QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette)
{
    CVrxPVisualManagerXP::QueryCalendarPalette(pCalendar, pPalette);
    const CVrxPGlobals& globals = VrxPGlobals();
    if (globals.bitsPerPixel > 8 && !globals.highContrastBlack && !globals.highContrastWhite &&
        taskGroupBackColor != kNone && taskGroupTextColor != kNone)
    {
        pPalette->headerBack = taskGroupBackColor;
        pPalette->headerText = taskGroupTextColor;
    }
}

void CVrxPWinXPVisualManager::PaintCheckBox(CDC* pDC, CRect rect, int nState, BOOL bHighlighted, BOOL bPressed,
                                            BOOL bEnabled)
{
    if (!PaintThemeCheckBox(pDC, rect, bHighlighted, nState, bEnabled, bPressed))
        CVrxPVisualManager::PaintCheckBox(pDC, rect, nState, bHighlighted, bPressed, bEnabled);
}

BOOL CVrxPWinXPVisualManager::PaintCalculatorButton(CDC* pDC, CRect rect, CWnd* pButton, int nState, int nKind,
                                                    CVrxPCalculator* pCalculator)
{
    if (PaintPart(themeButton, pDC, kButtonPush, PushStateOf(nState), rect))
        return TRUE;
    return CVrxPVisualManagerXP::PaintCalculatorButton(pDC, rect, pButton, nState, nKind, pCalculator);
}

BOOL CVrxPWinXPVisualManager::PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl* pEdit, int nState,
                                                COLORREF* pText)
{
    if (!IsOpen(themeButton))
        return CVrxPVisualManagerXP::PaintBrowseButton(pDC, rect, pEdit, nState, pText);
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
    PaintPart(themeButton, pDC, kButtonPush, PushStateOf(nState), rect);
    return TRUE;
}

void CVrxPWinXPVisualManager::PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                                              CVrxPSpinButtonCtrl* pSpin)
{
    if (!IsOpen(themeSpin))
    {
        CVrxPVisualManagerXP::PaintSpinButton(pDC, rect, nStateFlags, bHorizontal, pSpin);
        return;
    }
    auto stateOf = [nStateFlags](UINT nPressedBit, UINT nHotBit) {
        if (nStateFlags & 0x10)
            return kStateDisabled;
        if (nStateFlags & nPressedBit)
            return kStatePressed;
        return (nStateFlags & nHotBit) ? kStateHot : kStateNormal;
    };
    const int m = (rect.top + rect.bottom) / 2;
    PaintPart(themeSpin, pDC, bHorizontal ? kSpinUpHorz : kSpinUp, stateOf(0x01, 0x04),
              CRect(rect.left, rect.top, rect.right, m - 1));
    PaintPart(themeSpin, pDC, bHorizontal ? kSpinDownHorz : kSpinDown, stateOf(0x02, 0x08),
              CRect(rect.left, m, rect.right, rect.bottom));
}

BOOL CVrxPWinXPVisualManager::PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem)
{
    if (!IsOpen(themeToolbar))
        return CVrxPVisualManager::PaintToolItemFace(pDC, rect, pItem);
    if (pItem->checked)
        PaintPart(themeToolbar, pDC, kToolbarButton, kStateChecked + (pItem->highlighted ? 1 : 0), rect);
    else if (pItem->highlighted)
        PaintPart(themeToolbar, pDC, kToolbarButton, kStateHot, rect);
    return TRUE;
}

BOOL CVrxPWinXPVisualManager::PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int nIgnored)
{
    if (IsOpen(themeToolbar))
        return TRUE;
    return CVrxPVisualManager::PaintToolItemBorder(pDC, pRect, pItem, nIgnored);
}

BOOL CVrxPWinXPVisualManager::PaintGridHeaderItem(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bPressed)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    if (globals.bitsPerPixel > 8 && !globals.highContrastBlack && !globals.highContrastWhite &&
        PaintPart(themeHeader, pDC, kHeaderItem, kStateNormal, rect))
        return TRUE;
    return CVrxPVisualManager::PaintGridHeaderItem(pGrid, pDC, rect, bPressed);
}
