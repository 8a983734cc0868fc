#pragma once

// A thread that runs the framework's message loop: the application's
// user-interface thread. Worker threads are plain Win32 threads and have no
// CWinThread (AfxGetThread returns NULL on them).

#include "app/CCmdTarget.h"

class CWnd;

class FRAMEWORK_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    DWORD m_nThreadID;
    // The message being handled by the loop.
    MSG m_msgCur;

    virtual CWnd* GetMainWnd();

    // TRUE to run the message loop.
    virtual BOOL InitInstance();
    // The message loop: pumps messages and runs OnIdle with rising counts
    // while the queue is empty, until WM_QUIT; then returns ExitInstance().
    virtual int Run();
    // Pre-translation: the window layer's walk from the message's window up
    // to the main window. TRUE when the message was taken.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets one message and translates and dispatches it; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Idle work while the queue is empty; TRUE to be called again with
    // lCount + 1. Count 0 updates command UI, count 1 frees temporary
    // objects.
    virtual BOOL OnIdle(LONG lCount);
    // Whether the message starts a new round of idle work. A mouse move to
    // the point of the previous one, WM_PAINT and the caret's blink timer do
    // not: they come all the time without anything having changed.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // The exit code: WM_QUIT's wParam.
    virtual int ExitInstance();

protected:
    // Makes this object the calling thread's CWinThread (AfxGetThread).
    void AttachToCurrentThread();
    void DetachFromCurrentThread();

private:
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
};

FRAMEWORK_API CWinThread* AfxGetThread();
// The calling thread's main window; NULL on threads without a CWinThread.
FRAMEWORK_API CWnd* AfxGetMainWnd();
