#include "MouseInput.h"

#include "windows/CWnd.h"

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
