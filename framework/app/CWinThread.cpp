#include "app/CWinThread.h"

#include "app/CModuleState.h"
#include "app/CWindowLayer.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace
{
// The caret blinks through this undocumented system timer message.
const UINT WM_SYSTIMER = 0x0118;
} // namespace

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_nThreadID(0), m_msgCur(), m_ptCursorLast{-1, -1},
      m_nMsgLast(0)
{
}

CWinThread::~CWinThread()
{
    DetachFromCurrentThread();
}

void CWinThread::AttachToCurrentThread()
{
    m_nThreadID = GetCurrentThreadId();
    DWORD dwSlot = CModuleState::Get().m_dwThreadSlot;
    if (dwSlot != TLS_OUT_OF_INDEXES)
        TlsSetValue(dwSlot, this);
}

void CWinThread::DetachFromCurrentThread()
{
    DWORD dwSlot = CModuleState::Get().m_dwThreadSlot;
    if (dwSlot != TLS_OUT_OF_INDEXES && TlsGetValue(dwSlot) == this)
        TlsSetValue(dwSlot, nullptr);
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return TRUE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWindowLayer* pLayer = AfxGetWindowLayer();
    return pLayer != nullptr && pLayer->WalkPreTranslateTree(GetMainWnd(), pMsg);
}

BOOL CWinThread::PumpMessage()
{
    if (GetMessage(&m_msgCur, NULL, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        TranslateMessage(&m_msgCur);
        DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    CWindowLayer* pLayer = AfxGetWindowLayer();
    if (lCount <= 0)
    {
        if (pLayer != nullptr)
            pLayer->UpdateIdleCommandUI(this);
        return TRUE;
    }
    if (lCount == 1 && pLayer != nullptr)
        pLayer->DeleteTempObjects();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        BOOL bSameMove = pMsg->message == m_nMsgLast && pMsg->pt.x == m_ptCursorLast.x &&
                         pMsg->pt.y == m_ptCursorLast.y;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return !bSameMove;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

CWinThread* AfxGetThread()
{
    DWORD dwSlot = CModuleState::Get().m_dwThreadSlot;
    return dwSlot != TLS_OUT_OF_INDEXES ? static_cast<CWinThread*>(TlsGetValue(dwSlot)) : nullptr;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}
