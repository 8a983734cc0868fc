#include "panes/navigation/CVrxPOutlookWnd.h"

#include "app/CCmdUI.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "gdi/CPen.h"
#include "panes/navigation/CVrxPOutlookBar.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPOutlookWnd, CVrxPBaseTabWnd)

BEGIN_MESSAGE_MAP(CVrxPOutlookWnd, CVrxPBaseTabWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_COMMAND_RANGE(CVrxPOutlookWnd::idShowMoreButtons, CVrxPOutlookWnd::idShowFewerButtons, OnStackCommand)
    ON_UPDATE_COMMAND_UI_RANGE(CVrxPOutlookWnd::idShowMoreButtons, CVrxPOutlookWnd::idShowFewerButtons,
                               OnUpdateStackCommand)
END_MESSAGE_MAP()

namespace
{
// The tab windows' vertical text margin.
constexpr int captionTextMargin = 4;
constexpr int gripperWidth = 11;
} // namespace

CVrxPOutlookWnd::CVrxPOutlookWnd()
{
    allowDragReorder = FALSE;
}

BOOL CVrxPOutlookWnd::Create(const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    const CString className = VrxPMakeWindowClass("VrxPOutlookWnd");
    if (!CWnd::Create(className, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    RecalcTabHeight();
    return TRUE;
}

CVrxPOutlookBar* CVrxPOutlookWnd::OutlookBar() const
{
    return dynamic_cast<CVrxPOutlookBar*>(GetParent());
}

BOOL CVrxPOutlookWnd::IsIn2003Mode() const
{
    const CVrxPOutlookBar* pBar = OutlookBar();
    return pBar != nullptr && pBar->Mode2003;
}

void CVrxPOutlookWnd::RecalcTabHeight()
{
    CVrxPBaseTabWnd::RecalcTabHeight();
}

int CVrxPOutlookWnd::IconRowHeight() const
{
    if (!IsIn2003Mode())
        return 0;
    return (imageSize.cy == 0 ? 16 : imageSize.cy) + 12;
}

void CVrxPOutlookWnd::ArrangeTabs()
{
    const int H = TabAreaHeight();
    if (GetSafeHwnd() == NULL || H == 0)
        return;
    const BOOL b2003 = IsIn2003Mode();
    const int V = CountVisibleTabs();
    const int T = IconRowHeight();

    CRect R;
    GetClientRect(&R);
    R.DeflateRect(borderWidth + 1, borderWidth + 1);
    pageRect = R;
    iconRowRect.SetRectEmpty();
    int y = R.top;
    if (b2003)
    {
        if (shownButtons < 0 || shownButtons > V)
            shownButtons = V;
        maxShownButtons = std::min(std::max(static_cast<int>((R.bottom - H - R.top - T) / (2 * H)), 0), V);
        const int n = std::min(maxShownButtons, shownButtons);
        captionRect = CRect(R.left, R.top + 3, R.right, R.top + 2 * captionTextMargin + VrxPGlobals().textHeight);
        splitterRect = CRect(R.left, R.bottom - (H * n + T) - splitterHeight, R.right, R.bottom - (H * n + T));
        pageRect.top = captionRect.bottom;
        pageRect.bottom = splitterRect.top;
        y = splitterRect.bottom;
        iconRowRect = CRect(R.left, R.bottom - T, R.right, R.bottom);
    }
    else
    {
        captionRect.SetRectEmpty();
        splitterRect.SetRectEmpty();
        if (V > 1 || !HidesSingleTab())
            pageRect.DeflateRect(0, 1);
    }

    if (V > 1 || !HidesSingleTab())
    {
        for (int i = 0; i < CountTabs(); i++)
        {
            Tab& tab = tabs[static_cast<size_t>(i)];
            tab.rect = CRect(R.left, y, R.right + 1, y + H);
            if (b2003 && tab.rect.top >= R.bottom - T)
                tab.rect.SetRectEmpty();
            if (!tab.visible)
            {
                tab.rect.SetRectEmpty();
                continue;
            }
            if (!b2003 && i == activeTab)
            {
                pageRect.top = tab.rect.bottom;
                int nAfter = 0;
                for (int j = i + 1; j < CountTabs(); j++)
                    nAfter += tabs[static_cast<size_t>(j)].visible ? 1 : 0;
                pageRect.bottom = R.bottom - H * nAfter;
                y = R.bottom - H * nAfter + 1;
            }
            else
            {
                y += H;
            }
        }
    }
    else
    {
        for (Tab& tab : tabs)
            tab.rect.SetRectEmpty();
    }

    for (Tab& tab : tabs)
        if (tab.visible && tab.window != nullptr && tab.window->GetSafeHwnd() != NULL)
            tab.window->SetWindowPos(nullptr, pageRect.left, pageRect.top, pageRect.Width(), pageRect.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);

    if (!b2003 && V == 0)
    {
        ShowWindow(SW_HIDE);
        if (CWnd* pParent = GetParent())
            pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

BOOL CVrxPOutlookWnd::ActivateTab(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    if (nIndex == activeTab)
        return TRUE;
    const BOOL bHadActive = activeTab >= 0;
    if (!CVrxPBaseTabWnd::ActivateTab(nIndex))
        return FALSE;
    CWnd* pNew = ActiveTabWindow();
    if (pNew == nullptr || pNew->GetSafeHwnd() == NULL)
        return FALSE;
    ArrangeTabs();
    pNew->BringWindowToTop();
    // The page gets a size change every time it is shown.
    pNew->SetWindowPos(nullptr, 0, 0, pageRect.Width() + 1, pageRect.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pNew->SetWindowPos(nullptr, 0, 0, pageRect.Width(), pageRect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CVrxPOutlookBar* pBar = OutlookBar())
    {
        pBar->OnPageActivated(nIndex);
        if (pBar->ShowsActiveLabelAsCaption())
        {
            pBar->SetWindowText(tabs[static_cast<size_t>(nIndex)].label);
            pBar->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (bHadActive && GetFocus() != nullptr && IsChild(GetFocus()))
        pNew->SetFocus();
    return TRUE;
}

void CVrxPOutlookWnd::RelayoutFromCommand()
{
    layoutFromCommand = TRUE;
    ArrangeTabs();
    layoutFromCommand = FALSE;
}

void CVrxPOutlookWnd::GrowButtonStack()
{
    if (!CanGrowButtonStack())
        return;
    shownButtons++;
    RelayoutFromCommand();
}

void CVrxPOutlookWnd::ShrinkButtonStack()
{
    if (!CanShrinkButtonStack())
        return;
    shownButtons--;
    RelayoutFromCommand();
}

void CVrxPOutlookWnd::GetTabAreaRects(CRect& rectUpper, CRect& rectLower) const
{
    rectUpper.SetRectEmpty();
    rectLower.SetRectEmpty();
    for (int i = 0; i < CountTabs(); i++)
    {
        const CRect& rect = tabs[static_cast<size_t>(i)].rect;
        if (i == 0)
            rectUpper = rect;
        else if (rect.top == rectUpper.bottom)
            rectUpper.bottom += rect.Height();
        else if (rectLower.IsRectNull())
            rectLower = rect;
        else
            rectLower.bottom += rect.Height();
    }
}

BOOL CVrxPOutlookWnd::IsPtInTabArea(CPoint point) const
{
    CRect rectUpper;
    CRect rectLower;
    GetTabAreaRects(rectUpper, rectLower);
    return rectUpper.PtInRect(point) || rectLower.PtInRect(point);
}

BOOL CVrxPOutlookWnd::IsTabDetachable(int nIndex) const
{
    return !IsIn2003Mode() && IsValidIndex(nIndex) && TabAt(nIndex)->detachable;
}

CFont* CVrxPOutlookWnd::PageFont() const
{
    const CVrxPOutlookBar* pBar = OutlookBar();
    if (pBar != nullptr && pBar->PageFont != nullptr)
        return pBar->PageFont;
    return &VrxPGlobals().fontRegular;
}

void CVrxPOutlookWnd::DrawPageButton(CDC& dc, int nIndex)
{
    const Tab& tab = tabs[static_cast<size_t>(nIndex)];
    if (tab.rect.IsRectEmpty())
        return;
    const BOOL b2003 = IsIn2003Mode();
    CRect rect = tab.rect;
    BOOL bHot = nIndex == hotPage;
    BOOL bPressed = nIndex == pressedPage && bHot;
    if (b2003 && nIndex == activeTab)
    {
        bPressed = bHot;
        bHot = TRUE;
    }
    COLORREF textColor = VrxPGlobals().colorButtonText;
    CVrxPVisualManager::Instance()->PaintPushButtonFace(&dc, &rect, bHot, bPressed, &textColor);
    CVrxPVisualManager::Instance()->PaintPushButtonFrame(&dc, &rect, bHot, bPressed);

    const BOOL bHasImage = tab.image >= 0 || tab.icon != NULL;
    const int nImageWidth = bHasImage ? imageSize.cx : 0;
    if (bHasImage && rect.Width() >= 4 + nImageWidth)
    {
        const int nTop = rect.top + (rect.Height() - imageSize.cy) / 2;
        if (tab.icon != NULL)
            dc.DrawState(CPoint(rect.left + 4, nTop), imageSize, tab.icon, DST_ICON | DSS_NORMAL, static_cast<HBRUSH>(NULL));
        else if (images != nullptr)
            images->Draw(&dc, tab.image, CPoint(rect.left + 4, nTop), ILD_TRANSPARENT);
    }
    dc.SetTextColor(textColor);
    CRect rectLabel = rect;
    const BOOL bGripper = !b2003 && tab.detachable;
    if (bGripper)
        rectLabel.right -= gripperWidth;
    rectLabel.left += nImageWidth + 8;
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (b2003 || pageTextAlign == TA_LEFT)
        nFormat |= DT_LEFT;
    else if (pageTextAlign == TA_RIGHT)
        nFormat |= DT_RIGHT;
    else
        nFormat |= DT_CENTER;
    CString label = tab.label;
    dc.DrawText(label, &rectLabel, nFormat);
    if (bGripper)
    {
        CRect rectGripper(rectLabel.right, rect.top, rect.right, rect.bottom);
        rectGripper.DeflateRect(4, 2);
        CVrxPVisualManager::Instance()->PaintBarGripper(&dc, rectGripper, TRUE, nullptr);
    }
}

void CVrxPOutlookWnd::OnSize(UINT nType, int cx, int cy)
{
    CVrxPBaseTabWnd::OnSize(nType, cx, cy);
    ArrangeTabs();
}

void CVrxPOutlookWnd::OnPaint()
{
    CPaintDC paintDC(this);
    CVrxPMemoryDC memory(paintDC, this);
    CDC& dc = memory.GetDC();
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rect;
    GetClientRect(&rect);
    dc.FillRect(&rect, &globals.brushFace);
    rect.DeflateRect(borderWidth, borderWidth);
    dc.Draw3dRect(&rect, globals.colorShade, globals.colorShade);
    CPen pen(PS_SOLID, 1, globals.colorShade);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(pageRect.left - 1, pageRect.bottom);
    dc.LineTo(pageRect.right + 1, pageRect.bottom);
    dc.SelectObject(pOldPen);

    CFont* pOldFont = dc.SelectObject(PageFont());
    dc.SetBkMode(TRANSPARENT);
    if (CountVisibleTabs() > 1 || !HidesSingleTab())
        for (int i = 0; i < CountTabs(); i++)
            DrawPageButton(dc, i);
    if (!captionRect.IsRectEmpty())
    {
        CRect rectStrip(captionRect.left, captionRect.top - 5, captionRect.right + 1, captionRect.top);
        dc.FillRect(&rectStrip, &globals.brushFace);
        COLORREF textColor = globals.colorButtonText;
        CVrxPVisualManager::Instance()->PaintOutlookPageCaption(&dc, captionRect, &textColor);
        dc.SetTextColor(textColor);
        CString label;
        if (TabLabelAt(activeTab, label))
        {
            CRect rectText = captionRect;
            rectText.DeflateRect(4, 0);
            dc.DrawText(label, &rectText, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        }
    }
    if (!splitterRect.IsRectEmpty())
        CVrxPVisualManager::Instance()->PaintOutlookPageButton(&dc, splitterRect);
    if (!iconRowRect.IsRectEmpty())
        CVrxPVisualManager::Instance()->PaintBarBackground(&dc, this, iconRowRect, iconRowRect, FALSE);
    dc.SelectObject(pOldFont);
}

BOOL CVrxPOutlookWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (splitterRect.PtInRect(point))
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
        return TRUE;
    }
    if (TabIndexFromPoint(point) >= 0 && VrxPGlobals().cursorHand != NULL)
    {
        ::SetCursor(VrxPGlobals().cursorHand);
        return TRUE;
    }
    return CVrxPBaseTabWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Page buttons are push buttons: the page changes on release over the
// button that was pressed.
void CVrxPOutlookWnd::OnLButtonDown(UINT, CPoint point)
{
    if (IsIn2003Mode() && splitterRect.PtInRect(point))
    {
        splitterDrag = TRUE;
        SetCapture();
        return;
    }
    const int nIndex = TabIndexFromPoint(point);
    if (nIndex < 0)
        return;
    pressedPage = nIndex;
    hotPage = nIndex;
    SetCapture();
    RedrawWindow(&tabs[static_cast<size_t>(nIndex)].rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// A quick second click is a second press, unless it renames the active page.
void CVrxPOutlookWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsRenameEnabled() && TabIndexFromPoint(point) == activeTab)
        CVrxPBaseTabWnd::OnLButtonDblClk(nFlags, point);
    else
        OnLButtonDown(nFlags, point);
}

void CVrxPOutlookWnd::OnMouseMove(UINT, CPoint point)
{
    if (splitterDrag)
    {
        const int H = TabAreaHeight();
        if (H == 0 || shownButtons == -1)
            return;
        const int d = (splitterRect.top - point.y) / H;
        if (d == 0)
            return;
        const int nCount = std::clamp(shownButtons + d, 0, CountVisibleTabs());
        if (nCount == shownButtons)
            return;
        shownButtons = nCount;
        RelayoutFromCommand();
        CPoint cursor(point.x, splitterRect.CenterPoint().y);
        ClientToScreen(&cursor);
        ::GetCursorPos(&point);
        ::SetCursorPos(point.x, cursor.y);
        return;
    }
    const int nHot = TabIndexFromPoint(point);
    if (nHot == hotPage)
        return;
    hotPage = nHot;
    if (GetCapture() != this)
    {
        if (nHot >= 0)
            SetCapture();
    }
    else if (nHot < 0 && pressedPage < 0)
    {
        ::ReleaseCapture();
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPOutlookWnd::OnLButtonUp(UINT, CPoint point)
{
    if (splitterDrag)
    {
        EndSplitterDrag();
        return;
    }
    const int nPressed = pressedPage;
    pressedPage = -1;
    hotPage = TabIndexFromPoint(point);
    if (hotPage < 0 && GetCapture() == this)
        ::ReleaseCapture();
    if (nPressed >= 0 && nPressed == hotPage)
        ActivateTab(nPressed);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPOutlookWnd::EndSplitterDrag()
{
    splitterDrag = FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CVrxPOutlookWnd::OnCancelMode()
{
    CVrxPBaseTabWnd::OnCancelMode();
    EndSplitterDrag();
    pressedPage = -1;
    hotPage = -1;
}

void CVrxPOutlookWnd::OnStackCommand(UINT nID)
{
    if (nID == idShowMoreButtons)
        GrowButtonStack();
    else if (nID == idShowFewerButtons)
        ShrinkButtonStack();
}

void CVrxPOutlookWnd::OnUpdateStackCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(pCmdUI->m_nID == idShowMoreButtons ? CanGrowButtonStack() : CanShrinkButtonStack());
}
