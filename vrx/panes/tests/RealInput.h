#pragma once

// Input as a user makes it: steps sent through SendInput, one per timer tick,
// so that they also arrive while a window runs a loop of its own (a menu, a
// drag). Play returns once every step was sent and the last ones arrived.

#include "strings/CPoint.h"

#include <functional>
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
        wait,
        // Nothing is sent: the action runs, also inside a loop a window runs
        // on its own (a menu), so a test can look at that moment.
        run
    } kind;
    CPoint point;
    WORD key = 0;
    std::function<void()> action;
};

inline InputStep MoveTo(CPoint point) { return {InputStep::move, point, 0, {}}; }
inline InputStep PressAt(CPoint point) { return {InputStep::press, point, 0, {}}; }
inline InputStep ReleaseAt(CPoint point) { return {InputStep::release, point, 0, {}}; }
inline InputStep KeyDown(WORD key) { return {InputStep::keyDown, CPoint(), key, {}}; }
inline InputStep KeyUp(WORD key) { return {InputStep::keyUp, CPoint(), key, {}}; }
inline InputStep Wait() { return {InputStep::wait, CPoint(), 0, {}}; }
inline InputStep Observe(std::function<void()> action) { return {InputStep::run, CPoint(), 0, std::move(action)}; }

// One step every nIntervalMs.
void PlayInput(const std::vector<InputStep>& steps, UINT nIntervalMs = 40);
// Runs the thread's messages for a while.
void PumpMessages(DWORD dwMilliseconds);
