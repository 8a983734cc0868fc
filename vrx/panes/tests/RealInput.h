#pragma once

// Input as a user makes it: steps sent through SendInput, one per timer tick,
// so that they also arrive while a window runs a loop of its own (a menu, a
// drag). Play returns once every step was sent and the last ones arrived.

#include "strings/CPoint.h"

#include <vector>

struct InputStep
{
    enum Kind
    {
        move,
        press,
        release,
        keyDown,
        keyUp,
        // Nothing is sent: the step only lets time pass.
        wait
    } kind;
    CPoint point;
    WORD key = 0;
};

inline InputStep MoveTo(CPoint point) { return {InputStep::move, point}; }
inline InputStep PressAt(CPoint point) { return {InputStep::press, point}; }
inline InputStep ReleaseAt(CPoint point) { return {InputStep::release, point}; }
inline InputStep KeyDown(WORD key) { return {InputStep::keyDown, CPoint(), key}; }
inline InputStep KeyUp(WORD key) { return {InputStep::keyUp, CPoint(), key}; }
inline InputStep Wait() { return {InputStep::wait, CPoint()}; }

// One step every nIntervalMs.
void PlayInput(const std::vector<InputStep>& steps, UINT nIntervalMs = 40);
// Runs the thread's messages for a while.
void PumpMessages(DWORD dwMilliseconds);
