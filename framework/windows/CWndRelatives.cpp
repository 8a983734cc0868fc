// How a window finds its frames, owners and descendants, and places itself
// among them.

#include "windows/CWnd.h"

#include "app/CWinThread.h"

#include <deque>

namespace
{
// A child's parent; a top-level window's owner.
HWND ParentOrOwner(HWND hWnd)
{
    if (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}
} // namespace

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == NULL)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent())
    {
        if (pParent->IsFrameWnd())
            return reinterpret_cast<CFrameWnd*>(pParent);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == NULL)
        return nullptr;
    CWnd* pFrame = const_cast<CWnd*>(this);
    if (!pFrame->IsFrameWnd())
        pFrame = reinterpret_cast<CWnd*>(GetParentFrame());
    while (pFrame != nullptr)
    {
        CWnd* pParentFrame = reinterpret_cast<CWnd*>(pFrame->GetParentFrame());
        if (pParentFrame == nullptr)
            break;
        pFrame = pParentFrame;
    }
    return reinterpret_cast<CFrameWnd*>(pFrame);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == NULL)
        return nullptr;
    HWND hWndTop = m_hWnd;
    for (HWND hWnd = ::GetParent(hWndTop); hWnd != NULL; hWnd = ::GetParent(hWndTop))
        hWndTop = hWnd;
    return FromHandle(hWndTop);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == NULL)
        return nullptr;
    HWND hWndTop = m_hWnd;
    for (HWND hWnd = ParentOrOwner(hWndTop); hWnd != NULL; hWnd = ParentOrOwner(hWndTop))
        hWndTop = hWnd;
    return FromHandle(hWndTop);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_hWndOwner = AfxGetSafeHwnd(pOwnerWnd);
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = AfxGetSafeHwnd(pParent);
    if (hWnd == NULL)
        hWnd = AfxGetSafeHwnd(AfxGetMainWnd());
    // A popup cannot be owned by a child window.
    while (hWnd != NULL && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    for (HWND hWndUp = hWnd != NULL ? ::GetParent(hWnd) : NULL; hWndUp != NULL; hWndUp = ::GetParent(hWndUp))
        hWndTop = hWndUp;
    // Without an explicit parent the dialog the main window is showing owns
    // the new one.
    if (pParent == nullptr && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != NULL)
    {
        *pWndTop = NULL;
        if (hWndTop != NULL && hWndTop != hWnd && ::IsWindowEnabled(hWndTop))
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
    }
    return FromHandle(hWnd);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = AfxGetSafeHwnd(pAlternateOwner);
    if (pAlternateOwner == nullptr)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            HWND hWndAlternate = reinterpret_cast<HWND>(::SendMessage(hWndCenter, WM_QUERYCENTERWND, 0, 0));
            if (hWndAlternate != NULL)
                hWndCenter = hWndAlternate;
        }
    }

    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (dwStyle & WS_CHILD)
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        ::GetClientRect(hWndCenter != NULL ? hWndCenter : hWndParent, &rcCenter);
        ::MapWindowPoints(hWndCenter != NULL ? hWndCenter : hWndParent, hWndParent,
                          reinterpret_cast<LPPOINT>(&rcCenter), 2);
    }
    else
    {
        // A hidden or minimised owner gives no useful place: centre on the screen.
        if (hWndCenter != NULL)
        {
            DWORD dwCenterStyle = static_cast<DWORD>(::GetWindowLong(hWndCenter, GWL_STYLE));
            if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE))
                hWndCenter = NULL;
        }
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        HMONITOR hMonitor = ::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        ::GetMonitorInfo(hMonitor, &info);
        rcArea = info.rcWork;
        if (hWndCenter != NULL)
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }

    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    SetWindowPos(nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (!bOnlyPerm)
            ::SendMessage(hWndChild, message, wParam, lParam);
        else if (CWnd* pChild = FromHandlePermanent(hWndChild))
            AfxCallWndProc(pChild, hWndChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    std::deque<HWND> pending;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
        pending.push_back(hWndChild);
    while (!pending.empty())
    {
        HWND hWnd = pending.front();
        pending.pop_front();
        if (::GetDlgCtrlID(hWnd) == nID)
        {
            CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWnd) : FromHandle(hWnd);
            if (pWnd != nullptr)
                return pWnd;
        }
        for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
            pending.push_back(hWndChild);
    }
    return nullptr;
}
