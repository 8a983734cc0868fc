#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "frames/CFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPControlBar, CVrxPBaseControlBar)

namespace
{
int Along(const CRect& rect, BOOL bHorizontal)
{
    return bHorizontal ? rect.Width() : rect.Height();
}
} // namespace

BOOL CVrxPControlBar::CanDockToSite(const CVrxPBaseControlBar* pSite) const
{
    return pSite != nullptr && (pSite->GetAlignment() & GetAllowedDocking()) != 0;
}

CRect CVrxPControlBar::WindowRectInParent() const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectWindow);
    return rectWindow;
}

int CVrxPControlBar::GetMissingLength() const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const BOOL bHorizontal = IsAlignedHorizontally();
    return std::max(0, Along(savedRect, bHorizontal) - Along(rectWindow, bHorizontal));
}

int CVrxPControlBar::GetSpareLength() const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const BOOL bHorizontal = IsAlignedHorizontally();
    const CSize minimum = GetMinimumSize();
    return Along(rectWindow, bHorizontal) - static_cast<int>(bHorizontal ? minimum.cx : minimum.cy);
}

// A bar already below its minimum gives nothing more.
int CVrxPControlBar::StretchBy(int nDelta)
{
    int nApplied = 0;
    if (nDelta > 0)
    {
        const int nMissing = GetMissingLength();
        if (nMissing == 0)
            return 0;
        nApplied = std::min(nDelta, nMissing);
    }
    else if (nDelta < 0)
    {
        nApplied = std::max(nDelta, -std::max(0, GetSpareLength()));
    }
    if (nApplied == 0)
        return 0;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (IsAlignedHorizontally())
        rectWindow.right += nApplied;
    else
        rectWindow.bottom += nApplied;
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectWindow);
    MoveBarWindow(rectWindow, TRUE, NULL);
    return nApplied;
}

CSize CVrxPControlBar::ResizeToRect(const CRect& rectScreen, BOOL bNoMinimum)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectNew = rectScreen;
    if (!bNoMinimum)
    {
        const CSize minimum = GetMinimumSize();
        if (rectNew.Width() < minimum.cx)
        {
            if (rectNew.left != rectWindow.left && rectNew.right == rectWindow.right)
                rectNew.left = rectWindow.right - minimum.cx;
            else
                rectNew.right = rectWindow.left + minimum.cx;
        }
        if (rectNew.Height() < minimum.cy)
        {
            if (rectNew.top != rectWindow.top && rectNew.bottom == rectWindow.bottom)
                rectNew.top = rectWindow.bottom - minimum.cy;
            else
                rectNew.bottom = rectWindow.top + minimum.cy;
        }
    }
    const CSize change(rectNew.Width() - rectWindow.Width(), rectNew.Height() - rectWindow.Height());
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectNew);
    MoveBarWindow(rectNew, TRUE, NULL);
    return change;
}

CSize CVrxPControlBar::GetSizeChange(const CRect& rectScreen) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CSize minimum = GetMinimumSize();
    return CSize(std::max(rectScreen.right, rectScreen.left + minimum.cx) - rectScreen.left - rectWindow.Width(),
                 std::max(rectScreen.bottom, rectScreen.top + minimum.cy) - rectScreen.top - rectWindow.Height());
}

void CVrxPControlBar::UpdateBarSize(BOOL bRelayout)
{
    const CSize size = CalcBarSize(FALSE, IsAlignedHorizontally());
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (rectWindow.Size() != size)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (dockSite == nullptr)
        return;
    RecomputeLayoutRect();
    if (!bRelayout || dockRow == nullptr)
        return;
    dockRow->RepositionBars(this);
    RequestHostLayout(NULL);
}

BOOL CVrxPControlBar::Create(LPCTSTR lpszClassName, DWORD dwStyle, const CRect& rectWindow, CWnd* pParentWnd,
                             UINT nID, DWORD dwBarFlags, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, dwStyle, rectWindow, pParentWnd, nID, dwBarFlags, pContext);
}

BOOL CVrxPControlBar::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle, const CRect& rectWindow,
                               CWnd* pParentWnd, UINT nID, DWORD dwBarFlags, CCreateContext* pContext)
{
    CString className = lpszClassName != nullptr ? CString(lpszClassName) : VrxPMakeWindowClass("VrxPControlBar");
    controlId = static_cast<int>(nID);
    if (!CreateBarWindow(dwExStyle, className, nullptr, dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rectWindow,
                         pParentWnd, nID, dwBarFlags, pContext))
        return FALSE;
    CRect rectScreen = rectWindow;
    if (pParentWnd != nullptr)
        pParentWnd->ClientToScreen(&rectScreen);
    // The docked place stays empty until the bar docks: it is kept in the
    // dock bar's coordinates, which a screen rectangle is not.
    if (!rectScreen.IsRectEmpty())
        history.recentFloatRect = rectScreen;
    SetOwner(pParentWnd);
    RecomputeLayoutRect();
    return TRUE;
}

void CVrxPControlBar::ApplyBorderInsets(CRect& rectClient, BOOL bHorizontal) const
{
    const DWORD dwStyle = GetBarStyle();
    if ((dwStyle & styleFloating) == 0)
    {
        if (dwStyle & borderLeft)
            rectClient.left += 1;
        if (dwStyle & borderTop)
            rectClient.top += 1;
        if (dwStyle & borderRight)
            rectClient.right -= 1;
        if (dwStyle & borderBottom)
            rectClient.bottom -= 1;
    }
    if (bHorizontal)
    {
        rectClient.DeflateRect(leftMargin, topMargin, rightMargin, bottomMargin);
    }
    else
    {
        rectClient.DeflateRect(topMargin, leftMargin, bottomMargin, rightMargin);
    }
    if ((dwStyle & styleGripper) == 0 || (dwStyle & styleFloating) != 0)
        return;
    if (!bHorizontal)
        rectClient.top += gripperSize;
    else if (m_hWnd != NULL && (GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        rectClient.right -= gripperSize;
    else
        rectClient.left += gripperSize;
}

void CVrxPControlBar::SetBorderInsets(int nLeft, int nTop, int nRight, int nBottom)
{
    leftMargin = nLeft;
    topMargin = nTop;
    rightMargin = nRight;
    bottomMargin = nBottom;
}

void CVrxPControlBar::RecomputeLayoutRect()
{
    if (m_hWnd == NULL)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CSize size = CalcBarSize(FALSE, IsAlignedHorizontally());
    savedRect.SetRect(rectWindow.left, rectWindow.top, rectWindow.left + size.cx, rectWindow.top + size.cy);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&savedRect);
}

void CVrxPControlBar::SetLayoutRectSize(int cx, int cy)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    savedRect.SetRect(rectWindow.left, rectWindow.top, rectWindow.left + cx, rectWindow.top + cy);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&savedRect);
}

void CVrxPControlBar::OffsetSavedRect(int dx, int dy)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && (pParent->GetExStyle() & WS_EX_LAYOUTRTL) != 0 && IsAlignedHorizontally())
        dx = -dx;
    savedRect.OffsetRect(dx, dy);
}

CRect CVrxPControlBar::GetSavedRectScreen() const
{
    CRect rectScreen = savedRect;
    if (CWnd* pParent = GetParent())
        pParent->ClientToScreen(&rectScreen);
    return rectScreen;
}

void CVrxPControlBar::SyncLayoutRect()
{
    if (dockRow != nullptr)
        RecomputeLayoutRect();
}

BOOL CVrxPControlBar::IsPointBefore(CPoint point, BOOL bScreen) const
{
    if (dockSite == nullptr)
        return TRUE;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (!bScreen)
        dockSite->ScreenToClient(&rectWindow);
    return dockSite->IsAlignedHorizontally() ? point.x < rectWindow.left : point.y < rectWindow.top;
}

void CVrxPControlBar::MoveAcross(DWORD dwAlignment, int nDelta)
{
    const BOOL bSideways = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
    const int dx = bSideways ? nDelta : 0;
    const int dy = bSideways ? 0 : nDelta;
    const CRect rectWindow = WindowRectInParent();
    OffsetSavedRect(dx, dy);
    PositionBar(nullptr, rectWindow.left + dx, rectWindow.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE,
                NULL);
}

void CVrxPControlBar::RememberDockedRect()
{
    if (m_hWnd == NULL)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CWnd* pReference = dockSite != nullptr ? static_cast<CWnd*>(dockSite) : static_cast<CWnd*>(GetHostFrame());
    if (pReference != nullptr && pReference->GetSafeHwnd() != NULL)
        pReference->ScreenToClient(&rectWindow);
    history.recentDockedRect = rectWindow;
}

void CVrxPControlBar::CopyStateFrom(const CVrxPBaseControlBar& bar)
{
    CVrxPBaseControlBar::CopyStateFrom(bar);
    const CVrxPControlBar* pOther = dynamic_cast<const CVrxPControlBar*>(&bar);
    if (pOther == nullptr)
        return;
    firstInGroup = pOther->firstInGroup;
    lastInGroup = pOther->lastInGroup;
    activeInGroup = pOther->activeInGroup;
    minimumSize = pOther->GetMinimumSize();
    history = pOther->history;
    restoredDockedRect = pOther->restoredDockedRect;
    restoredFloating = pOther->restoredFloating;
}
