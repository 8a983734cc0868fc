// The 2007 look's bar backgrounds, menus and their colour queries. Each
// draws from the style only while it is in force; otherwise the 2003 look
// draws, except where a menu title or rarely-used band is always ours.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/VrxPBarStyles.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/colours/CVrxPColorBar.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPStatusPaneInfo.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

namespace
{

BOOL InDialog(CWnd* pBar)
{
    const CVrxPBaseControlBar* pBase = dynamic_cast<CVrxPBaseControlBar*>(pBar);
    return pBase != nullptr && pBase->dialogParent;
}

// A popup menu of the plain kind shows two image columns.
BOOL HasDoubleImageColumn(CWnd* pBar)
{
    CWnd* pParent = pBar != nullptr && pBar->GetSafeHwnd() != NULL ? pBar->GetParent() : nullptr;
    const CVrxPPopupMenu* pMenu = dynamic_cast<CVrxPPopupMenu*>(pParent);
    return pMenu != nullptr && pMenu->menuMode == 0;
}

BOOL IsDisabled(const CVrxPToolbarButton* pButton)
{
    return pButton != nullptr && (pButton->style & CVrxPToolbarButton::styleDisabled) != 0;
}

} // namespace

int CVrxPVisualManager2007::MenuImageColumnWidth()
{
    const int nImageWidth = CVrxPMenuGlyphs::GetImageSize().cx + 2 * CVrxPToolBar::buttonPaddingX;
    return nImageWidth + 2 * QueryMenuTextMargin() + 2;
}

void CVrxPVisualManager2007::PaintTwoPenLine(CDC* pDC, CRect rect, CPen* pFirst, CPen* pSecond, BOOL bHorizontal)
{
    // A line as its two end points: (left, top) to (right, bottom).
    const int nMiddleY = rect.top + rect.Height() / 2 - 1;
    const int nMiddleX = rect.left + rect.Width() / 2 - 1;
    const CRect first = bHorizontal ? CRect(rect.left, nMiddleY, rect.right, nMiddleY)
                                    : CRect(nMiddleX, rect.top, nMiddleX, rect.bottom);
    CRect second = first;
    second.OffsetRect(bHorizontal ? 0 : 1, bHorizontal ? 1 : 0);
    if (VrxPAlphaDrawing)
    {
        CVrxPPainter painter(*pDC);
        LOGPEN pen = {};
        if (pFirst != nullptr && ::GetObject(pFirst->GetSafeHandle(), sizeof(pen), &pen) != 0)
            painter.StrokeLine(first, pen.lopnColor);
        if (pSecond != nullptr && ::GetObject(pSecond->GetSafeHandle(), sizeof(pen), &pen) != 0)
            painter.StrokeLine(second, pen.lopnColor);
        return;
    }
    CPen* pOld = pDC->SelectObject(pFirst);
    pDC->MoveTo(first.left, first.top);
    pDC->LineTo(first.right, first.bottom);
    pDC->SelectObject(pSecond);
    pDC->MoveTo(second.left, second.top);
    pDC->LineTo(second.right, second.bottom);
    pDC->SelectObject(pOld);
}

void CVrxPVisualManager2007::PaintThinFrame(CDC* pDC, const CRect& rect, COLORREF color)
{
    if (VrxPAlphaDrawing)
        CVrxPPainter(*pDC).StrokeRect(rect, static_cast<COLORREF>(-1), color);
    else
        pDC->Draw3dRect(&rect, color, color);
}

void CVrxPVisualManager2007::PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip,
                                                BOOL bNonClient)
{
    if (!IsStyleInForce() || InDialog(pBar) || dynamic_cast<CVrxPColorBar*>(pBar) != nullptr)
    {
        CVrxPVisualManager2003::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
        return;
    }
    if (const CVrxPMenuBar* pMenuBar = dynamic_cast<CVrxPMenuBar*>(pBar))
    {
        // Docked at a side: the gradients run across the bar's width.
        const BOOL bSide = (pMenuBar->GetBarStyle() & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
        CVrxPPainter painter(*pDC);
        if (bSide)
            painter.PaintGradientSplit(rectClient, m_clrMenuBarGradientDark, m_clrMenuBarGradientLight,
                                       m_clrMenuBarGradientLight, m_clrMenuBarGradientDark, FALSE);
        else
            painter.PaintGradientSplit(rectClient, m_clrMenuBarGradientVertLight, m_clrMenuBarGradientVertDark,
                                       m_clrMenuBarGradientVertDark, m_clrMenuBarGradientVertLight, TRUE);
        return;
    }
    if (const CVrxPPopupMenuBar* pPopupBar = dynamic_cast<CVrxPPopupMenuBar*>(pBar))
    {
        if (rectClip.IsRectEmpty())
            rectClip = rectClient;
        pDC->FillRect(&rectClip, &menuBrush);
        if (pPopupBar->noImageColumn)
            return;
        const int nColumn = MenuImageColumnWidth() * (HasDoubleImageColumn(pBar) ? 2 : 1);
        CRect column(rectClient.left, rectClient.top, rectClient.left + nColumn, rectClient.bottom);
        pDC->FillRect(&column, &toolbarBrush);
        PaintTwoPenLine(pDC, CRect(column.right, column.top, column.right + 2, column.bottom), &separatorPen,
                        &m_penMenuSeparator2, FALSE);
        return;
    }
    CVrxPVisualManager2003::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
}

void CVrxPVisualManager2007::PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect)
{
    if (!IsStyleInForce())
    {
        CVrxPVisualManager2003::PaintMenuFrame(pDC, pMenu, rect);
        return;
    }
    m_rndPopupBorder.Paint(pDC, rect);
}

void CVrxPVisualManager2007::PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar)
{
    if (!IsStyleInForce() || (pBar != nullptr && pBar->dialogParent) || m_imgToolbarGripper.GetCount() == 0)
    {
        CVrxPVisualManager2003::PaintBarGripper(pDC, rect, bHorizontal, pBar);
        return;
    }
    const CSize image = m_imgToolbarGripper.GetImageSize();
    if (image.cx == 0 && image.cy == 0)
        return;
    CRect column = rect;
    if (bHorizontal)
        column.left = column.right - image.cx;
    else
        column.top = column.bottom - image.cy;
    const int nStep = bHorizontal ? image.cy : image.cx;
    const int nLength = bHorizontal ? column.Height() : column.Width();
    if (nStep <= 0)
        return;
    const int nCount = (nLength - nStep) / nStep;
    if (nCount <= 0)
        return;
    const int nStart = (nLength - nCount * nStep) / 2;
    for (int i = 0; i < nCount; i++)
    {
        const CRect at = bHorizontal ? CRect(CPoint(column.left, column.top + nStart + i * nStep), image)
                                     : CRect(CPoint(column.left + nStart + i * nStep, column.top), image);
        m_imgToolbarGripper.DrawFitted(pDC, at, 0, 0, 0);
    }
}

void CVrxPVisualManager2007::PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal)
{
    if (!IsStyleInForce() || pBar == nullptr || pBar->dialogParent)
    {
        CVrxPVisualManager2003::PaintSeparator(pDC, pBar, rect, bHorizontal);
        return;
    }
    if (bHorizontal)
    {
        const int nCut = rect.Height() / 5;
        rect.DeflateRect(0, nCut);
        PaintTwoPenLine(pDC, rect, &m_penToolbarBottomLineLight, &barHiliteLinePen, FALSE);
        return;
    }
    CVrxPPopupMenuBar* pPopupBar = dynamic_cast<CVrxPPopupMenuBar*>(pBar);
    if (pPopupBar == nullptr)
    {
        const int nCut = rect.Width() / 5;
        rect.DeflateRect(nCut, 0);
        PaintTwoPenLine(pDC, rect, &m_penToolbarBottomLineLight, &barHiliteLinePen, TRUE);
        return;
    }
    if (dynamic_cast<CVrxPColorBar*>(pBar) == nullptr)
    {
        const int nGiven = rect.left;
        const int nImageWidth = CVrxPMenuGlyphs::GetImageSize().cx + 2 * CVrxPToolBar::buttonPaddingX;
        rect.left += nImageWidth + QueryMenuTextMargin() + 1;
        if (pBar->GetSafeHwnd() != NULL)
        {
            CRect client;
            pBar->GetClientRect(&client);
            if (client.right - rect.right < 50)
                rect.right = client.right;
        }
        if (pPopupBar->noImageColumn)
            rect.left = 0;
        if (HasDoubleImageColumn(pBar))
            rect.left = nGiven + 3 * QueryMenuTextMargin() + 2 * nImageWidth + 2;
    }
    PaintTwoPenLine(pDC, rect, &separatorPen, &m_penMenuSeparator2, TRUE);
}

COLORREF CVrxPVisualManager2007::PaintMenuTitle(CDC* pDC, CRect rect)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, &toolbarBrush);
    const CRect line(rect.left, rect.bottom - 2, rect.right + 2, rect.bottom);
    pDC->Draw3dRect(&line, globals.colorBarShade, globals.colorBarLightEdge);
    return globals.colorBarText;
}

void CVrxPVisualManager2007::PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    if (!IsStyleInForce() || m_imgToolbarTear.GetCount() == 0)
    {
        CVrxPVisualManager2003::PaintTearOffCaption(pDC, rect, bHighlighted);
        return;
    }
    pDC->FillRect(&rect, &toolbarBrush);
    if (bHighlighted)
        m_rndMenuHighlighted[0].Draw(pDC, rect);
    m_imgToolbarTear.DrawFitted(pDC, rect, 0, 1, 1);
}

void CVrxPVisualManager2007::PaintRarelyUsedBand(CDC* pDC, CRect rect)
{
    if (!IsStyleInForce())
        CVrxPVisualManager2003::PaintRarelyUsedBand(pDC, rect);
    rect.left -= 1;
    rect.right = rect.left + MenuImageColumnWidth();
    pDC->FillRect(&rect, &rarelyUsedBrush);
}

void CVrxPVisualManager2007::PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect,
                                                    COLORREF* pText)
{
    if (!IsStyleInForce())
    {
        CVrxPVisualManager2003::PaintMenuItemHighlight(pDC, pButton, rect, pText);
        return;
    }
    m_rndMenuHighlighted[IsDisabled(pButton) ? 1 : 0].Draw(pDC, rect);
}

COLORREF CVrxPVisualManager2007::QueryMenuItemTextColor(CVrxPToolbarButton* pButton)
{
    if (!IsStyleInForce())
        return CVrxPVisualManager2003::QueryMenuItemTextColor(pButton);
    return m_clrMenuTextHighlighted;
}

COLORREF CVrxPVisualManager2007::QueryHighlightedMenuTextColor(CVrxPPopupMenuBar* pBar, CVrxPToolbarButton* pItem,
                                                               BOOL bDisabled)
{
    if (!IsStyleInForce())
        return CVrxPVisualManager2003::QueryHighlightedMenuTextColor(pBar, pItem, bDisabled);
    return bDisabled ? m_clrMenuTextDisabled : m_clrMenuTextNormal;
}

void CVrxPVisualManager2007::PaintMenuCheckMark(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect,
                                                BOOL bHighlighted, BOOL bRadio)
{
    CVrxPToolbarImageList& images = bRadio ? m_imgMenuItemRadio : m_imgMenuItemCheck;
    if (!IsStyleInForce() || images.GetCount() == 0)
    {
        CVrxPVisualManager2003::PaintMenuCheckMark(pDC, pButton, rect, bHighlighted, bRadio);
        return;
    }
    images.DrawFitted(pDC, rect, IsDisabled(pButton) && images.GetCount() > 1 ? 1 : 0, 1, 1);
}

void CVrxPVisualManager2007::PaintSplitMenuSeparator(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect,
                                                     BOOL bHighlighted, BOOL bIgnored)
{
    if (!IsStyleInForce() || !m_rndMenuButtonBorder.HasImages())
    {
        CVrxPVisualManager2003::PaintSplitMenuSeparator(pDC, pButton, rect, bHighlighted, bIgnored);
        return;
    }
    CRect strip(rect.left - 1, rect.top + 1, rect.left + 1, rect.bottom - 1);
    if (bHighlighted)
    {
        m_rndMenuButtonBorder.Draw(pDC, strip);
        return;
    }
    strip.right = strip.left + 1;
    strip.DeflateRect(0, 3);
    pDC->FillSolidRect(&strip, VrxPGlobals().colorShade);
}

void CVrxPVisualManager2007::PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo)
{
    CVrxPToolbarImageList& icon = bWidthToo ? m_imgPopupResizeIconHV : m_imgPopupResizeIconV;
    if (!IsStyleInForce() || !m_rndPopupResizeBarBack.HasImages() || icon.GetStrip() == NULL)
    {
        CVrxPVisualManager2003::PaintMenuResizeGripper(pDC, rect, bWidthToo);
        return;
    }
    m_rndPopupResizeBarBack.Draw(pDC, rect);
    const int nAlign = bWidthToo ? 2 : 1;
    icon.DrawFitted(pDC, rect, 0, nAlign, nAlign);
}

int CVrxPVisualManager2007::QueryShowAllButtonHeight(int nIgnored1, int nIgnored2)
{
    if (!IsStyleInForce() || !m_rndMenuItemShowAll.HasImages())
        return CVrxPVisualManager2003::QueryShowAllButtonHeight(nIgnored1, nIgnored2);
    const RECT& part = m_rndMenuItemShowAll.GetInfo().partRect;
    return part.bottom - part.top + 6;
}

void CVrxPVisualManager2007::PaintShowAllButton(CDC* pDC, CRect rect, int nState)
{
    if (!IsStyleInForce() || !m_rndMenuItemShowAll.HasImages())
    {
        CVrxPVisualManager2003::PaintShowAllButton(pDC, rect, nState);
        return;
    }
    m_rndMenuItemShowAll.DrawImage(pDC, rect, 1, 1, nState == 2 ? 1 : 0);
}

COLORREF CVrxPVisualManager2007::QueryStatusPaneTextColor(CVrxPStatusBar* pBar, const CVrxPStatusPaneInfo* pPane)
{
    if (!IsStyleInForce() || pPane == nullptr)
        return CVrxPVisualManager2003::QueryStatusPaneTextColor(pBar, pPane);
    if ((pPane->style & CVrxPStatusPaneInfo::styleDisabled) != 0)
        return m_clrStatusTextDisabled;
    return pPane->textColor == static_cast<COLORREF>(-1) ? m_clrStatusTextNormal : pPane->textColor;
}

void CVrxPVisualManager2007::PaintSizeGrip(CDC* pDC, CVrxPStatusBar* pBar, CRect rect)
{
    if (!IsStyleInForce() || m_imgStatusSizeBox.GetCount() == 0)
    {
        CVrxPVisualManager2003::PaintSizeGrip(pDC, pBar, rect);
        return;
    }
    m_imgStatusSizeBox.DrawFitted(pDC, rect, 0, 2, 2);
}

COLORREF CVrxPVisualManager2007::QueryDisabledTextColor()
{
    return m_clrToolbarTextDisabled;
}

BOOL CVrxPVisualManager2007::TracksHotTabAlways()
{
    return IsStyleInForce();
}

// A label colour the style never gave is no colour at all (-1), so that
// the tab keeps its own rather than taking the placeholder as a colour.
COLORREF CVrxPVisualManager2007::QueryTabTextColor(CVrxPBaseTabWnd*, int, BOOL bActive)
{
    const COLORREF color = bActive ? m_clrTabTextActive : m_clrTabTextInactive;
    return color == noColor ? static_cast<COLORREF>(-1) : color;
}
