// The XP look's bars: backgrounds by bar class, one-pixel borders, pattern
// grippers with a pane's title, separators, the menu title and the border of
// a floating toolbar. A bar inside a dialog keeps the base look throughout.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "gdi/CDC.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"

namespace
{
// The owning popup's column mode, 2 (the popup's default) when there is none.
int ColumnModeOf(CVrxPPopupMenuBar* pMenuBar)
{
    CWnd* pParent = pMenuBar->GetSafeHwnd() != NULL ? pMenuBar->GetParent() : nullptr;
    const CVrxPPopupMenu* pPopup = dynamic_cast<CVrxPPopupMenu*>(pParent);
    return pPopup != nullptr ? pPopup->menuMode : 2;
}

void FillStrips(CDC* pDC, CRect rect, CRect widths, CBrush* pBrush, int nShorten)
{
    CBrush* pOld = pDC->SelectObject(pBrush);
    pDC->PatBlt(rect.left, rect.top + nShorten, widths.left, rect.Height() - 2 * nShorten, PATCOPY);
    pDC->PatBlt(rect.left + nShorten, rect.top, rect.Width() - 2 * nShorten, widths.top, PATCOPY);
    pDC->PatBlt(rect.right - widths.right, rect.top + nShorten, widths.right, rect.Height() - 2 * nShorten, PATCOPY);
    pDC->PatBlt(rect.left + nShorten, rect.bottom - widths.bottom, rect.Width() - 2 * nShorten, widths.bottom,
                PATCOPY);
    pDC->SelectObject(pOld);
}
} // namespace

int CVrxPVisualManagerXP::MenuImageWidth()
{
    const CVrxPToolbarImageList* pImages = CVrxPToolBar::SharedImages();
    return pImages != nullptr && pImages->GetImageSize().cx > 0 ? pImages->GetImageSize().cx : defaultMenuImageWidth;
}

void CVrxPVisualManagerXP::PaintFramedStrips(CDC* pDC, CRect rect, CRect widths, CBrush* pOuter, CBrush* pInner)
{
    FillStrips(pDC, rect, widths, pOuter, 0);
    rect.DeflateRect(2, 2);
    widths.DeflateRect(2, 2);
    FillStrips(pDC, rect, widths, pInner, 1);
}

void CVrxPVisualManagerXP::PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL)
{
    CWnd* pParent = pBar != nullptr && pBar->GetSafeHwnd() != NULL ? pBar->GetParent() : nullptr;
    if (dynamic_cast<CVrxPReBar*>(pBar) != nullptr || dynamic_cast<CVrxPReBar*>(pParent) != nullptr)
    {
        PaintThemeRebarBackground(pDC, pBar, rectClient);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    if (pBar == nullptr || dynamic_cast<CVrxPMenuBar*>(pBar) != nullptr ||
        dynamic_cast<CVrxPOutlookBarPane*>(pBar) != nullptr)
    {
        CVrxPVisualManager::PaintBarBackground(pDC, pBar, rectClient, rectClip, FALSE);
        return;
    }
    if (CVrxPPopupMenuBar* pMenuBar = dynamic_cast<CVrxPPopupMenuBar*>(pBar))
    {
        pDC->FillRect(&rectClip, &menuBrush);
        if (pMenuBar->noImageColumn)
            return;
        int nWidth = MenuImageWidth() + 2 * QueryMenuTextMargin() + 2;
        if (ColumnModeOf(pMenuBar) == 0)
            nWidth *= 2;
        CRect rectColumn(rectClient.left, rectClient.top + 1, rectClient.left + nWidth, rectClient.bottom - 1);
        pDC->FillRect(&rectColumn, &toolbarBrush);
        return;
    }
    if (dynamic_cast<CVrxPToolBar*>(pBar) != nullptr)
    {
        pDC->FillRect(&rectClip, &toolbarBrush);
        return;
    }
    if (dynamic_cast<CVrxPAutoHideDockBar*>(pBar) != nullptr)
    {
        pDC->FillRect(&rectClip, &tabAreaBrush);
        return;
    }
    CVrxPVisualManager::PaintBarBackground(pDC, pBar, rectClient, rectClip, FALSE);
}

void CVrxPVisualManagerXP::PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect)
{
    if (pBar == nullptr || pBar->dialogParent)
    {
        CVrxPVisualManager::PaintBarBorder(pDC, pBar, rect);
        return;
    }
    const DWORD dwStyle = pBar->GetBarStyle();
    const COLORREF face = VrxPGlobals().colorBarFace;
    const COLORREF colorOldBack = pDC->GetBkColor();
    const int cx = rect.Width();
    const int cy = rect.Height();
    if (dwStyle & CVrxPBaseControlBar::borderLeft)
        pDC->FillSolidRect(0, 0, 1, cy - 1, face);
    if (dwStyle & CVrxPBaseControlBar::borderTop)
        pDC->FillSolidRect(0, 0, cx - 1, 1, face);
    if (dwStyle & CVrxPBaseControlBar::borderRight)
        pDC->FillSolidRect(rect.right - 1, 0, 1, cy, face);
    if (dwStyle & CVrxPBaseControlBar::borderBottom)
        pDC->FillSolidRect(0, rect.bottom - 1, cx - 1, 1, face);
    if (dwStyle & CVrxPBaseControlBar::borderLeft)
        rect.left++;
    if (dwStyle & CVrxPBaseControlBar::borderTop)
        rect.top++;
    if (dwStyle & CVrxPBaseControlBar::borderRight)
        rect.right--;
    if (dwStyle & CVrxPBaseControlBar::borderBottom)
        rect.bottom--;
    pDC->SetBkColor(colorOldBack);
}

void CVrxPVisualManagerXP::PaintPattern(CDC* pDC, const CRect& rect, CBrush* pPattern, COLORREF colorText,
                                        COLORREF colorBack)
{
    if (rowPatternBrush.GetSafeHandle() == NULL)
        CreateDitherBrush();
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    const COLORREF colorOldBack = pDC->SetBkColor(colorBack);
    pDC->FillRect(&rect, pPattern);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkColor(colorOldBack);
}

void CVrxPVisualManagerXP::PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar)
{
    if (pBar != nullptr && pBar->dialogParent)
    {
        CVrxPVisualManager::PaintBarGripper(pDC, rect, bHorizontal, pBar);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    CRect rectStrip = rect;
    if (pPane != nullptr)
    {
        rectStrip.DeflateRect(4, 0);
    }
    else if (bHorizontal)
    {
        const int x = rect.CenterPoint().x;
        rectStrip = CRect(x - 1, rect.top + 5, x + 2, rect.bottom - 5);
    }
    else
    {
        const int y = rect.CenterPoint().y;
        rectStrip = CRect(rect.left + 5, y - 1, rect.right - 5, y + 2);
    }
    const BOOL bRows = pPane != nullptr ? !bHorizontal : bHorizontal;
    PaintPattern(pDC, rectStrip, bRows ? &rowPatternBrush : &columnPatternBrush, gripperColor,
                 pPane != nullptr ? globals.colorBarFace : toolbarColor);
    if (pPane == nullptr || pPane->GetSafeHwnd() == NULL)
        return;

    CString strTitle;
    pPane->GetWindowText(strTitle);
    strTitle = " " + strTitle + " ";
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    const COLORREF colorOldText = pDC->SetTextColor(globals.colorBarText);
    const COLORREF colorOldBack = pDC->SetBkColor(globals.colorBarFace);
    CFont* pOldFont = pDC->SelectObject(bHorizontal ? &globals.fontVertical : &globals.fontRegular);
    const int nFontHeight = bHorizontal ? globals.verticalTextHeight : globals.textHeight;
    CRect rectText = rectStrip;
    if (!bHorizontal)
    {
        rectText.top += (rectStrip.Height() - nFontHeight - 1) / 2;
        pDC->DrawText(strTitle, &rectText, 0);
    }
    else
    {
        rectText.left = rectStrip.right - (rectStrip.Width() - nFontHeight + 1) / 2;
        rectText.bottom = rectText.top;
        pDC->DrawText(strTitle, &rectText, DT_NOCLIP);
    }
    pDC->SelectObject(pOldFont);
    pDC->SetBkColor(colorOldBack);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
}

void CVrxPVisualManagerXP::PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal)
{
    if (pBar != nullptr && pBar->dialogParent)
    {
        CVrxPVisualManager::PaintSeparator(pDC, pBar, rect, bHorizontal);
        return;
    }
    CPen* pOldPen = pDC->SelectObject(&separatorPen);
    if (bHorizontal)
    {
        const int x = (rect.left + rect.right) / 2;
        pDC->MoveTo(x, rect.top);
        pDC->LineTo(x, rect.bottom - 1);
        pDC->SelectObject(pOldPen);
        return;
    }
    const int y = (rect.top + rect.bottom) / 2;
    pDC->MoveTo(rect.left, y);
    pDC->LineTo(rect.right, y);
    pDC->SelectObject(pOldPen);
}

COLORREF CVrxPVisualManagerXP::PaintMenuTitle(CDC* pDC, CRect rect)
{
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &toolbarBrush);
    pDC->Draw3dRect(rect.left, rect.bottom - 2, rect.Width(), 2, globals.colorBarShade, globals.colorBarLightEdge);
    return globals.colorBarText;
}

void CVrxPVisualManagerXP::PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd*, CRect rect, CRect rectBorderSize)
{
    PaintFramedStrips(pDC, rect, rectBorderSize, &floatingFrameBrush, &VrxPGlobals().brushBarFace);
}
