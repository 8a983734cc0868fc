#pragma once

// Real mouse and key input for the docking tests: steps go out through
// SendInput one per timer tick while the test's window runs its own drag
// loop or message handling.

#include "strings/CPoint.h"

#include <windows.h>

#include <vector>

namespace realinput
{
struct InputStep
{
    enum Kind
    {
        move,
        press,
        release,
        escape,
        ctrlDown,
        ctrlUp,
        altDown,
        altUp,
        // One timer tick (40 ms) without input.
        rest
    } kind;
    CPoint point;
};

inline std::vector<InputStep> g_steps;
inline size_t g_nextStep = 0;

inline void SendStep(const InputStep& step)
{
    if (step.kind == InputStep::rest)
        return;
    INPUT input[2] = {};
    if (step.kind == InputStep::ctrlDown || step.kind == InputStep::ctrlUp || step.kind == InputStep::altDown ||
        step.kind == InputStep::altUp)
    {
        const bool bCtrl = step.kind == InputStep::ctrlDown || step.kind == InputStep::ctrlUp;
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wVk = bCtrl ? VK_CONTROL : VK_MENU;
        input[0].ki.dwFlags = step.kind == InputStep::ctrlUp || step.kind == InputStep::altUp ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, input, sizeof(INPUT));
        return;
    }
    if (step.kind == InputStep::escape)
    {
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wVk = VK_ESCAPE;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        return;
    }
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    input[0].type = INPUT_MOUSE;
    input[0].mi.dx = (step.point.x * 65536 + cx - 1) / cx;
    input[0].mi.dy = (step.point.y * 65536 + cy - 1) / cy;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (step.kind == InputStep::press)
        input[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    if (step.kind == InputStep::release)
        input[0].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SendInput(1, input, sizeof(INPUT));
}

inline void CALLBACK SendNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_nextStep < g_steps.size())
        SendStep(g_steps[g_nextStep++]);
}

// Plays the steps, then lets the last ones arrive.
inline void Play(const std::vector<InputStep>& steps)
{
    g_steps = steps;
    g_nextStep = 0;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 40, SendNextStep);
    DWORD dwDone = 0;
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 10000;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        if (g_nextStep == g_steps.size())
        {
            if (dwDone == 0)
                dwDone = ::GetTickCount();
            else if (::GetTickCount() - dwDone > 300)
                break;
        }
        ::Sleep(10);
    }
    ::KillTimer(NULL, nTimer);
}

} // namespace realinput
