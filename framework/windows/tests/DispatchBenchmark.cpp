// Prints what a message costs through the framework's window procedure and
// message maps, next to a window without them.

#include "windows/CWnd.h"

#include <chrono>
#include <cstdio>

namespace
{
const int kMessages = 200000;

class BaseWnd : public CWnd
{
protected:
    afx_msg LRESULT OnBase(WPARAM, LPARAM) { return 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, OnBase)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_TIMER()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd
{
protected:
    afx_msg LRESULT OnDerived(WPARAM, LPARAM) { return 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_MESSAGE(WM_APP + 2, OnDerived)
END_MESSAGE_MAP()

double NanosecondsPerMessage(HWND hWnd, UINT message)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kMessages; ++i)
        ::SendMessage(hWnd, message, 0, 0);
    std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kMessages;
}
} // namespace

int main()
{
    DerivedWnd wnd;
    if (!wnd.CreateEx(0, NULL, "bench", WS_POPUP, 0, 0, 10, 10, NULL, NULL))
        return 1;
    HWND hWndPlain = ::CreateWindow("STATIC", "plain", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);

    struct Figure
    {
        const char* pszWhat;
        HWND hWnd;
        UINT message;
    } figures[] = {
        {"plain window, default handling", hWndPlain, WM_APP + 3},
        {"map handler in the derived class", wnd.m_hWnd, WM_APP + 2},
        {"map handler in the base class", wnd.m_hWnd, WM_APP + 1},
        {"no handler, default handling", wnd.m_hWnd, WM_APP + 3},
    };
    for (const Figure& figure : figures)
        std::printf("%-36s %8.0f ns/message\n", figure.pszWhat, NanosecondsPerMessage(figure.hWnd, figure.message));

    ::DestroyWindow(hWndPlain);
    wnd.DestroyWindow();
    return 0;
}
