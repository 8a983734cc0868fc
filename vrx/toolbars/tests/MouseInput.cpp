#include "MouseInput.h"

#include "windows/CWnd.h"

void SendMouse(DWORD dwFlags, CPoint pointScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(pointScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(pointScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(INPUT));
}

bool RunMessagesUntil(const std::function<bool()>& done, DWORD dwMilliseconds)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwMilliseconds;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (AfxWalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        if (done())
            return true;
        ::Sleep(10);
    }
    return false;
}

void LetTheInputArrive()
{
    RunMessagesUntil([] { return false; }, 300);
}
