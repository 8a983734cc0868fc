// Pre-translation and the modal message loop of CWnd.

#include "windows/CWnd.h"

#include "app/CWinThread.h"

namespace
{
// The caret's blink timer: comes all the time without anything changing.
const UINT WM_SYSTIMER = 0x0118;

// One message through the thread's own pump (pre-translation included), or
// through an equivalent one on a thread without a CWinThread. FALSE on WM_QUIT.
BOOL PumpOneMessage(MSG& msg)
{
    if (CWinThread* pThread = AfxGetThread())
    {
        BOOL bMore = pThread->PumpMessage();
        msg = pThread->m_msgCur;
        return bMore;
    }
    if (::GetMessage(&msg, NULL, 0, 0) <= 0)
        return FALSE;
    if (!AfxWalkPreTranslateTree(NULL, &msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

BOOL StartsIdleWork(MSG& msg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->IsIdleMessage(&msg);
    return msg.message != WM_PAINT && msg.message != WM_SYSTIMER;
}
} // namespace

BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    BOOL bKey = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    BOOL bMouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    if (!bKey && !bMouse)
        return FALSE;
    if (bMouse && lpMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, lpMsg->hwnd))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    HWND hWnd = m_hWnd;
    HWND hWndParent = ::GetParent(hWnd);
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg = {};
    for (;;)
    {
        while (bIdle && !::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !::SendMessage(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            if (!::IsWindow(hWnd) || !ContinueModal())
                return EndRunModalLoop();
        }
        do
        {
            if (!PumpOneMessage(msg))
            {
                // The outer loop ends the program: it needs the WM_QUIT too.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                m_nModalResult = -1;
                return EndRunModalLoop();
            }
            if (bShowIdle && (msg.message == WM_SYSTIMER || msg.message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!::IsWindow(hWnd) || !ContinueModal())
                return EndRunModalLoop();
            if (StartsIdleWork(msg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE));
    }
}

int CWnd::EndRunModalLoop()
{
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // Wakes the loop up should it be waiting for a message.
        ::PostMessage(m_hWnd, WM_NULL, 0, 0);
    }
}
