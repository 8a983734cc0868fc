#include "frames/CFrameWnd.h"

#include "frames/CDockState.h"

// The frame's layout: bars first, each taking a strip from the client
// area through WM_SIZEPARENT, then the pane in what is left.

namespace
{
// Bars usually number a handful; DeferWindowPos grows the list as needed.
const int kDeferredWindows = 8;
} // namespace

CRect CFrameWnd::LayoutBars(const CRect& rectClient, BOOL bMove)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.rect = rectClient;
    layout.bStretch = TRUE;
    layout.hDWP = bMove ? ::BeginDeferWindowPos(kDeferredWindows) : NULL;

    HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        // Only windows of the framework know the message.
        if (hWndChild != hWndPane && CWnd::FromHandlePermanent(hWndChild) != nullptr)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (bMove && hWndPane != NULL)
    {
        CRect rectPane = layout.rect;
        rectPane.left += m_rectBorder.left;
        rectPane.top += m_rectBorder.top;
        rectPane.right -= m_rectBorder.right;
        rectPane.bottom -= m_rectBorder.bottom;
        CWnd::FromHandle(hWndPane)->CalcWindowRect(&rectPane, adjustBorder);
        if (layout.hDWP != NULL)
            layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndPane, NULL, rectPane.left, rectPane.top,
                                           rectPane.Width(), rectPane.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
    return CRect(layout.rect);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    CRect rectClient;
    GetClientRect(&rectClient);
    LayoutBars(rectClient, TRUE);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd)
    {
    case borderGet:
    {
        CRect rectClient;
        GetClientRect(&rectClient);
        *lpRectBorder = LayoutBars(rectClient, FALSE);
        return TRUE;
    }
    case borderRequest:
    {
        if (lpRectBorder == NULL)
            return FALSE;
        CRect rectFree;
        NegotiateBorderSpace(borderGet, &rectFree);
        return rectFree.Width() - lpRectBorder->left - lpRectBorder->right >= 0 &&
               rectFree.Height() - lpRectBorder->top - lpRectBorder->bottom >= 0;
    }
    case borderSet:
    {
        CRect rectNew = lpRectBorder != NULL ? CRect(*lpRectBorder) : CRect();
        if (rectNew != m_rectBorder)
        {
            m_rectBorder = rectNew;
            RecalcLayout();
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    // Without a window the walk below would list the desktop's windows.
    if (m_hWnd == NULL)
        return;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        const UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (nID >= AFX_IDW_CONTROLBAR_FIRST && nID <= AFX_IDW_CONTROLBAR_LAST &&
            CWnd::FromHandlePermanent(hWndChild) != nullptr)
        {
            const BOOL bVisible = (::GetWindowLong(hWndChild, GWL_STYLE) & WS_VISIBLE) != 0;
            state.m_arrBarInfo.Add(CDockState::BarInfo{nID, bVisible});
        }
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    if (m_hWnd == NULL)
        return;
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i)
    {
        const CDockState::BarInfo& info = state.m_arrBarInfo[i];
        HWND hWndBar = ::GetDlgItem(m_hWnd, static_cast<int>(info.nBarID));
        if (hWndBar != NULL && CWnd::FromHandlePermanent(hWndBar) != nullptr)
            ::ShowWindow(hWndBar, info.bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    RecalcLayout();
}
