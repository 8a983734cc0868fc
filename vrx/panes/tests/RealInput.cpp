#include "RealInput.h"

#include "windows/CWnd.h"

namespace
{
std::vector<InputStep> g_steps;
size_t g_nextStep = 0;

void SendStep(const InputStep& step)
{
    INPUT input = {};
    switch (step.kind)
    {
    case InputStep::wait:
        return;
    case InputStep::run:
        step.action();
        return;
    case InputStep::keyDown:
    case InputStep::keyUp:
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = step.key;
        input.ki.dwFlags = step.kind == InputStep::keyUp ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, &input, sizeof(INPUT));
        return;
    default:
        break;
    }
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.type = INPUT_MOUSE;
    input.mi.dx = (step.point.x * 65536 + cx - 1) / cx;
    input.mi.dy = (step.point.y * 65536 + cy - 1) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (step.kind == InputStep::press)
        input.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    if (step.kind == InputStep::release)
        input.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof(INPUT));
}

void CALLBACK SendNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_nextStep < g_steps.size())
        SendStep(g_steps[g_nextStep++]);
}
} // namespace

void PumpMessages(DWORD dwMilliseconds)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwMilliseconds;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (AfxWalkPreTranslateTree(NULL, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(5);
    }
}

void PlayInput(const std::vector<InputStep>& steps, UINT nIntervalMs)
{
    g_steps = steps;
    g_nextStep = 0;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, nIntervalMs, SendNextStep);
    const DWORD dwLimit = static_cast<DWORD>(steps.size()) * nIntervalMs * 4 + 5000;
    for (DWORD dwStart = ::GetTickCount(); g_nextStep < g_steps.size() && ::GetTickCount() - dwStart < dwLimit;)
        PumpMessages(10);
    ::KillTimer(NULL, nTimer);
    PumpMessages(200);
}
