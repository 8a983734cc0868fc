// Framework tooltips: a window that enabled them shows a tip for the tool
// its OnToolHitTest finds under the mouse, in one tooltip control per thread.

#include "windows/CWnd.h"

#include "app/ResourceChain.h"
#include "windows/ThreadWindowState.h"

#include <cstdlib>

namespace
{
BOOL IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

HWND ThreadToolTip(HWND hWndOwner)
{
    ThreadWindowState& state = AfxGetThreadWindowState();
    if (state.hWndToolTip != NULL && ::IsWindow(state.hWndToolTip))
        return state.hWndToolTip;
    state.hWndToolTip = ::CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, NULL, WS_POPUP | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner,
                                         NULL, AfxGetInstanceHandle(), NULL);
    state.hWndLastHit = NULL;
    state.nLastHit = -1;
    return state.hWndToolTip;
}

void RemoveLastTool(ThreadWindowState& state)
{
    if (state.nLastHit != -1 && state.hWndToolTip != NULL)
        ::SendMessage(state.hWndToolTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&state.lastInfo));
    state.hWndLastHit = NULL;
    state.nLastHit = -1;
}
} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    m_nFlags &= ~WF_TOOLTIPS;
    ThreadWindowState& state = AfxGetThreadWindowState();
    if (state.hWndLastHit == m_hWnd)
        RemoveLastTool(state);
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == NULL || hWndChild == m_hWnd)
        return -1;
    INT_PTR nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nHit;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!IsMouseMessage(pMsg->message) && !(pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST))
        return;
    HWND hWndTip = ThreadToolTip(m_hWnd);
    if (hWndTip == NULL)
        return;
    ThreadWindowState& state = AfxGetThreadWindowState();

    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        TOOLINFO info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        INT_PTR nHit = OnToolHitTest(point, &info);
        if (state.hWndLastHit != m_hWnd || state.nLastHit != nHit)
        {
            RemoveLastTool(state);
            if (nHit != -1)
            {
                info.cbSize = TTTOOLINFOA_V2_SIZE;
                ::SendMessage(hWndTip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
                // A text the hit test made with calloc: the tip has its own copy.
                if (info.lpszText != LPSTR_TEXTCALLBACK && info.lpszText != NULL)
                    std::free(info.lpszText);
                info.lpszText = NULL;
                state.lastInfo = info;
                state.hWndLastHit = m_hWnd;
                state.nLastHit = nHit;
                ::SendMessage(hWndTip, TTM_ACTIVATE, TRUE, 0);
            }
        }
    }
    MSG msgRelay = *pMsg;
    ::SendMessage(hWndTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msgRelay));
}

BOOL CWnd::DefaultToolTipText(NMHDR* pNMHDR)
{
    TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    CString strText;
    if (nID == 0 || nID > 0xFFFF || !strText.LoadString(static_cast<UINT>(nID)))
        return FALSE;
    int nNewline = strText.Find('\n');
    if (nNewline >= 0)
        strText = strText.Mid(nNewline + 1);
    lstrcpynA(pTTT->szText, strText, sizeof(pTTT->szText));
    return TRUE;
}
