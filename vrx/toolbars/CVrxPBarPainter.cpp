#include "toolbars/CVrxPBarPainter.h"

#include "docking/CVrxPControlBar.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>

namespace
{
BOOL IsHorizontalStyle(DWORD dwBarStyle)
{
    return (dwBarStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}
} // namespace

BOOL CVrxPBarPainter::PaintParentBackground(CDC* pDC) const
{
    return VrxPGlobals().PaintParentBackground(m_pBar, pDC, nullptr);
}

RECT* CVrxPBarPainter::AdjustNonClientRect(RECT* pClient) const
{
    CRect border(0, 0, 0, 0);
    const BOOL bHorizontal = m_pBar->IsAlignedHorizontally();
    m_pBar->ApplyBorderInsets(border, bHorizontal);
    const DWORD dwBarStyle = m_pBar->GetBarStyle();
    if (bHorizontal && (m_pBar->GetExStyle() & WS_EX_LAYOUTRTL) != 0 &&
        (dwBarStyle & CVrxPBaseControlBar::styleGripper) != 0 && (dwBarStyle & CVrxPBaseControlBar::styleFloating) == 0)
        border.OffsetRect(-rightToLeftGripperShift, 0);
    pClient->left += border.left;
    pClient->top += border.top;
    pClient->right += border.right;
    pClient->bottom += border.bottom;
    return pClient;
}

void CVrxPBarPainter::GripperRect(RECT* pOut, BOOL bClientCoordinates) const
{
    CRect rect(0, 0, 0, 0);
    if (m_pBar->GetDockSite() != nullptr)
    {
        CRect rectWindow;
        m_pBar->GetWindowRect(&rectWindow);
        CRect rectClient;
        m_pBar->GetClientRect(&rectClient);
        m_pBar->ClientToScreen(&rectClient);
        rect = rectWindow;
        if (!IsHorizontalStyle(m_pBar->GetBarStyle()))
            rect.bottom = std::min(rect.bottom, rectClient.top - 1);
        else if ((m_pBar->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
            rect.left = rectClient.right - 1;
        else
            rect.right = std::min(rect.right, rectClient.left - 1);
        if (bClientCoordinates)
            m_pBar->ScreenToClient(&rect);
        else
            rect.OffsetRect(-rectWindow.left, -rectWindow.top);
    }
    *pOut = rect;
}

void CVrxPBarPainter::PaintNonClient(HRGN hRegion) const
{
    HDC hDC = ::GetWindowDC(m_pBar->GetSafeHwnd());
    if (hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(hDC);
    CRect rectWindow;
    m_pBar->GetWindowRect(&rectWindow);
    CRect rectClient;
    m_pBar->GetClientRect(&rectClient);
    m_pBar->ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    ::ExcludeClipRect(hDC, rectClient.left, rectClient.top, rectClient.right, rectClient.bottom);
    const CPoint origin = rectWindow.TopLeft();
    rectWindow.OffsetRect(-origin.x, -origin.y);

    const BOOL bWholeWindow = hRegion == reinterpret_cast<HRGN>(1) || hRegion == NULL;
    if (!bWholeWindow)
    {
        if ((m_pBar->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        {
            CRect box;
            ::GetRgnBox(hRegion, &box);
            // Mirrored about the window's width into window coordinates.
            const int nLeft = rectWindow.Width() - (box.right - origin.x);
            ::IntersectClipRect(hDC, nLeft, box.top - origin.y, nLeft + box.Width(), box.bottom - origin.y);
        }
        else
        {
            HRGN hCopy = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(hCopy, hRegion, NULL, RGN_COPY);
            ::OffsetRgn(hCopy, -origin.x, -origin.y);
            ::ExtSelectClipRgn(hDC, hCopy, RGN_AND);
            ::DeleteObject(hCopy);
        }
    }
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    CRect rectBorder = rectWindow;
    pLook->PaintBarBorder(pDC, m_pBar, rectBorder);
    ::IntersectClipRect(hDC, rectWindow.left, rectWindow.top, rectWindow.right, rectWindow.bottom);
    pLook->PaintBarBackground(pDC, m_pBar, rectWindow, CRect(0, 0, 0, 0), TRUE);
    const DWORD dwBarStyle = m_pBar->GetBarStyle();
    if ((dwBarStyle & CVrxPBaseControlBar::styleGripper) != 0 && (dwBarStyle & CVrxPBaseControlBar::styleFloating) == 0)
    {
        CRect rectGripper;
        GripperRect(&rectGripper, FALSE);
        pLook->PaintBarGripper(pDC, rectGripper, IsHorizontalStyle(dwBarStyle), m_pBar);
    }
    ::SelectClipRgn(hDC, NULL);
    ::ReleaseDC(m_pBar->GetSafeHwnd(), hDC);
}
